#include "widgets/combo_key_guard.h"

#include "widgets/application_filter.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

void Combo_Key_Guard::Install()
{
    Install_Application_Filter<Combo_Key_Guard>();
}

bool Combo_Key_Guard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* combo = qobject_cast<QComboBox*>(watched);
    if (!combo)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers command
        = key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    if (!command)
        return false;

    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (command == Qt::AltModifier)
            combo->showPopup();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        // A list would search its items for the text; a line edit takes its
        // own commands (copy, paste, undo).
        return !combo->isEditable() && !key->text().isEmpty() && key->text().at(0).isPrint();
    }
}
