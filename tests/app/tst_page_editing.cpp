// Editing the pages as a user does, over texts no key could have put there.

#include "app/mainwindow.h"
#include "image/data_file_read_write.h"
#include "support/test_image.h"
#include "support/test_workdir.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// DTMF own ID with a letter, code with E and F; 5-tone own ID with F, name with a blank; 2-tone name
// with a colon; APRS callsign and path in lower case, comment of 63 bytes; FM name beyond 16 bits.
const QVector<QPair<int, QString>> Planted = {
    {0x16000, "31 32 41 00 00 00 00 00"}, {0x16028, "31 45 46 00"}, {0x17000, "31 46 00"}, {0x17119, "41 20 42 00"},
    {0x1680A, "10 27 00 00 41 3A 42 00"}, {0x15500, "C3 A4 62 7A 31 FF"}, {0x155FF, "01 61 62 00 00 00 00 05"},
    {0x15700, QString("E4 B8 AD ").repeated(21) + "00"}, {0x13E80, "05 63 65 00 F0 9F 98 80 41 42 00"}, {0x15180, "FF"}};

const QStringList Typed = {"0", "7", "A", "b", "e", "F", "z", "*", "#", " ", ":", "\\", "-", ",", ".", "ü", "ß", "中", "😀"};

// Any warning fails the test, but the test platform's note that it ignores size hints.
QStringList g_warnings;
QtMessageHandler g_testHandler = nullptr;
void Record_Warning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if ((type == QtWarningMsg || type == QtCriticalMsg) && !message.contains("support propagateSizeHints()"))
        g_warnings << message;
    g_testHandler(type, context, message);
}

bool In_Table(const QObject* w) { return w && w->parent() && qobject_cast<QAbstractItemView*>(w->parent()->parent()); }

// What the pages show of what they store (the 5-tone reference panel stores nothing), and where.
QStringList Shown(const MainWindow& window, QWidgetList* fields = nullptr)
{
    const QWidget* panel = window.Page_At(MainWindow::Slot_Five_Tone)->findChild<QComboBox*>("comboBox_13");
    QStringList shown;
    for (QWidget* widget : window.findChild<QStackedWidget*>()->findChildren<QWidget*>()) {
        const char* value = qobject_cast<QLineEdit*>(widget) ? "text" : qobject_cast<QComboBox*>(widget) ? "currentText"
                          : qobject_cast<QCheckBox*>(widget) ? "checked" : nullptr;
        const auto* table = qobject_cast<QTableWidget*>(widget);
        if (!(value || table) || In_Table(widget) || widget->property("readOnly").toBool() || widget == panel)
            continue;
        QString text = value ? widget->property(value).toString() : QString();
        for (int cell = 0; table && cell < table->rowCount() * table->columnCount(); ++cell)
            text += table->item(cell / table->columnCount(), cell % table->columnCount())->text() + '|';
        shown << widget->objectName() + ' ' + text;
        if (fields)
            *fields << widget;
    }
    return shown;
}

// Moves, deletions and characters; a surrogate pair comes as an input method commits it.
void Type_Into(QWidget* edit, QRandomGenerator& random)
{
    for (int i = random.bounded(4); i > 0; --i)
        QTest::keyClick(edit, Qt::Key(random.bounded(2) ? Qt::Key_Home + random.bounded(3) // Home, End, Left
                                                        : Qt::Key_Backspace + 4 * random.bounded(2))); // or Delete
    for (int i = random.bounded(6); i > 0; --i) {
        const QString text = Typed[random.bounded(Typed.size())];
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(edit, text.size() > 1 ? static_cast<QEvent*>(&commit) : &key);
    }
    QTest::keyClick(edit, random.bounded(2) ? Qt::Key_Return : Qt::Key_Home);
}

