#pragma once

#include <QRegularExpression>
#include <QString>
#include <QValidator>

// What a text field may hold so that the text it shows is exactly the text it
// stores, and the text the next load shows:
// - the text a user may type, as a pattern over the whole text (the way a
//   regular-expression validator takes it); without one, any text;
// - how each character is stored: one byte (0x01-0x7E only) or UTF-8 (no
//   U+0000: a stored text ends at its first 00 byte);
// - a budget of stored bytes (0: none beyond the field's length);
// - whole characters only: never half of a surrogate pair.
// A field loaded with characters its pattern or its storage refuses (a 00
// byte read inside a text) keeps them: they may stay or be deleted, but no
// keystroke adds one more of them.
class Field_Rule
{
public:
    enum class Storage { Single_Byte, Utf8 };

    Field_Rule() = default; // any text in UTF-8, no budget
    explicit Field_Rule(const QString& pattern, Storage storage = Storage::Utf8, int maxBytes = 0);

    // How `text` stands in a field that was loaded with `held`.
    QValidator::State State(const QString& text, const QString& held = QString()) const;

    // The longest start of `text` the field can show: at most `maxUnits`
    // UTF-16 units (a line edit's maximum length) and within the byte budget,
    // never ending in half a character.
    QString Fit(const QString& text, int maxUnits) const;

    int Stored_Bytes(const QString& text) const;

private:
    QValidator::State Pattern_State(const QString& text) const;
    bool Storable(const QString& character) const;

    QRegularExpression m_pattern; // anchored; no pattern: any text
    Storage m_storage = Storage::Utf8;
    int m_maxBytes = 0;
};
