#pragma once

#include "image/image_regions.h"

#include <QString>
#include <QStringView>

// The byte layout of APRS_Block and the conversions between its fields and
// the texts the APRS page shows. Nothing here touches a widget: the page's
// decoder and encoder share these rules, and tests call them directly.
namespace Aprs_Codec {

constexpr int Block_Addr = Image_Region::Aprs_Block_Addr;
constexpr int Block_Size = Image_Region::Aprs_Block_Size;

// Block offsets of the single bytes: a list index (the position of the
// entry its box shows) or a switch each.
constexpr int Own_Ssid = 0x06;
constexpr int Symbol_Table = 0x07;
constexpr int Symbol = 0x08;
constexpr int A_Band_Decoding = 0x09;
constexpr int B_Band_Decoding = 0x0A;
// The seven kinds of packet the decoder tells apart (MIC-E, position,
// weather, object, item, status, other), each with a byte in three runs:
// decoded or not, pop-up time, bell.
constexpr int Packet_Kinds = 7;
constexpr int Decode_Filters = 0x0B;
constexpr int Popup_Times = 0x12;
constexpr int Bells = 0x19;
constexpr int Crc_Check = 0x20;
constexpr int Target_Ssid = 0x27;
constexpr int Tx_Channel = 0xC8;
constexpr int Beacon_Type = 0xC9;
constexpr int Manual_Tx_Mode = 0xCA;
constexpr int Beacon_Timer = 0xCB;
constexpr int Altitude_Unit = 0xE4;
constexpr int Tx_Preamble = 0xE5;
constexpr int Tx_End_Delay = 0xE6;
constexpr int Side_Tone = 0xE7;
constexpr int Manual_Tx_Interval = 0xE8;
constexpr int Manual_Tx_Band = 0xE9;

// Block offsets and sizes of the wider fields.
constexpr int Own_Callsign = 0x00;
constexpr int Target_Callsign = 0x21;
constexpr int Callsign_Size = 6;
constexpr int Channel_Table = 0x28;
constexpr int Channel_Record_Size = 10;
constexpr int Channel_Count = 8;
constexpr int Latitude = 0xCC;
constexpr int Longitude = 0xD4;
constexpr int Altitude = 0xDC;
constexpr int Path_Count = 0xFF;
constexpr int Path_Entry_Size = 7;
constexpr int Path_Max_Entries = 8;
constexpr int Comment = 0x200;
constexpr int Comment_Size = 64;

// A position or altitude field: the 32-bit little-endian word, then the
// constant the radio expects beside it (also 32-bit little-endian).
constexpr int Word_Field_Size = 8;
constexpr quint32 Position_Scale_Value = 100000;
constexpr quint32 Altitude_Scale_Value = 1000;

// The path field: the count byte, then the eight entry slots.
constexpr int Path_Field_Size = 1 + Path_Max_Entries * Path_Entry_Size;

// The unit byte (0xE4) is the altitude unit list's index: 0 feet, 1 metres.
constexpr int Altitude_Unit_Feet = 0;

// Callsign field (6 bytes): ASCII text left-aligned, 0xFF after the text.
// Reading drops every 0xFF byte; writing pads with 0xFF and never cuts a
// character in two.
QString Callsign_From_Hex(QStringView hex);
QString Callsign_To_Hex(const QString& text);

// Position word (32-bit little-endian): degrees x 10^7 + minutes x 10^5,
// negative for the southern / western hemisphere.
struct Position
{
    QString Text;   // degrees with six decimals, e.g. "24.500000"
    int Hemisphere; // 0 N/E, 1 S/W
};
Position Position_From_Word(quint32 word);
// `hemisphere` is the list index; any index but 0 stands for S/W.
quint32 Position_To_Word(const QString& text, int hemisphere);

// Altitude word: thousandths of a metre, shown with one decimal in feet
// (unit index 0) or metres.
QString Altitude_From_Word(quint32 word, bool feet);
quint32 Altitude_To_Word(const QString& text, bool feet);

// The same for the whole field (word and constant): read from its digits,
// and its 16 digits for a word.
Position Position_From_Field(QStringView hex);
QString Position_Field_Hex(quint32 word);
QString Altitude_From_Field(QStringView hex, bool feet);
QString Altitude_Field_Hex(quint32 word);

// Digipeater path. `hex` holds the count byte (0xFF) and the eight entry
// slots behind it (0x100 to 0x137): 57 bytes.
QString Path_From_Hex(QStringView hex);

struct Path_Hex
{
    int Count = 0;
    QString Entries; // Count x 14 hex digits, entry 0 first
};
// At most eight entries; names of up to 6 bytes padded with 0x00, then the SSID.
Path_Hex Path_To_Hex(const QString& text);
// The path field's digits for a text: the count, the entries, and the slots
// behind them as `stored` holds them.
QString Path_Field_Hex(const QString& text, QStringView stored);

// What a position, altitude or path text reads back as once stored: the
// text such a field shows when its edit is done.
QString Stored_Position_Text(const QString& text);
QString Stored_Altitude_Text(const QString& text, bool feet);
QString Stored_Path_Text(const QString& text);

// Comment field (64 bytes of UTF-8). Trailing 0x00 and 0xFF bytes are
// padding; writing cuts at the last whole character within 64 bytes.
QString Comment_From_Hex(QStringView hex);
QString Comment_To_Hex(const QString& text);

// The UTF-8 bytes of `text` as hex, cut at the last whole character that
// fits into `maxBytes` bytes.
QString Utf8_Hex_Within(const QString& text, int maxBytes);

// Transmit channels. A frequency text is MHz with six decimals.
constexpr qint32 Band1_Low_Hz = 136000000;
constexpr qint32 Band1_High_Hz = 174000000;
constexpr qint32 Band2_Low_Hz = 400000000;
constexpr qint32 Band2_High_Hz = 470000000;

// Hz as "MHz.dddddd" (0 gives "0.000000").
QString Frequency_Text_From_Hz(quint32 hz);
// Brings a typed frequency into the two bands and onto the channel raster.
QString Normalize_Freq_String(const QString& text);

enum Channel_Column { Column_Freq, Column_Power, Column_Wn, Column_Tone_Type, Column_Tone_Value, Column_Count };

// Positions in the tone type list; the tone value counts in the list its
// type offers: the one "none" entry, the CTCSS tones or the DCS codes.
enum Tone_Kind { Tone_None, Tone_Ctcss, Tone_Dcs };
// The transmit power a channel takes when its power shows no entry: high.
constexpr int Default_Tx_Power = 2;

// A transmit-channel row: the frequency text ("" for an empty channel) and
// the position of each list cell's entry in its list (-1: none). A position
// beyond its list is a byte the list has no entry for, kept as read.
struct Channel_Row
{
    QString Freq;
    int Power = -1;
    int Wn = -1;
    int Tone_Type = -1;
    int Tone_Value = -1;
};

// The row of a 10-byte record (20 hex digits, upper case); every cell empty
// for an empty channel (frequency FF FF FF FF). Each list byte is read as it
// stands, beyond its list or not; the tone value of a tone type beyond its
// list is none (-1). The frequency text is as stored; the page normalises it.
Channel_Row Channel_From_Hex(QStringView hex);
// The record of a row. A cell that shows no entry stores: the default power,
// wide band, no tone; a tone value the first of its list. A position beyond
// its list goes back as it is; a tone type beyond its list keeps both tone
// bytes as `stored` (the record as the block holds it) has them.
QString Channel_Hex(const Channel_Row& row, QStringView stored);

} // namespace Aprs_Codec