void Random_Edit(MainWindow& window, QRandomGenerator& random)
{
    // By kind, so that the few tables and the fields holding text get their share.
    QWidgetList fields;
    Shown(window, &fields);
    QMap<QString, QWidgetList> kinds;
    for (QWidget* field : fields)
        kinds[field->metaObject()->className() + QString::number(!field->property("text").toString().isEmpty())] << field;
    const QWidgetList kind = kinds.values().at(random.bounded(kinds.size()));
    QWidget* target = kind.at(random.bounded(kind.size()));
    for (QWidget* page = target; page->parentWidget(); page = page->parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget()))
            stack->setCurrentWidget(page);
    target->setFocus();
    if (!target->isVisible()) { // a row the page keeps hidden
    } else if (qobject_cast<QComboBox*>(target) || qobject_cast<QCheckBox*>(target)) {
        QTest::keyClick(target, qobject_cast<QCheckBox*>(target) ? Qt::Key_Space : Qt::Key(Qt::Key_Up + 2 * random.bounded(2)));
    } else if (auto* table = qobject_cast<QTableWidget*>(target)) {
        QTableWidgetItem* item = table->item(random.bounded(table->rowCount()), random.bounded(table->columnCount()));
        table->scrollToItem(item);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(item).center());
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, Typed[random.bounded(Typed.size())]);
        if (random.bounded(4) == 0) // a character typed on the cell: its editor, or its list's next entry
            QApplication::sendEvent(table, &typed);
        else
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(item).center());
        if (QWidget* combo = table->cellWidget(item->row(), item->column()))
            QTest::keyClick(combo, Qt::Key_Down);
        else if (QWidget* editor = QApplication::focusWidget(); In_Table(editor))
            Type_Into(editor, random);
        if (random.bounded(2)) // or the next step comes first, as keys and clicks queued together do
            QApplication::processEvents();
    } else {
        Type_Into(target, random);
    }
}

} // namespace

class Tst_Page_Editing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { g_testHandler = qInstallMessageHandler(Record_Warning); }
    void init();
    void cleanup() { m_window.reset(); QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join('\n'))); }
    void saved_pages_open_as_they_were_shown(); // and saving again writes the same file
    void wheel_scrolls_the_page_not_its_combo_boxes();
private:
    std::unique_ptr<Test_Workdir> m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void Tst_Page_Editing::init()
{
    g_warnings.clear();
    m_dir.reset(); // each folder gives back the one it found
    m_dir = std::make_unique<Test_Workdir>();
    m_window = std::make_unique<MainWindow>();
    for (int slot = 0; slot < MainWindow::Slot_Count; ++slot)
        m_window->Page_At(MainWindow::Page_Slot(slot)); // every page built, to be edited
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void Tst_Page_Editing::saved_pages_open_as_they_were_shown()
{
    for (const auto& planted : Planted) {
        QString hex = To_Hex(From_Hex(planted.second));
        QVERIFY(m_window->Image()->Write_String_To_Ram_File(planted.first, hex));
    }
    const QString start = m_dir->File("Data Files/planted.PF"), saved = m_dir->File("Data Files/saved.PF");
    QVERIFY(m_window->Image()->Write_All_Ram_Data_to_File(start));
    for (quint32 seed = 1; seed <= 12; ++seed) {
        qInfo() << "seed" << seed;
        QRandomGenerator random(seed);
        QVERIFY(m_window->Open_File(start));
        for (int step = 0; step < 40; ++step)
            Random_Edit(*m_window, random);
        QWidget* tree = m_window->findChild<QTreeWidget*>();
        const bool left = random.bounded(2); // the last field is left, or saved while still edited
        if (left)
            tree->setFocus();
        const QStringList before = Shown(*m_window);
        QVERIFY(m_window->Save_File_To(saved));
        tree->setFocus();
        const QStringList shown = Shown(*m_window);
        QVERIFY(!left || shown == before);
        QVERIFY(m_window->Open_File(saved));
        QCOMPARE(Shown(*m_window), shown);
        const QString first = Read_Text_File(saved);
        QVERIFY(m_window->Save_File_To(saved));
        QCOMPARE(Read_Text_File(saved), first);
    }
}

void Tst_Page_Editing::wheel_scrolls_the_page_not_its_combo_boxes()
{
    m_window->resize(900, 500); // every page scrolls
    for (auto slot : {MainWindow::Slot_Five_Tone, MainWindow::Slot_Aprs, MainWindow::Slot_Dtmf}) {
        m_window->findChild<QStackedWidget*>()->setCurrentWidget(m_window->Page_At(slot));
        auto* area = m_window->Page_At(slot)->findChild<QScrollArea*>();
        QComboBox* combo = area->widget()->findChildren<QComboBox*>().value(3);
        const int index = combo->currentIndex();
        QWheelEvent down({5, 5}, combo->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &down);
        QVERIFY(combo->currentIndex() == index && area->verticalScrollBar()->value() > 0);
        combo->setFocus(); // only now the wheel is the combo box's
        QTRY_VERIFY(combo->hasFocus());
        QApplication::sendEvent(combo, &down);
        QVERIFY(combo->currentIndex() != index);
    }
}

QTEST_MAIN(Tst_Page_Editing)
#include "tst_page_editing.moc"
