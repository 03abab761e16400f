#pragma once

#include <QDoubleValidator>

// A double validator for typed coordinates: the empty text and "0", "0.",
// "0.0", a lone "." and (where the range allows a sign) "-" and "-." are
// Intermediate; more decimals than allowed, a value outside the range or a
// text that is no finite number are Invalid.
// A field loaded with a text this rule refuses (a stored value beyond the
// range) keeps it: what deleting from that text leaves is Intermediate, so
// its characters may be deleted and the whole text replaced, but no keystroke
// adds to it.
class CustomDoubleValidator : public QDoubleValidator
{
    Q_OBJECT
public:
    explicit CustomDoubleValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    // The text the field is being loaded with, and the one it was loaded with last.
    void Hold(const QString& text) { m_held = text; }
    const QString& Held() const { return m_held; }
    // Whether the rule itself refuses `text`, whatever the field was loaded with.
    bool Refuses(const QString& text) const;

private:
    State Rule_State(const QString& text) const;

    QString m_held;
};
