#pragma once

#include "image/image_regions.h"

#include <QList>
#include <QString>
#include <QStringList>

// The audio, key and Bluetooth pages' share of the settings block: one byte
// per setting (a list index, or a switch: on for any value but 0, stored as
// 01 or 00), byte n at block address + n. The block is read and written whole, so the bytes of other pages pass
// through unchanged.
namespace Settings_Block {

constexpr int Addr = Image_Region::Settings_Block_Addr;
constexpr int Size = Image_Region::Settings_Block_Size;
constexpr int Hex_Size = 2 * Size;

// Audio page.
namespace Audio {
constexpr int Ai_Noise_Reduction = 12; // switch
constexpr int Ai_Voice_Control = 13;   // switch
constexpr int Ai_Sensitivity = 14;
constexpr int Ai_Delay = 15;
constexpr int Voice_Announce = 22;     // switch
constexpr int Voice_Type = 23;
constexpr int Voice_Volume = 24;
constexpr int Tone_Master = 25;        // switch
constexpr int Key_Beep = 26;
constexpr int Low_Battery_Tone = 27;
constexpr int Tone_Volume = 28;
constexpr int Call_Tone = 29;
constexpr int Mic_Gain = 30;
constexpr int Power_On_Tone = 31;
constexpr int Tx_Timeout_Tone = 42;
} // namespace Audio

// Key page.
namespace Keys {
constexpr int Side_Key_1_Short = 16;
constexpr int Side_Key_1_Long = 17;
constexpr int Side_Key_2_Short = 18;
constexpr int Side_Key_2_Long = 19;
constexpr int Top_Key_Short = 20;
constexpr int Top_Key_Long = 21;
constexpr int Auto_Lock = 32;
constexpr int Lock_Type = 33;
constexpr int Lock_Delay = 34;
} // namespace Keys

// Bluetooth page.
namespace Bluetooth {
constexpr int On_Off = 64;
constexpr int Own_Mic_Control = 65;
constexpr int Own_Speaker_Control = 66;
constexpr int Bt_Mic_Gain = 67;
constexpr int Bt_Speaker_Gain = 68;
} // namespace Bluetooth

// True when `region` is the whole block as the image returns it; an encoder
// that got anything else writes nothing.
inline bool Is_Whole_Region(const QString& region)
{
    return region.size() == Hex_Size;
}

} // namespace Settings_Block

// The source texts of the value lists, in list order, each marked for
// translation in the context of the page that shows it.
namespace Settings_Lists {

// The texts of `sources` translated in `context`.
QStringList Translate_List(const char* context, const QList<const char*>& sources);

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
