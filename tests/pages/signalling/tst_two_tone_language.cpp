// The 2-tone page through the shell's language switch: every cell and
// setting survives, the translated texts follow the language.

#include "app/mainwindow.h"
#include "image/data_file_read_write.h"
#include "pages/signalling/two_tone_form.h"
#include "support/test_image.h"
#include "support/test_workdir.h"

#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

namespace {

QStringList All_Cells(const QTableWidget* table)
{
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(row, column)->text();
    }
    return cells;
}

} // namespace

class Tst_Two_Tone_Language : public QObject
{
    Q_OBJECT
private slots:
    void languageSwitchKeepsEveryCell();
};

void Tst_Two_Tone_Language::languageSwitchKeepsEveryCell()
{
    Test_Workdir workdir;
    MainWindow window;
    auto* page = qobject_cast<TWO_TONE_FORM*>(window.Page_At(MainWindow::Slot_Two_Tone));
    QVERIFY(page);
    auto* encode = page->findChild<QTableWidget*>(QStringLiteral("tableWidget"));
    auto* decode = page->findChild<QTableWidget*>(QStringLiteral("tableWidget_2"));
    auto* sideTone = page->findChild<QComboBox*>(QStringLiteral("comboBox_6"));
    auto* resetTime = page->findChild<QComboBox*>(QStringLiteral("comboBox_5"));

    QByteArray block(512, char(0xFF));
    block.replace(0, 6, From_Hex("01 0C 05 06 07 08"));
    block.replace(0x00A + 12 * 3, 12, From_Hex("10 27 40 0B 41 42 00 00 00 00 00 00"));
    block.replace(0x100, 14, From_Hex("9D 3A 00 00 00 61 00 00 00 00 00 00 00 00"));
    block.replace(0x100 + 14, 14, From_Hex("9D 3A 00 00 01 62 00 00 00 00 00 00 00 00"));
    block.replace(0x100 + 28, 14, From_Hex("9D 3A 00 00 02 63 00 00 00 00 00 00 00 00"));
    QString hex = To_Hex(block);
    QVERIFY(window.Image()->Write_String_To_Ram_File(0x16800, hex));
    page->Set_Windows_Data_From_SP_Read(window.Image());
    // A value the user typed, not yet in the image.
    encode->item(9, 0)->setText(QStringLiteral("1234.56"));

    const QStringList encodeCells = All_Cells(encode);
    const QStringList decodeCells = All_Cells(decode);
    QCOMPARE(decodeCells.mid(0, 12),
             QStringList({"1500.5", "", "无", "a", "1500.5", "", "提示音", "b", "1500.5", "", "提示音并回复", "c"}));

    window.Language_Change(QStringLiteral("ENGLISH"));
    QCOMPARE(All_Cells(encode), encodeCells);
    QCOMPARE(decode->item(0, 2)->text(), QStringLiteral("None"));
    QCOMPARE(decode->item(1, 2)->text(), QStringLiteral("Alert Tone"));
    QCOMPARE(decode->item(2, 2)->text(), QStringLiteral("Alert Tone and Reply"));
    QCOMPARE(decode->horizontalHeaderItem(0)->text(), QStringLiteral("Tone 1\n[Hz]"));
    QCOMPARE(decode->horizontalHeaderItem(2)->text(), QStringLiteral("  Response  "));
    QCOMPARE(sideTone->currentText(), QStringLiteral("On"));
    QCOMPARE(resetTime->currentText(), QStringLiteral("14S"));
    QCOMPARE(encode->item(9, 0)->text(), QStringLiteral("1234.5"));
    QCOMPARE(encode->item(9, 2)->text(), QStringLiteral("2TENC-09"));

    window.Language_Change(QStringLiteral("CHINESE"));
    QCOMPARE(All_Cells(encode), encodeCells);
    QCOMPARE(All_Cells(decode), decodeCells);
    QCOMPARE(sideTone->currentText(), QStringLiteral("打开"));
    QCOMPARE(window.Image()->Read_String_From_Ram_File(0x16800 + 0x100, 42),
             To_Hex(block.mid(0x100, 42)));
}

QTEST_MAIN(Tst_Two_Tone_Language)
#include "tst_two_tone_language.moc"
