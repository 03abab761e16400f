#include "pages/signalling/two_tone_lists.h"

#include <QCoreApplication>

namespace Two_Tone_Lists {

namespace {

// "<whole>.<tenth>S" for every count of tenths from `from` to `to`.
QStringList Tenths_Of_Seconds(int from, int to)
{
    QStringList texts;
    for (int tenths = from; tenths <= to; ++tenths)
        texts << QStringLiteral("%1.%2S").arg(tenths / 10).arg(tenths % 10);
    return texts;
}

} // namespace

QStringList Tone_Times()
{
    return Tenths_Of_Seconds(5, 100);
}

QStringList Interval_Times()
{
    return Tenths_Of_Seconds(0, 20);
}

QStringList Auto_Reset_Times()
{
    // From, to, step, in seconds.
    const int ranges[][3] = {{0, 10, 1}, {12, 20, 2}, {25, 50, 5}, {60, 100, 10}, {120, 200, 20}, {225, 300, 25}};
    QStringList texts;
    for (const auto& range : ranges) {
        for (int seconds = range[0]; seconds <= range[1]; seconds += range[2])
            texts << QStringLiteral("%1S").arg(seconds);
    }
    return texts;
}

const QList<const char*>& Side_Tone()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("TWO_TONE_FORM", "关闭"),
        QT_TRANSLATE_NOOP("TWO_TONE_FORM", "打开"),
    };
    return texts;
}

const QList<const char*>& Decode_Response()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("TWO_TONE_FORM", "无"),
        QT_TRANSLATE_NOOP("TWO_TONE_FORM", "提示音"),
        QT_TRANSLATE_NOOP("TWO_TONE_FORM", "提示音并回复"),
    };
    return texts;
}

} // namespace Two_Tone_Lists
