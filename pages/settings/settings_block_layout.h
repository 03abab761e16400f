#pragma once

#include "image/image_regions.h"

#include <QList>

// The audio, key and Bluetooth pages' share of the settings block: one byte
// per setting (a list index, or a switch: on for any value but 0, stored as
// 01 or 00), at these offsets from the block's start. Each page reads and
// writes the block whole, so the bytes of the other pages pass through
// unchanged. The pages' field maps name the widget of each byte.
namespace Settings_Block {

constexpr Image_Region::Region Block = Image_Region::Settings_Block_Region;

// Audio page.
namespace Audio {
constexpr int Ai_Noise_Reduction = 0x0C; // switch
constexpr int Ai_Voice_Control = 0x0D;   // switch
constexpr int Ai_Sensitivity = 0x0E;
constexpr int Ai_Delay = 0x0F;
constexpr int Voice_Announce = 0x16;     // switch
constexpr int Voice_Type = 0x17;
constexpr int Voice_Volume = 0x18;
constexpr int Tone_Master = 0x19;        // switch
constexpr int Key_Beep = 0x1A;
constexpr int Low_Battery_Tone = 0x1B;
constexpr int Tone_Volume = 0x1C;
constexpr int Call_Tone = 0x1D;
constexpr int Mic_Gain = 0x1E;
constexpr int Power_On_Tone = 0x1F;
constexpr int Tx_Timeout_Tone = 0x2A;
} // namespace Audio

// Key page.
namespace Keys {
constexpr int Side_Key_1_Short = 0x10;
constexpr int Side_Key_1_Long = 0x11;
constexpr int Side_Key_2_Short = 0x12;
constexpr int Side_Key_2_Long = 0x13;
constexpr int Top_Key_Short = 0x14;
constexpr int Top_Key_Long = 0x15;
constexpr int Auto_Lock = 0x20;
constexpr int Lock_Type = 0x21;
constexpr int Lock_Delay = 0x22;
} // namespace Keys

// Bluetooth page.
namespace Bluetooth {
constexpr int On_Off = 0x40;
constexpr int Own_Mic_Control = 0x41;
constexpr int Own_Speaker_Control = 0x42;
constexpr int Bt_Mic_Gain = 0x43;
constexpr int Bt_Speaker_Gain = 0x44;
} // namespace Bluetooth

} // namespace Settings_Block

// The source texts of the value lists, in list order, each marked for
// translation in the context of the page that shows it.
namespace Settings_Lists {

// Audio page (context SOUNDS_SETTING_FORM).
const QList<const char*>& Voice_Type();
const QList<const char*>& Ai_Sensitivity();
const QList<const char*>& Ai_Delay();
const QList<const char*>& Voice_Volume();
const QList<const char*>& Tone_Volume();
const QList<const char*>& Call_Tone();
const QList<const char*>& Mic_Gain();
const QList<const char*>& Audio_Off_On();

// Key page (context SHORTCUTS_SETTING_FORM).
const QList<const char*>& Key_Short_Press();
// The short-press list with the tone-burst item at index 2.
const QList<const char*>& Key_Long_Press();
const QList<const char*>& Auto_Lock();
const QList<const char*>& Lock_Type();
const QList<const char*>& Lock_Delay();

// Bluetooth page (context BLUETOOTH_FORM).
const QList<const char*>& Bluetooth_Off_On();
const QList<const char*>& Bluetooth_Gain();

} // namespace Settings_Lists
