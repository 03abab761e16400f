#pragma once

#include <QString>
#include <QStringView>

// The FM receiver's data in the image, without widgets: the channel record
// layout, the in-use flags, the receiver's bytes in the shared blocks, the
// frequency texts of the 64.0-108.0 MHz band and the channel names.
namespace Fm_Codec {

// One field of a block or record: byte offset and length in bytes.
struct Field
{
    int Offset;
    int Size;
    // Position and length of the field in the block's hex text.
    constexpr int Pos() const { return 2 * Offset; }
    constexpr int Chars() const { return 2 * Size; }
};

constexpr int Channel_Count = 32;

// FM_Channel_Record: one 32-byte record per channel; all 0xFF when unused.
namespace Record {
constexpr int Size = 32;
constexpr Field Frequency{0, 4}; // Hz, 32-bit big-endian
constexpr Field Name{4, 24};     // UTF-8, then 0x00 up to 24 bytes
constexpr Field Reserved{28, 4}; // 0xFF
} // namespace Record

// The receiver's bytes in the shared blocks.
constexpr Field On_Off_Byte{4, 1};     // Settings_Block: 0 off, 1 on
constexpr Field Mode_Byte{9, 1};       // Work_Mode_Block: mode index + Mode_Byte_Offset
constexpr int Mode_Byte_Offset = 5;
constexpr Field Vfo_Frequency{18, 4};  // Work_Mode_Block: Hz, 32-bit big-endian

// The in-use flags: one bit per channel in bytes 0-3; bytes 4-7 hold no channel.
constexpr int Flag_Region_Size = 8;
constexpr Field Channel_Flag_Bytes{0, Channel_Count / 8};

constexpr int Name_Max_Chars = 8;
constexpr int Frequency_Max_Chars = 5;

// The VFO frequency shown when the stored one is not valid or the field is empty,
// and the frequency a channel gets when only its name is typed.
QString Default_Frequency_Text();

// Image address of channel k's record.
int Channel_Record_Addr(int channel);

// "FM-" and the channel number in two digits: "FM-00" to "FM-31".
QString Default_Name(int channel);

// ---- frequencies ----------------------------------------------------------------

// The editing rule for every frequency field: the text read as a decimal
// number (anything that is not a finite decimal number, "nan" and "inf"
// included, reads as 0); below 64 gives "64.0", 108 or more "108.0", else
// the number rounded to a tenth in decimal, halves up ("88.25" -> "88.3").
QString Frequency_Rule(const QString& text);

// The one-decimal text of a frequency in Hz, cut (not rounded) to 100 kHz:
// 90 450 000 -> "90.4". Empty when it lies outside 64.0-108.0 MHz
// (64 000 000 to 108 099 999 Hz).
QString Hz_To_Text(qint64 hz);

// The text of a stored frequency: 8 hex digits (either case) read as a signed
// 32-bit number; digits that are not hex or do not fit (8 to F first) read
// as 0. Empty when the frequency is not valid.
QString Frequency_Text_From_Hex(QStringView hex);

// Hz of a one-decimal text: the point removed, the digits read as a decimal
// integer, times 100000. A text that does not read so, or whose frequency
// does not fit 32 bits, gives 0.
quint32 Text_To_Hz(const QString& text);

// The 8 upper-case hex digits stored for a frequency text (see Text_To_Hz).
QString Frequency_Hex(const QString& text);

// ---- names ----------------------------------------------------------------------

// The name in a record's 48 name digits: every "000000" removed from the
// digits (from the left, not overlapping), the bytes cut at the first 0x00
// or 0xFF (erased memory), decoded as UTF-8, kept to what a name field of
// length 8 shows (whole characters only).
QString Name_From_Hex(QStringView hex);

// The 48 upper-case name digits for `name`: its UTF-8 bytes, then zeros.
// Bytes beyond the field are dropped.
QString Name_To_Hex(const QString& name);

// ---- records ----------------------------------------------------------------------

struct Channel
{
    QString Frequency; // empty: not in use
    QString Name;
};

// A record's channel; both texts empty when its frequency is not valid.
Channel Decode_Record(QStringView record);

// The 64 upper-case digits of an unused channel: all F.
QString Unused_Record();

// The 64 upper-case digits of a channel in use (its frequency text as
// Frequency_Hex reads it, its name as Name_To_Hex lays it out).
QString Encode_Record(const QString& frequency, const QString& name);

// ---- in-use flags -----------------------------------------------------------------

// True when channel k's bit is set in the flag text; a flag byte that is
// not two hex digits counts as 0.
bool Channel_In_Use(QStringView flags, int channel);

// Sets or clears channel k's bit; the byte goes back as two upper-case
// digits, every other character of the text stays as it is. Does nothing
// when the text does not reach the byte.
void Set_Channel_In_Use(QString& flags, int channel, bool inUse);

// ---- pair rules of a channel row ---------------------------------------------

// A channel's frequency finished editing: an empty frequency removes the
// channel (name emptied); otherwise the frequency rule applies and an empty
// name gets the row's default name.
void Frequency_Finished(QString& frequency, QString& name, const QString& defaultName);

// A channel's name finished editing: a name without a frequency gets the
// default frequency; an emptied name removes the channel.
void Name_Finished(QString& frequency, QString& name);

} // namespace Fm_Codec
