#pragma once

#include "image/image_regions.h"

#include <QString>

// Byte layout of the DTMF block and the rule that brings a typed code to the
// DTMF digits the block stores. The page's field map (dtmf_form.cpp) names
// the widget of each field; codes travel as code slots (code_text.h).

namespace Dtmf_Layout {
constexpr Image_Region::Region Block = Image_Region::Dtmf_Block_Region;

constexpr int Own_Id_Offset = 0x000;
constexpr int Own_Id_Size = 8;

// One byte each: the index of a list entry.
constexpr int Separator_Byte = 0x00A;
constexpr int Group_Call_Code_Byte = 0x00B;
constexpr int Dialer_Type_Byte = 0x00C;
constexpr int Side_Tone_Byte = 0x014;
constexpr int Send_Time_Byte = 0x015;
constexpr int First_Digit_Time_Byte = 0x016;
constexpr int Pre_Carrier_Time_Byte = 0x017;
constexpr int Delay_After_Sending_Byte = 0x018;
constexpr int D_Code_Pause_Byte = 0x019;
constexpr int Ptt_Id_Pause_Byte = 0x01A;
constexpr int Decode_Response_Byte = 0x01E;
constexpr int Auto_Reset_Time_Byte = 0x01F;
constexpr int Ani_Display_Byte = 0x020;

constexpr int Code_Memory_Offset = 0x028;
constexpr int Code_Memory_Count = 16;
constexpr int Code_Slot_Size = 24;
constexpr int Ptt_Id_Offset = 0x1C2;
constexpr int Ptt_Id_Row_Count = 8;
constexpr int Ptt_Id_Row_Size = 1 + 2 * Code_Slot_Size; // type, begin code, end code
constexpr int Kill_Code_Offset = 0x384;
constexpr int Stun_Code_Offset = 0x39C;
constexpr int Wake_Code_Offset = 0x3B4;
} // namespace Dtmf_Layout

// The code-field rule: upper case, then every "E" becomes "*" and every "F"
// becomes "#". Nothing is removed and the length stays.
QString Dtmf_Code_Field_Rule(const QString& text);
