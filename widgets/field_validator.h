#pragma once

#include "widgets/field_rule.h"

#include <QValidator>
#include <functional>

class QLineEdit;

// The validator of one text field: refuses every keystroke that would make
// the field show a text it cannot store as shown (see Field_Rule). It knows
// the text the field was last loaded with, so a stored text that the rule
// refuses stays editable without letting anything else in.
class Field_Validator : public QValidator
{
    Q_OBJECT
public:
    Field_Validator(const Field_Rule& rule, QObject* parent);

    State validate(QString& input, int& pos) const override;

    const Field_Rule& Rule() const { return m_rule; }
    // The text the field is being loaded with.
    void Hold(const QString& text) { m_held = text; }

private:
    Field_Rule m_rule;
    QString m_held;
};

// Gives `edit` a validator of its own for `rule`.
void Apply_Field_Rule(QLineEdit* edit, const Field_Rule& rule);

// Shows a stored text in `edit`: as much of it as the field can hold (its
// maximum length and its rule's budget, whole characters only), which its
// validator (a field rule's or a number's) then holds as loaded. Every
// decoder fills text fields this way.
void Show_Stored_Text(QLineEdit* edit, const QString& text);

// Whenever editing of `edit` finishes, or it loses the focus, it shows
// `stored(text)`: the text its codec gives back once the shown text is stored.
// A number its own rule refuses (what deleting left of a loaded value beyond
// the range) is not stored: the field shows again what it showed before.
void Show_Stored_Form_When_Left(QLineEdit* edit, std::function<QString(const QString&)> stored);
