// The 2-tone page through the shell's language switch: every cell and
// setting survives, the translated texts follow the language.

#include "app/mainwindow.h"
#include "image/data_file_read_write.h"
#include "pages/signalling/two_tone_form.h"
#include "support/test_image.h"
#include "support/test_workdir.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTranslator>
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
    void retranslationShowsTheResponsesAgain();
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
    block.replace(0x100 + 42, 14, From_Hex("9D 3A 00 00 07 64 00 00 00 00 00 00 00 00")); // no such response
    QString hex = To_Hex(block);
    QVERIFY(window.Image()->Write_String_To_Ram_File(0x16800, hex));
    page->Set_Windows_Data_From_SP_Read(window.Image());
    // A value the user typed, not yet in the image.
    encode->item(9, 0)->setText(QStringLiteral("1234.56"));

    const QStringList encodeCells = All_Cells(encode);
    const QStringList decodeCells = All_Cells(decode);
    QCOMPARE(decodeCells.mid(0, 16), QStringList({"1500.5", "", "无", "a", "1500.5", "", "提示音", "b", "1500.5", "",
                                                  "提示音并回复", "c", "1500.5", "", "", "d"}));

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
    QCOMPARE(window.Image()->Read_String_From_Ram_File(0x16800 + 0x100, 56),
             To_Hex(block.mid(0x100, 56)));
}

// Without a decode after it, the page shows each response in the new
// language and stores what it stored before (its lists of settings start
// over at their first entries).
void Tst_Two_Tone_Language::retranslationShowsTheResponsesAgain()
{
    QByteArray block(512, char(0xFF));
    for (int row = 0; row < 3; ++row)
        block.replace(0x100 + 14 * row, 13, From_Hex(QStringLiteral("10 27 00 00 0%1 41 00 00 00 00 00 00 00").arg(row)));
    auto image = Make_Image(0x16800, block);
    TWO_TONE_FORM page;
    page.Set_Windows_Data_From_SP_Read(image.get());
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(KESTREL_RUNTIME_DIR "/Config/English.qm")));
    QCoreApplication::installTranslator(&english);
    page.RetranslatePage();
    QCoreApplication::removeTranslator(&english);
    auto* decode = page.findChild<QTableWidget*>(QStringLiteral("tableWidget_2"));
    QCOMPARE(All_Cells(decode).mid(0, 12), QStringList({"1000.0", "", "None", "A", "1000.0", "", "Alert Tone", "A",
                                                        "1000.0", "", "Alert Tone and Reply", "A"}));
    page.Get_Windows_Data_To_SP_Write(image.get());
    QCOMPARE(Image_Bytes(*image).mid(0x0A), block.mid(0x0A));
}

QTEST_MAIN(Tst_Two_Tone_Language)
#include "tst_two_tone_language.moc"
