#pragma once

#include "image/image_regions.h"

#include <QString>
#include <QStringView>

// Byte layout of Five_Tone_Block and the conversions of its fields. The
// page's field map (five_tone_form.cpp) names the widget of each field; the
// bytes between the fields are not the page's and pass through an encode
// unchanged. Codes are code slots (code_text.h): one character per byte,
// 0x00 padding, kept: 0-9, A-F, *, #.
namespace Five_Tone_Layout {

constexpr Image_Region::Region Block = Image_Region::Five_Tone_Block_Region;

constexpr int Own_Id = 0x000;
constexpr int Own_Id_Size = 8;

// Header bytes: the index of a list entry each, but the digit mask.
constexpr int Side_Tone_Byte = 0x00A;
constexpr int Pre_Carrier_Time_Byte = 0x00B;
constexpr int End_Delay_Time_Byte = 0x00C;
constexpr int First_Digit_Time_Byte = 0x00D;
constexpr int Pause_Code_Byte = 0x00E;
constexpr int Pause_Code_Length_Byte = 0x00F;
constexpr int After_Pause_Time_Byte = 0x010;
constexpr int Ptt_Id_Pause_Byte = 0x011;
constexpr int Decode_Standard_Byte = 0x01E;
constexpr int Decode_Digit_Mask_Byte = 0x01F; // bit i: the (i+1)-th of the eight decode-digit boxes
constexpr int Decode_Response_Byte = 0x020;
constexpr int Auto_Reset_Time_Byte = 0x021;
constexpr int Ani_Display_Byte = 0x022;
constexpr int Digit_Mask_Bits = 8;

constexpr int Code_Size = 24;
constexpr int Name_Size = 9;

// 16 code rows ("0"-"9", "A"-"D", "*", "#"): standard, code, name.
constexpr int Code_Rows = 0x100;
constexpr int Code_Row_Count = 16;
constexpr int Code_Row_Size = 1 + Code_Size + Name_Size;

// 8 PTT ID rows: type, standard, begin code, end code.
constexpr int Ptt_Rows = 0x340;
constexpr int Ptt_Row_Count = 8;
constexpr int Ptt_Row_Size = 2 + 2 * Code_Size;

// 16 information-code rows: function, code.
constexpr int Info_Rows = 0x540;
constexpr int Info_Row_Count = 16;
constexpr int Info_Row_Size = 1 + Code_Size;

} // namespace Five_Tone_Layout

// A name field: like a code, but every byte 0x01-0x7E is kept and its last
// byte stays 0x00, so it holds one character less than its width.
QString Five_Tone_Name_Text(QStringView hex);
// Names are stored as typed; a character the field cannot store is left out.
QString Five_Tone_Name_Hex(const QString& text, int width);
