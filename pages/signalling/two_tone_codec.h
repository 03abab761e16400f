#pragma once

#include "image/image_regions.h"
#include "pages/signalling/code_text.h"

#include <QString>
#include <QStringView>

// The 2-tone block and the rules of its texts, free of widgets: tone and name
// conversions, the tone normaliser, the row checks and the entry layout that
// the page's decoder and encoder share.

namespace Two_Tone_Layout {

constexpr int Block_Addr = Image_Region::Two_Tone_Block_Addr;
constexpr int Block_Size = Image_Region::Two_Tone_Block_Size;

// Settings bytes: the index of a list entry each.
constexpr int Side_Tone_Byte = 0x000;
constexpr int Auto_Reset_Time_Byte = 0x001;
constexpr int First_Tone_Time_Byte = 0x002;
constexpr int Second_Tone_Time_Byte = 0x003;
constexpr int Long_Tone_Time_Byte = 0x004;
constexpr int Interval_Time_Byte = 0x005;
constexpr int Settings_Bytes = 6;

constexpr int Entry_Count = 16;

// Encode entry: tone 1, tone 2, name.
constexpr int Encode_Entry_Addr = 0x00A;
constexpr int Encode_Entry_Size = 12;
constexpr int Encode_Name_Offset = 4;

// Decode entry: tone 1, tone 2, response, name, one byte nobody uses.
constexpr int Decode_Entry_Addr = 0x100;
constexpr int Decode_Entry_Size = 14;
constexpr int Decode_Response_Offset = 4;
constexpr int Decode_Name_Offset = 5;
constexpr int Decode_Spare_Offset = 13;

constexpr int Tone_1_Offset = 0;
constexpr int Tone_2_Offset = 2;
constexpr int Name_Bytes = 8;

} // namespace Two_Tone_Layout

// ---- tones: tenths of a hertz, 288.0 to 3106.0 Hz ---------------------------

constexpr quint32 Tone_Min_Value = 2880;
constexpr quint32 Tone_Max_Value = 31060;

bool Tone_Value_Is_Valid(quint32 value);

// "288.0" for 2880: the decimal digits with a point before the last one.
QString Tone_Value_To_Text(quint32 value);

// Drops every point and reads the rest as a decimal number; a text that is
// not one, or does not fit 32 bits, gives 0.
quint32 Tone_Text_To_Value(const QString& text);

// Normalises a typed tone: integer part and first decimal (further decimals
// dropped, not rounded), clamped to 288.0..3106.0. Always gives a valid tone text.
QString Tone_Frequency_Format(const QString& text);

// The text a tone-2 cell keeps: empty stays empty (no second tone), anything
// else is normalised.
QString Tone_2_Cell_Text(const QString& text);

// ---- names: up to 8 bytes of 0x01..0x7E, padded with 0x00 --------------------

// Names are read with Name_String_Array and written with Name_To_Hex_String
// (code_text.h).

// The name cell rule: its first 8 characters.
QString Name_Cell_Text(const QString& text);

// "2TENC-00".."2TENC-15" and "2TDEC-00".."2TDEC-15".
QString Default_Encode_Name(int row);
QString Default_Decode_Name(int row);

// ---- rows of the two tables --------------------------------------------------

struct Two_Tone_Row
{
    QString Tone_1;
    QString Tone_2;
    QString Response; // decode list only
    QString Name;
};

// After tone 1 of encode row `row` was edited: an empty tone 1 empties the
// row; otherwise tone 1 is normalised and an empty name gets its default.
void Encode_Row_Check(Two_Tone_Row& cells, int row);

// The same for the decode list; an empty response also gets `firstResponse`.
void Decode_Row_Check(Two_Tone_Row& cells, int row, const QString& firstResponse);

// ---- entries of the block ----------------------------------------------------

// An entry as read from the block. Not in use (tone 1 not valid): every text
// empty. Tone 2 is empty when it is not valid; Response_Byte is the stored byte.
struct Two_Tone_Entry
{
    bool In_Use = false;
    QString Tone_1;
    QString Tone_2;
    int Response_Byte = 0;
    QString Name;
};

Two_Tone_Entry Read_Encode_Entry(QStringView region, int row);
Two_Tone_Entry Read_Decode_Entry(QStringView region, int row);

// Writes an entry into the region text. An empty tone 1 writes the whole
// entry as 0xFF; an empty tone 2 is stored as 0 (no second tone). In a decode
// entry in use the last byte keeps its value. Does nothing when the region is
// shorter than the block.
void Put_Encode_Entry(QString& region, int row, const Two_Tone_Row& cells);
void Put_Decode_Entry(QString& region, int row, const Two_Tone_Row& cells, int responseIndex);
