// Editing on the APRS page: the transmit-channel table's cell combo boxes,
// frequency editor and change handling, and the typed-input validators.

#include "pages/aprs/aprs_form.h"
#include "support/list_cell_keys.h"
#include "support/test_image.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

namespace {

const QStringList Empty_Row = {"", "", "", "", ""};

} // namespace

class Tst_Aprs_Table : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void typed_frequency_fills_the_row();
    void frequency_editor_refuses_letters();
    void clearing_the_frequency_empties_the_row();
    void double_click_on_an_empty_row_edits_its_frequency();
    void cell_combo_offers_the_column_list_data();
    void cell_combo_offers_the_column_list();
    void cell_combo_by_mouse();
    void list_cells_open_no_text_editor();
    void tone_rule_data();
    void tone_rule();
    void bytes_beyond_lists_kept_until_chosen();
    void leaving_the_cell_commits_once();
    void open_combo_dismissed_by_decode_and_retranslate();
    void current_row_highlight();
    void validators_data();
    void validators();

private:
    QTableWidget* Table() const { return m_page->findChild<QTableWidget*>(QStringLiteral("tableWidget")); }
    QStringList Row(int row) const;
    QComboBox* Open_Combo(int row, int column);
    void Choose(QComboBox* combo, const QString& text);
    // Row 0 438.5 MHz, high, wide, CTCSS 88.5; row 1 144.39 MHz, no tone;
    // the other rows empty.
    void Decode_Sample();

    std::unique_ptr<APRS_FORM> m_page;
};

void Tst_Aprs_Table::init()
{
    m_page = std::make_unique<APRS_FORM>(nullptr);
    m_page->resize(1400, 900);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void Tst_Aprs_Table::cleanup()
{
    m_page.reset();
}

QStringList Tst_Aprs_Table::Row(int row) const
{
    QStringList cells;
    for (int column = 0; column < 5; ++column)
        cells.append(Table()->item(row, column)->text());
    return cells;
}

QComboBox* Tst_Aprs_Table::Open_Combo(int row, int column)
{
    Table()->setCurrentCell(row, column);
    emit Table()->cellDoubleClicked(row, column);
    return qobject_cast<QComboBox*>(Table()->cellWidget(row, column));
}

void Tst_Aprs_Table::Choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Tst_Aprs_Table::list_cells_open_no_text_editor()
{
    Decode_Sample();
    // Keys and a typed character on each list cell; a new tone type brings its first value.
    Check_List_Cell_Keys(Table(), 0, 1, QStringLiteral("超"), QStringLiteral("超高功"));
    Check_List_Cell_Keys(Table(), 0, 2, QStringLiteral("宽"), QStringLiteral("宽带"));
    Check_List_Cell_Keys(Table(), 0, 4, QStringLiteral("9"), QStringLiteral("94.8")); // after 91.5
    Check_List_Cell_Keys(Table(), 0, 3, QStringLiteral("模"), QStringLiteral("模拟亚音"));
    QCOMPARE(Row(0), QStringList({"438.500000", "超高功", "宽带", "模拟亚音", "67.0"}));

    Table()->setCurrentCell(6, 3); // an empty row: the key goes to its frequency, as a double click does
    QTest::keyClick(Table(), Qt::Key_F2);
    QVERIFY(qobject_cast<QLineEdit*>(Table()->indexWidget(Table()->model()->index(6, 0))));
}

void Tst_Aprs_Table::Decode_Sample()
{
    QByteArray block(1024, 0);
    block.replace(0x28, 80, QByteArray(80, char(0xFF)));
    block.replace(0x28, 20, From_Hex("1A22FAA0FF0002010800" "089B3770FF0000000000"));
    auto image = Make_Image(0x15500, block);
    m_page->Set_Windows_Data_From_SP_Read(image.get());
}

void Tst_Aprs_Table::typed_frequency_fills_the_row()
{
    Decode_Sample();
    QTableWidget* table = Table();
    table->setCurrentCell(3, 0);
    table->editItem(table->item(3, 0));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("14a5.0068"));
    QCOMPARE(editor->text(), QStringLiteral("145.0068"));
    QTest::keyClick(editor, Qt::Key_Return); // commits from the event loop
    QTRY_COMPARE(Row(3), (QStringList{"145.006250", "高功", "宽带", "无", "无"}));

    // A new frequency in a used row keeps the row's other cells.
    table->item(0, 0)->setText(QStringLiteral("50"));
    QCOMPARE(Row(0), (QStringList{"136.000000", "高功", "宽带", "模拟亚音", "88.5"}));
    QCOMPARE(table->horizontalHeader()->sectionResizeMode(0), QHeaderView::ResizeToContents);
}

void Tst_Aprs_Table::frequency_editor_refuses_letters()
{
    QTableWidget* table = Table();
    table->setCurrentCell(4, 0);
    table->editItem(table->item(4, 0));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("sss"));
    QCOMPARE(editor->text(), QString());
    QTest::keyClick(editor, Qt::Key_Return); // commits from the event loop
    QTRY_COMPARE(Row(4), Empty_Row);
}

