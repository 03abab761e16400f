#include "pages/signalling/dtmf_lists.h"

#include <QCoreApplication>

namespace Dtmf_Lists {

namespace {

// Appends "<from><unit>" to "<to><unit>" in steps of `step`.
void Append_Steps(QStringList& list, int from, int to, int step, const char* unit)
{
    for (int value = from; value <= to; value += step)
        list.append(QString::number(value) + QLatin1String(unit));
}

} // namespace

QStringList Auto_Reset_Times()
{
    QStringList texts;
    Append_Steps(texts, 0, 10, 1, "S");
    Append_Steps(texts, 12, 20, 2, "S");
    Append_Steps(texts, 25, 50, 5, "S");
    Append_Steps(texts, 60, 100, 10, "S");
    Append_Steps(texts, 120, 200, 20, "S");
    Append_Steps(texts, 225, 300, 25, "S");
    return texts;
}

QStringList Send_Times()
{
    return {QStringLiteral("50ms"), QStringLiteral("75ms"), QStringLiteral("100ms"),
            QStringLiteral("200ms"), QStringLiteral("300ms"), QStringLiteral("500ms")};
}

QStringList First_Digit_Times()
{
    QStringList texts;
    Append_Steps(texts, 0, 2500, 50, "ms");
    return texts;
}

QStringList Carrier_Times()
{
    QStringList texts;
    Append_Steps(texts, 10, 100, 10, "ms");
    Append_Steps(texts, 120, 200, 20, "ms");
    Append_Steps(texts, 225, 300, 25, "ms");
    Append_Steps(texts, 350, 500, 50, "ms");
    Append_Steps(texts, 600, 2500, 100, "ms");
    return texts;
}

QStringList D_Code_Pauses()
{
    QStringList texts{QStringLiteral("关闭")};
    Append_Steps(texts, 1, 15, 1, "S");
    return texts;
}

QStringList Ptt_Id_Pauses()
{
    QStringList texts;
    Append_Steps(texts, 0, 10, 1, "S");
    Append_Steps(texts, 12, 20, 2, "S");
    Append_Steps(texts, 25, 100, 5, "S");
    return texts;
}

const QList<const char*>& Side_Tone()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("DTMF_FORM", "关闭"),
        QT_TRANSLATE_NOOP("DTMF_FORM", "打开"),
    };
    return texts;
}

const QList<const char*>& Dialer_Type()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("DTMF_FORM", "手动"),
        QT_TRANSLATE_NOOP("DTMF_FORM", "自动"),
    };
    return texts;
}

const QList<const char*>& Ptt_Id_Type()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("DTMF_FORM", "关闭"),
        QT_TRANSLATE_NOOP("DTMF_FORM", "发射开始"),
        QT_TRANSLATE_NOOP("DTMF_FORM", "发射结束"),
        QT_TRANSLATE_NOOP("DTMF_FORM", "开始结束"),
    };
    return texts;
}

const QList<const char*>& Ani_Display()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("DTMF_FORM", "关闭"),
        QT_TRANSLATE_NOOP("DTMF_FORM", "匹配ID"),
        QT_TRANSLATE_NOOP("DTMF_FORM", "任意ID"),
    };
    return texts;
}

const QList<const char*>& Decode_Response()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("DTMF_FORM", "无"),
        QT_TRANSLATE_NOOP("DTMF_FORM", "提示音"),
        QT_TRANSLATE_NOOP("DTMF_FORM", "提示音并回复"),
    };
    return texts;
}

} // namespace Dtmf_Lists
