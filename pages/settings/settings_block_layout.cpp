#include "pages/settings/settings_block_layout.h"

#include <QCoreApplication>

namespace Settings_Lists {

// ---- audio page ------------------------------------------------------------

const QList<const char*>& Voice_Type()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "中文报号"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "英文报号"),
    };
    return texts;
}

const QList<const char*>& Ai_Sensitivity()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "低"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "中"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "高"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "超高"),
    };
    return texts;
}

const QList<const char*>& Ai_Delay()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "0.5秒"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "1.0秒"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "1.5秒"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "2.0秒"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "2.5秒"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "3.0秒"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "3.5秒"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "4.0秒"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "4.5秒"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "5.0秒"),
    };
    return texts;
}

// Announcement and tone volume share their texts.
const QList<const char*>& Voice_Volume()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "1级"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "2级"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "3级"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "4级"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "5级"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "6级"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "7级"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "8级"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "9级"),
    };
    return texts;
}

const QList<const char*>& Tone_Volume()
{
    return Voice_Volume();
}

const QList<const char*>& Call_Tone()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "关闭"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "通话开始"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "通话结束"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "通话开始和结束"),
    };
    return texts;
}

const QList<const char*>& Mic_Gain()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "低"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "中"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "高"),
    };
    return texts;
}

const QList<const char*>& Audio_Off_On()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "关闭"),
        QT_TRANSLATE_NOOP("SOUNDS_SETTING_FORM", "打开"),
    };
    return texts;
}

// ---- key page ----------------------------------------------------------------

const QList<const char*>& Key_Short_Press()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "无"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "声控"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "信标发送"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "监听"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "扫描"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "扰频"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "脱网"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "降噪"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "一键对频"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "功率切换"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "倒频"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "收音机开关"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "信道模式切换"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "紧急报警"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "APRS站点"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "静噪等级"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "亚音频扫描"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "调试信息"),
    };
    return texts;
}

const QList<const char*>& Key_Long_Press()
{
    static const QList<const char*> texts = [] {
        QList<const char*> list = Key_Short_Press();
        list.insert(2, QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "TBST发送"));
        return list;
    }();
    return texts;
}

const QList<const char*>& Auto_Lock()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "关闭"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "打开"),
    };
    return texts;
}

const QList<const char*>& Lock_Type()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "按键"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "编码器"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "按键+编码器"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "PTT"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "PTT+按键"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "PTT+编码器"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "PTT+编码器+按键"),
    };
    return texts;
}

// 3 to 15 seconds by 1, 20 to 55 seconds by 5, 1 to 10 minutes by 1; written
// out so that every text is a translatable source text.
const QList<const char*>& Lock_Delay()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "3秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "4秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "5秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "6秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "7秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "8秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "9秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "10秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "11秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "12秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "13秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "14秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "15秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "20秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "25秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "30秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "35秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "40秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "45秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "50秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "55秒"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "1分钟"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "2分钟"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "3分钟"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "4分钟"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "5分钟"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "6分钟"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "7分钟"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "8分钟"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "9分钟"),
        QT_TRANSLATE_NOOP("SHORTCUTS_SETTING_FORM", "10分钟"),
    };
    return texts;
}

// ---- Bluetooth page ----------------------------------------------------------

const QList<const char*>& Bluetooth_Off_On()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("BLUETOOTH_FORM", "关闭"),
        QT_TRANSLATE_NOOP("BLUETOOTH_FORM", "打开"),
    };
    return texts;
}

// Microphone and speaker gain share their texts.
const QList<const char*>& Bluetooth_Gain()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("BLUETOOTH_FORM", "1级"),
        QT_TRANSLATE_NOOP("BLUETOOTH_FORM", "2级"),
        QT_TRANSLATE_NOOP("BLUETOOTH_FORM", "3级"),
        QT_TRANSLATE_NOOP("BLUETOOTH_FORM", "4级"),
        QT_TRANSLATE_NOOP("BLUETOOTH_FORM", "5级"),
        QT_TRANSLATE_NOOP("BLUETOOTH_FORM", "6级"),
        QT_TRANSLATE_NOOP("BLUETOOTH_FORM", "7级"),
        QT_TRANSLATE_NOOP("BLUETOOTH_FORM", "8级"),
    };
    return texts;
}

} // namespace Settings_Lists
