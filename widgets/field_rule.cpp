#include "widgets/field_rule.h"

#include <QHash>

namespace {

// The characters of `text`, a surrogate pair as one; a half pair stands
// alone and is no character.
QStringList Characters(const QString& text, bool* whole)
{
    QStringList characters;
    *whole = true;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            characters.append(text.mid(i, 2));
            ++i;
        } else {
            *whole = *whole && !text[i].isSurrogate();
            characters.append(text.mid(i, 1));
        }
    }
    return characters;
}

} // namespace

Field_Rule::Field_Rule(const QString& pattern, Storage storage, int maxBytes)
    : m_pattern(pattern.isEmpty() ? QString() : QRegularExpression::anchoredPattern(pattern))
    , m_storage(storage)
    , m_maxBytes(maxBytes)
{
}

int Field_Rule::Stored_Bytes(const QString& text) const
{
    return m_storage == Storage::Single_Byte ? int(text.size()) : int(text.toUtf8().size());
}

bool Field_Rule::Storable(const QString& character) const
{
    // A stored text ends at its first 00 byte; one byte holds 01-7E only.
    const char16_t c = character.at(0).unicode();
    return c != 0 && (m_storage == Storage::Utf8 || c <= 0x7E);
}

QValidator::State Field_Rule::Pattern_State(const QString& text) const
{
    if (m_pattern.pattern().isEmpty())
        return QValidator::Acceptable;
    const QRegularExpressionMatch match = m_pattern.match(text, 0, QRegularExpression::PartialPreferCompleteMatch);
    if (match.hasMatch())
        return QValidator::Acceptable;
    return text.isEmpty() || match.hasPartialMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

QValidator::State Field_Rule::State(const QString& text, const QString& held) const
{
    bool whole = true;
    const QStringList characters = Characters(text, &whole);
    if (!whole)
        return QValidator::Invalid;
    if (m_maxBytes > 0 && Stored_Bytes(text) > m_maxBytes)
        return QValidator::Invalid;

    // A character the storage or the pattern refuses even on its own counts
    // against the copies of it the field was loaded with; the rest must match.
    QString typed;
    QHash<QString, int> refused;
    for (const QString& c : characters) {
        if (Storable(c) && Pattern_State(c) != QValidator::Invalid)
            typed += c;
        else if (++refused[c] > held.count(c))
            return QValidator::Invalid;
    }
    if (typed.isEmpty() && !text.isEmpty())
        return QValidator::Acceptable; // nothing but loaded characters
    return Pattern_State(typed);
}

QString Field_Rule::Fit(const QString& text, int maxUnits) const
{
    QString fitted = text;
    while (!fitted.isEmpty()
           && ((maxUnits >= 0 && fitted.size() > maxUnits) || (m_maxBytes > 0 && Stored_Bytes(fitted) > m_maxBytes))) {
        const bool pair = fitted.size() >= 2 && fitted.back().isLowSurrogate() && fitted[fitted.size() - 2].isHighSurrogate();
        fitted.chop(pair ? 2 : 1);
    }
    return fitted;
}
