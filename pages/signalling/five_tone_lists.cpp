#include "pages/signalling/five_tone_lists.h"

#include <QCoreApplication>

#include <initializer_list>

namespace {

struct Run
{
    int From;
    int To;
    int Step;
};

// Each run's values from `From` to `To` inclusive, followed by `unit`.
QStringList Numbers(std::initializer_list<Run> runs, const char* unit)
{
    QStringList list;
    for (const Run& run : runs) {
        for (int value = run.From; value <= run.To; value += run.Step)
            list.append(QString::number(value) + QLatin1String(unit));
    }
    return list;
}

} // namespace

QStringList Five_Tone_Delay_Times()
{
    return Numbers({{10, 100, 10}, {120, 200, 20}, {225, 300, 25}, {350, 500, 50}, {600, 2500, 100}}, "ms");
}

QStringList Five_Tone_Pause_Code_Times()
{
    return QStringList{QStringLiteral("0ms")} + Five_Tone_Delay_Times();
}

QStringList Five_Tone_Ptt_Id_Pauses()
{
    return Numbers({{0, 10, 1}, {12, 20, 2}, {25, 100, 5}}, "S");
}

QStringList Five_Tone_Auto_Reset_Times()
{
    return Numbers({{0, 10, 1}, {12, 20, 2}, {25, 50, 5}, {60, 100, 10}, {120, 200, 20}, {225, 300, 25}}, "S");
}

const QList<const char*>& Five_Tone_Ptt_Id_Types()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "关闭"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "发射开始"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "发射结束"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "开始结束"),
    };
    return texts;
}

const QList<const char*>& Five_Tone_Side_Tone()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "关闭"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "打开"),
    };
    return texts;
}

const QList<const char*>& Five_Tone_Ani_Display()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "关闭"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "匹配ID"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "任意ID"),
    };
    return texts;
}

const QList<const char*>& Five_Tone_Decode_Response()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "无"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "提示音"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "提示音并回复"),
    };
    return texts;
}

const QList<const char*>& Five_Tone_Info_Code_Functions()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "信息码选呼"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "信息码组呼"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "信息码全呼"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "遥晕"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "遥毙"),
        QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "激活"),
    };
    return texts;
}