void Tst_Aprs_Table::clearing_the_frequency_empties_the_row()
{
    Decode_Sample();
    QTableWidget* table = Table();
    table->setCurrentCell(0, 0);
    table->editItem(table->item(0, 0));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Return); // commits from the event loop
    QTRY_COMPARE(Row(0), Empty_Row);

    // Now a double-click in the row offers no combo.
    emit table->cellDoubleClicked(0, 3);
    QVERIFY(!table->cellWidget(0, 3));
}

void Tst_Aprs_Table::double_click_on_an_empty_row_edits_its_frequency()
{
    QTableWidget* table = Table();
    table->setCurrentCell(5, 2);
    emit table->cellDoubleClicked(5, 2);
    QVERIFY(!table->cellWidget(5, 2));
    QCOMPARE(table->editTriggers(), QAbstractItemView::EditTriggers(QAbstractItemView::EditKeyPressed));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("438.5"));
    QTest::keyClick(editor, Qt::Key_Return); // commits from the event loop
    QTRY_COMPARE(Row(5), (QStringList{"438.500000", "高功", "宽带", "无", "无"}));
}

void Tst_Aprs_Table::cell_combo_offers_the_column_list_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("toneType");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("first");
    QTest::newRow("power") << 1 << "无" << 4 << "低功";
    QTest::newRow("bandwidth") << 2 << "无" << 2 << "宽带";
    QTest::newRow("tone type") << 3 << "无" << 3 << "无";
    QTest::newRow("no tone value") << 4 << "无" << 1 << "无";
    QTest::newRow("ctcss") << 4 << "模拟亚音" << 50 << "67.0";
    QTest::newRow("dcs") << 4 << "数字亚音" << 104 << "023";
}

void Tst_Aprs_Table::cell_combo_offers_the_column_list()
{
    QFETCH(int, column);
    QFETCH(QString, toneType);
    QFETCH(int, items);
    QFETCH(QString, first);
    Decode_Sample();
    Table()->item(1, 3)->setText(toneType);
    QComboBox* combo = Open_Combo(1, column);
    QVERIFY(combo);
    QCOMPARE(combo->count(), items);
    QCOMPARE(combo->itemText(0), first);
    QCOMPARE(combo->currentText(), Table()->item(1, column)->text());
    QVERIFY(!combo->hasFrame());
}

void Tst_Aprs_Table::cell_combo_by_mouse()
{
    Decode_Sample();
    QTableWidget* table = Table();
    const QRect cell = table->visualItemRect(table->item(0, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    auto* combo = qobject_cast<QComboBox*>(table->cellWidget(0, 1));
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), QStringLiteral("高功"));
    QVERIFY(!table->findChild<QLineEdit*>()); // no text editor over the combo

    Choose(combo, QStringLiteral("超高功"));
    QVERIFY(!table->cellWidget(0, 1));
    QCOMPARE(Row(0), (QStringList{"438.500000", "超高功", "宽带", "模拟亚音", "88.5"}));
    QCOMPARE(table->item(0, 1)->background().color(), QColor(223, 223, 223));
    QCOMPARE(table->item(0, 1)->textAlignment(), int(Qt::AlignCenter));
}

void Tst_Aprs_Table::tone_rule_data()
{
    QTest::addColumn<QString>("valueBefore");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("valueAfter");
    QTest::newRow("ctcss from none") << "无" << "模拟亚音" << "67.0";
    QTest::newRow("dcs from none") << "无" << "数字亚音" << "023";
    QTest::newRow("none") << "88.5" << "无" << "无";
    QTest::newRow("ctcss kept") << "88.5" << "模拟亚音" << "88.5";
    QTest::newRow("dcs replaces ctcss") << "88.5" << "数字亚音" << "023";
    QTest::newRow("dcs kept") << "754" << "数字亚音" << "754";
}

void Tst_Aprs_Table::tone_rule()
{
    QFETCH(QString, valueBefore);
    QFETCH(QString, chosen);
    QFETCH(QString, valueAfter);
    Decode_Sample();
    Table()->item(1, 4)->setText(valueBefore); // column 4 alone: no rule runs
    QCOMPARE(Table()->item(1, 4)->text(), valueBefore);
    QComboBox* combo = Open_Combo(1, 3);
    QVERIFY(combo);
    Choose(combo, chosen);
    QCOMPARE(Table()->item(1, 3)->text(), chosen);
    QCOMPARE(Table()->item(1, 4)->text(), valueAfter);

    // A text outside the list leaves the value alone.
    Table()->item(1, 3)->setText(QStringLiteral("?"));
    QCOMPARE(Table()->item(1, 4)->text(), valueAfter);
}

