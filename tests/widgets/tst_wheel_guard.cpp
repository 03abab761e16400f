// The wheel over a widget whose value it would change: unless the widget has
// the focus, the value and the focus stay and the scroll area around scrolls
// instead (outside a scroll area nothing changes); with the focus, the wheel
// changes the value. A scroll bar scrolls as ever.

#include "widgets/wheel_guard.h"

#include <QtTest>
#include <QtWidgets>

namespace {

int Value(QWidget* widget)
{
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentIndex();
    if (auto* spin = qobject_cast<QSpinBox*>(widget))
        return spin->value();
    return qobject_cast<QAbstractSlider*>(widget)->value();
}

void Wheel_Down(QWidget* widget)
{
    QWheelEvent wheel({5, 5}, widget->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

} // namespace

class Tst_Wheel_Guard : public QObject
{
    Q_OBJECT
private slots:
    void wheel_changes_only_a_focused_value()
    {
        Wheel_Guard::Install();
        QWidget window;
        auto* typed = new QLineEdit; // holds the focus at first
        auto* outside = new QComboBox;
        auto* area = new QScrollArea;
        auto* content = new QWidget;
        auto* combo = new QComboBox;
        auto* spin = new QSpinBox;
        auto* slider = new QSlider(Qt::Horizontal);
        for (QComboBox* box : {outside, combo}) {
            box->addItems({"a", "b", "c"});
            box->setCurrentIndex(1);
        }
        spin->setValue(50);
        slider->setValue(50);
        auto* column = new QVBoxLayout(content);
        for (QWidget* widget : QList<QWidget*> {combo, spin, slider})
            column->addWidget(widget);
        column->addSpacing(1000);
        area->setWidget(content);
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* widget : QList<QWidget*> {typed, outside, area})
            layout->addWidget(widget);
        window.resize(200, 200);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        typed->setFocus();

        for (QWidget* widget : QList<QWidget*> {outside, combo, spin, slider}) {
            area->verticalScrollBar()->setValue(0);
            const int before = Value(widget);
            Wheel_Down(widget);
            QCOMPARE(Value(widget), before);
            QVERIFY(!widget->hasFocus());
            QCOMPARE(area->verticalScrollBar()->value() > 0, widget != outside); // the area around, if any, scrolls
            widget->setFocus();
            QVERIFY(widget->hasFocus());
            Wheel_Down(widget);
            QVERIFY(Value(widget) != before);
        }
        const int scrolled = area->verticalScrollBar()->value();
        Wheel_Down(area->verticalScrollBar());
        QVERIFY(area->verticalScrollBar()->value() > scrolled);
    }
};

QTEST_MAIN(Tst_Wheel_Guard)
#include "tst_wheel_guard.moc"
