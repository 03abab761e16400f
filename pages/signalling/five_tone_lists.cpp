#include "pages/signalling/five_tone_lists.h"

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
