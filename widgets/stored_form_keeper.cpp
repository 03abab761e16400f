#include "widgets/stored_form_keeper.h"

#include "widgets/customdoublevalidator.h"
#include "widgets/field_validator.h"

#include <QFocusEvent>
#include <QLineEdit>

Stored_Form_Keeper::Stored_Form_Keeper(QLineEdit* edit, std::function<QString(const QString&)> stored)
    : QObject(edit)
    , m_edit(edit)
    , m_stored(std::move(stored))
{
    connect(edit, &QLineEdit::editingFinished, this, &Stored_Form_Keeper::Keep);
    // A text its validator calls intermediate finishes no edit, yet it is
    // stored all the same once the user has left the field.
    edit->installEventFilter(this);
}

bool Stored_Form_Keeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        Keep();
    return false;
}

void Stored_Form_Keeper::Keep()
{
    if (!m_edit->isModified())
        return; // a text the user has not touched is as it was loaded
    // A number its rule refuses is left of a loaded one the rule refuses too:
    // the field goes back to the text it showed before the edit.
    const auto* number = qobject_cast<const CustomDoubleValidator*>(m_edit->validator());
    const QString stored = number && number->Refuses(m_edit->text()) ? number->Held() : m_stored(m_edit->text());
    if (stored != m_edit->text())
        Show_Stored_Text(m_edit, stored);
}
