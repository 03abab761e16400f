#include "widgets/wheel_guard.h"

#include "widgets/application_filter.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>

namespace {

// Widgets whose value the wheel changes; a scroll bar scrolls, which is fine.
bool Wheel_Changes_Value(QObject* object)
{
    return qobject_cast<QComboBox*>(object) || qobject_cast<QAbstractSpinBox*>(object)
        || (qobject_cast<QAbstractSlider*>(object) && !qobject_cast<QScrollBar*>(object));
}

} // namespace

void Wheel_Guard::Install()
{
    Install_Application_Filter<Wheel_Guard>();
}

bool Wheel_Guard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Polish && event->type() != QEvent::Wheel)
        return false;
    if (!Wheel_Changes_Value(watched))
        return false;
    auto* widget = static_cast<QWidget*>(watched);

    if (event->type() == QEvent::Polish) {
        // The wheel alone must not hand such a widget the focus.
        if (widget->focusPolicy() == Qt::WheelFocus)
            widget->setFocusPolicy(Qt::StrongFocus);
        return false;
    }
    if (widget->hasFocus())
        return false;
    for (QWidget* outer = widget->parentWidget(); outer; outer = outer->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(outer)) {
            QCoreApplication::sendEvent(area->viewport(), event);
            return true;
        }
    }
    event->ignore(); // nothing to scroll here: the widgets around may take it
    return true;
}
