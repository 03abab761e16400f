#include "widgets/field_validator.h"

#include "widgets/customdoublevalidator.h"
#include "widgets/stored_form_keeper.h"

#include <QLineEdit>

Field_Validator::Field_Validator(const Field_Rule& rule, QObject* parent)
    : QValidator(parent)
    , m_rule(rule)
{
}

QValidator::State Field_Validator::validate(QString& input, int& /*pos*/) const
{
    return m_rule.State(input, m_held);
}

void Apply_Field_Rule(QLineEdit* edit, const Field_Rule& rule)
{
    edit->setValidator(new Field_Validator(rule, edit));
}

void Show_Stored_Text(QLineEdit* edit, const QString& text)
{
    auto* validator = qobject_cast<Field_Validator*>(const_cast<QValidator*>(edit->validator()));
    const QString shown = validator ? validator->Rule().Fit(text, edit->maxLength())
                                    : Field_Rule().Fit(text, edit->maxLength());
    // Held before it is set: the line edit judges the new text as it takes it.
    if (validator)
        validator->Hold(shown);
    else if (auto* number = qobject_cast<CustomDoubleValidator*>(const_cast<QValidator*>(edit->validator())))
        number->Hold(shown);
    edit->setText(shown);
}

void Show_Stored_Form_When_Left(QLineEdit* edit, std::function<QString(const QString&)> stored)
{
    new Stored_Form_Keeper(edit, std::move(stored));
}