void Tst_Aprs_Table::bytes_beyond_lists_kept_until_chosen()
{
    QByteArray block(1024, char(0xFF));
    block.replace(0x28, 10, From_Hex("1A22FAA0FF0907051234")); // W/N, power and tone type beyond their lists
    auto image = Make_Image(0x15500, block);
    m_page->Set_Windows_Data_From_SP_Read(image.get());
    QCOMPARE(Row(0), (QStringList{"438.500000", "", "", "", ""}));
    QVERIFY(Open_Combo(0, 1));
    Table()->setCurrentCell(3, 0); // left without a choice
    m_page->Get_Windows_Data_To_SP_Write(image.get());
    QCOMPARE(image->Read_String_From_Ram_File(0x15528, 10), QStringLiteral("1A22FAA0FF0907051234"));

    Choose(Open_Combo(0, 1), QStringLiteral("低功"));
    Choose(Open_Combo(0, 3), QStringLiteral("模拟亚音"));
    m_page->Get_Windows_Data_To_SP_Write(image.get());
    QCOMPARE(image->Read_String_From_Ram_File(0x15528, 10), QStringLiteral("1A22FAA0FF0900010000"));
}

void Tst_Aprs_Table::leaving_the_cell_commits_once()
{
    Decode_Sample();
    QComboBox* combo = Open_Combo(0, 2);
    QVERIFY(combo);
    combo->setCurrentIndex(1); // chosen, not activated
    Table()->setCurrentCell(1, 0);
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("窄带"));
    QVERIFY(!Table()->cellWidget(0, 2));

    Table()->item(0, 2)->setText(QStringLiteral("宽带"));
    Table()->setCurrentCell(2, 0);
    QCOMPARE(Table()->item(0, 2)->text(), QStringLiteral("宽带"));

    // A combo whose cell text is not among its entries commits an empty text.
    Table()->item(0, 1)->setText(QStringLiteral("?"));
    QComboBox* unknown = Open_Combo(0, 1);
    QVERIFY(unknown);
    QCOMPARE(unknown->currentIndex(), -1);
    Table()->setCurrentCell(3, 3);
    QCOMPARE(Table()->item(0, 1)->text(), QString());
}

void Tst_Aprs_Table::open_combo_dismissed_by_decode_and_retranslate()
{
    Decode_Sample();
    QPointer<QComboBox> combo = Open_Combo(0, 1);
    QVERIFY(combo);
    combo->setCurrentIndex(0);
    Decode_Sample();
    QVERIFY(!Table()->cellWidget(0, 1));
    QTRY_VERIFY(!combo);
    Table()->setCurrentCell(4, 4);
    QCOMPARE(Table()->item(0, 1)->text(), QStringLiteral("高功"));

    QPointer<QComboBox> again = Open_Combo(0, 3);
    QVERIFY(again);
    again->setCurrentIndex(2);
    m_page->RetranslatePage();
    QVERIFY(!Table()->cellWidget(0, 3));
    QTRY_VERIFY(!again);
    Table()->setCurrentCell(5, 4);
    QCOMPARE(Row(0), (QStringList{"438.500000", "高功", "宽带", "模拟亚音", "88.5"})); // kept, the choice not taken
}

void Tst_Aprs_Table::current_row_highlight()
{
    Decode_Sample();
    QTableWidget* table = Table();
    table->setCurrentCell(0, 0);
    table->setCurrentCell(1, 2);
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(table->item(1, column)->background().color(), QColor(223, 223, 223));
        QCOMPARE(table->item(0, column)->background().color(), QColor(255, 255, 255));
    }
    table->item(1, 0)->setBackground(QBrush(Qt::red));
    table->setCurrentCell(1, 4); // same row: no repaint
    QCOMPARE(table->item(1, 0)->background().color(), QColor(Qt::red));
}

void Tst_Aprs_Table::validators_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("callsign: capitals and digits") << "lineEdit_1" << "bg7Xyz-12345" << "7X1234";
    QTest::newRow("callsign: at most 6") << "lineEdit_3" << "ABCDEFGH" << "ABCDEF";
    QTest::newRow("path") << "lineEdit_23" << "wide1-1,WIDE2-2 x" << "1-1,WIDE2-2";
    QTest::newRow("latitude above 90") << "lineEdit_5" << "91" << "9";
    QTest::newRow("latitude decimals") << "lineEdit_5" << "12.12345678" << "12.123456";
    QTest::newRow("longitude") << "lineEdit_4" << "181.5" << "18.5";
    QTest::newRow("longitude decimals") << "lineEdit_4" << "179.1234567" << "179.123456";
    QTest::newRow("altitude decimals") << "lineEdit_6" << "99999.99" << "99999.9";
    QTest::newRow("altitude above top") << "lineEdit_6" << "123456" << "12345";
    QTest::newRow("altitude letters") << "lineEdit_6" << "1e5" << "15";
}

void Tst_Aprs_Table::validators()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto* lineEdit = m_page->findChild<QLineEdit*>(edit);
    QVERIFY(lineEdit);
    lineEdit->clear();
    lineEdit->setFocus();
    QTest::keyClicks(lineEdit, typed);
    QCOMPARE(lineEdit->text(), shown);
}

QTEST_MAIN(Tst_Aprs_Table)
#include "tst_aprs_table.moc"
