#include "widgets/customdoublevalidator.h"

#include <QDebug>
#include <QRegularExpression>

#include <cmath>

namespace {

// A plain decimal number: optional sign, digits with at most one point, at
// least one digit. No blanks, exponents, "nan" or "inf".
bool Read_Plain_Number(const QString& text, double* value)
{
    static const QRegularExpression plain(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!plain.match(text).hasMatch())
        return false;
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

// Whether deleting characters from `from` can leave `text`.
bool Left_By_Deleting(const QString& text, const QString& from)
{
    qsizetype at = 0;
    for (QChar c : from) {
        if (at < text.size() && text[at] == c)
            ++at;
    }
    return at == text.size();
}

} // namespace

CustomDoubleValidator::CustomDoubleValidator(QObject* parent)
    : QDoubleValidator(parent)
{
}

QValidator::State CustomDoubleValidator::validate(QString& input, int& /*pos*/) const
{
    const State state = Rule_State(input);
    if (state == Invalid && Refuses(m_held) && Left_By_Deleting(input, m_held))
        return Intermediate;
    return state;
}

bool CustomDoubleValidator::Refuses(const QString& text) const
{
    return Rule_State(text) == Invalid;
}

QValidator::State CustomDoubleValidator::Rule_State(const QString& input) const
{
    if (input.isEmpty() || input == QLatin1String("0") || input == QLatin1String("0.")
        || input == QLatin1String("0.0"))
        return Intermediate;
    // A number being typed: "." before its decimals, "-" or "-." where the
    // range reaches below 0.
    if (input == QLatin1String(".")
        || (bottom() < 0 && (input == QLatin1String("-") || input == QLatin1String("-."))))
        return Intermediate;
    const int dot = int(input.indexOf(QLatin1Char('.')));
    if (dot >= 0 && input.size() - dot - 1 > decimals())
        return Invalid;
    double value = 0;
    if (!Read_Plain_Number(input, &value))
        return Invalid;
    if (value > top() || value < bottom())
        return Invalid;
    return Acceptable;
}

void CustomDoubleValidator::fixup(QString& input) const
{
    qDebug() << "fixup============input==============" << input;
    double value = 0;
    if (Read_Plain_Number(input, &value) && value < bottom())
        input = QStringLiteral("%1").arg(bottom(), 0, 'g');
}
