#include "support/list_cell_keys.h"

#include <QtTest>
#include <QtWidgets>

void Check_List_Cell_Keys(QTableWidget* table, int row, int column, const QString& typed, const QString& picked)
{
    const auto text = [=] { return table->item(row, column)->text(); };
    const QString entry = text();
    const auto open = [=](Qt::Key key, Qt::KeyboardModifiers modifiers) { // the list open on the cell's entry
        QApplication::setActiveWindow(table->window()); // the test platform activates each list's window
        table->setFocus();
        table->setCurrentCell(row, column);
        QTest::keyClick(table, key, modifiers);
        auto* combo = qobject_cast<QComboBox*>(table->cellWidget(row, column));
        return combo && combo->view()->isVisible() && combo->currentText() == text() ? combo : nullptr;
    };
    const auto closed_on = [=](const QString& shown) { // no combo box, the table focused
        QCoreApplication::processEvents();
        return !table->cellWidget(row, column) && table->window()->focusWidget() == table && text() == shown;
    };
    for (auto [key, modifiers] : {std::pair{Qt::Key_F2, Qt::NoModifier}, {Qt::Key_Return, Qt::NoModifier},
                                  {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, Qt::NoModifier},
                                  {Qt::Key_Down, Qt::AltModifier}}) {
        QVERIFY2(open(key, modifiers), qPrintable(QString::number(key)));
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Escape); // to the open list
        QVERIFY(closed_on(entry));
    }
    QComboBox* combo = open(Qt::Key_Return, Qt::NoModifier);
    QVERIFY(combo);
    const QString next = combo->itemText(qMin(combo->currentIndex() + 1, combo->count() - 1));
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Down);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
    QVERIFY(closed_on(next));
    for (Qt::KeyboardModifier held : {Qt::AltModifier, Qt::ControlModifier, Qt::NoModifier}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, held, typed);
        QApplication::sendEvent(table, &key);
    }
    QVERIFY(closed_on(picked)); // no text editor, no list
}
