// A language switch re-translates the APRS page and keeps every value.

#include "app/mainwindow.h"
#include "image/data_file_read_write.h"
#include "pages/aprs/aprs_form.h"
#include "support/test_image.h"
#include "support/test_workdir.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

namespace {

constexpr int Block_Addr = 0x15500;
constexpr int Block_Size = 1024;

QString Block_Hex(const DATA_FILE_READ_WRITE& image)
{
    return image.Read_String_From_Ram_File(Block_Addr, Block_Size);
}

} // namespace

class Tst_Aprs_Language : public QObject
{
    Q_OBJECT
private slots:
    void switch_keeps_every_value();
};

void Tst_Aprs_Language::switch_keeps_every_value()
{
    Test_Workdir workdir(true, QStringLiteral("CHINESE"));
    MainWindow window;
    auto* page = qobject_cast<APRS_FORM*>(window.Page_At(MainWindow::Slot_Aprs));
    QVERIFY(page);

    QByteArray block = Seeded_Bytes(Block_Size, 77);
    const auto put = [&block](int offset, const QString& hex) {
        const QByteArray bytes = From_Hex(hex);
        block.replace(offset, bytes.size(), bytes);
    };
    put(0x00, "4247375858FF" "0A0117" "010101000100010001" "0203041B000102" "0100010001000101");
    put(0x21, "414243FFFFFF03");
    put(0x28, "1A22FAA0FF0102010800" "089B3770FF0003020067" "08A48640FF0100000000");
    put(0x46, QStringLiteral("FF").repeated(50));
    put(0xC8, "07000126" "C0E27B0EA0860100B07D04ECA086010090D00300E8030000" "000A15011E01");
    put(0xFF, "02" "57494445310001" "57494445320002");
    put(0x200, "E4B8ADE69687" + QStringLiteral("00").repeated(58));
    QString hex = To_Hex(block);
    QVERIFY(window.Image()->Write_String_To_Ram_File(Block_Addr, hex));
    page->Set_Windows_Data_From_SP_Read(window.Image());
    page->Get_Windows_Data_To_SP_Write(window.Image());
    const QString before = Block_Hex(*window.Image());

    window.Language_Change(QStringLiteral("ENGLISH"));
    auto* symbolTable = page->findChild<QComboBox*>(QStringLiteral("comboBox_3"));
    auto* table = page->findChild<QTableWidget*>(QStringLiteral("tableWidget"));
    QCOMPARE(symbolTable->currentText(), QStringLiteral("\\:Alternate"));
    QCOMPARE(page->findChild<QComboBox*>(QStringLiteral("comboBox_4"))->currentText(),
             QStringLiteral("8:A8:23 No Symbol"));
    QCOMPARE(page->findChild<QComboBox*>(QStringLiteral("comboBox_11"))->currentText(), QStringLiteral("100S"));
    QCOMPARE(page->findChild<QLabel*>(QStringLiteral("label_10"))->text(), QStringLiteral("My Symbol"));
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("TX Freq [MHz]"));
    const QStringList row0 = {"438.500000", "High", "Narrow", "CTCSS", "88.5"};
    const QStringList row1 = {"144.390000", "Super High", "Wide", "DCS", "754"};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(table->item(0, column)->text(), row0.at(column));
        QCOMPARE(table->item(1, column)->text(), row1.at(column));
    }
    QCOMPARE(table->item(2, 3)->text(), QStringLiteral("None"));
    page->Get_Windows_Data_To_SP_Write(window.Image());
    QCOMPARE(Block_Hex(*window.Image()), before);

    window.Language_Change(QStringLiteral("CHINESE"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("高功"));
    page->Get_Windows_Data_To_SP_Write(window.Image());
    QCOMPARE(Block_Hex(*window.Image()), before);
}

QTEST_MAIN(Tst_Aprs_Language)
#include "tst_aprs_language.moc"
