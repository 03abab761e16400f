// A language switch re-translates the APRS page and keeps every value.

#include "app/mainwindow.h"
#include "image/data_file_read_write.h"
#include "image/hex_text.h"
#include "pages/aprs/aprs_form.h"
#include "support/test_image.h"
#include "support/test_workdir.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
    void position_and_path_kept_until_edited();
    void hemisphere_chosen_before_the_number();
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

// Latitude, longitude, altitude, path and the channels' list bytes beyond their lists come back as read from Open +
// Save and a language switch, for random blocks and blocks the page wrote; an edit of one leaves the others, the
// next Open shows what it showed, and the field typed back to what the Open showed, across a language switch,
// writes what was read again.
void Tst_Aprs_Language::position_and_path_kept_until_edited()
{
    Test_Workdir workdir(true, QStringLiteral("CHINESE"));
    MainWindow window;
    auto* page = qobject_cast<APRS_FORM*>(window.Page_At(MainWindow::Slot_Aprs));
    const QStringList edits[4] = {{"lineEdit_5", "comboBox_13", ".5", "0", "0.0", "45.123456"},
                                  {"lineEdit_4", "comboBox_12", ".5", "179.999999", "0"},
                                  {"lineEdit_6", "comboBox_14", ".5", "0", "99999.9"},
                                  {"lineEdit_23", "", "WIDE1-1,WIDE2-2", "ABC-127", "A,,B", ""}};
    // And every list byte of the transmit channels beyond its list (a tone type beyond its list: both tone bytes).
    const auto beyond = [](const QByteArray& b) {
        QByteArray kept;
        for (int at = 0x28; at < 0x78; at += 10) {
            const auto byte = [&](int i, int count) { return quint8(b[at + i]) >= count ? b.mid(at + i, 1) : "-"; };
            const int type = quint8(b[at + 7]);
            if (b.mid(at, 4) != QByteArray(4, char(0xFF)))
                kept += byte(5, 2) + byte(6, 4) + byte(7, 3) + (type == 1 ? byte(8, 50) : type == 2 ? byte(9, 104)
                                                                 : type > 2 ? b.mid(at + 8, 2) : "");
        }
        return kept;
    };
    const auto fields = [&](const QByteArray& b) { return QByteArrayList{b.mid(0xCC, 4), b.mid(0xD4, 4), b.mid(0xDC, 4), b.mid(0xFF, 57), beyond(b)}; };
    const auto save = [&] {
        page->Get_Windows_Data_To_SP_Write(window.Image());
        return From_Hex(Block_Hex(*window.Image()));
    };
    for (quint32 seed = 1; seed <= 24; ++seed) {
        QRandomGenerator random(seed);
        const int target = int(seed % 4);
        QByteArray block = Seeded_Bytes(Block_Size, seed);
        block[0xDF] = char(target ? 0 : 0x7F); // an altitude the field shows in either unit, or one far beyond
        if (target == 0)
            block.replace(0xCC, 4, From_Hex(seed % 8 ? "FDFFFFFF" : "00000000")); // 0.000000 with S, and 0
        if (target == 1) { // within the range, with more digits than the text shows
            const qint32 longitude = qint32(random.bounded(1700000000)) * (seed % 2 ? -1 : 1);
            block.replace(0xD4, 4, From_Hex(Le_To_Hex(quint32(longitude), 4)));
        }
        block[0xFF] = char(seed % 9);
        for (int at = 0x100; target == 3 && at < 0x138; at += 7) // names that can be typed
            block.replace(at, 6, char('A' + random.bounded(26)) + QByteArray::number(random.bounded(10, 99))
                                     + QByteArray(3, 0));
        block[0x106] = char(0x7F); // a path SSID of 127
        QString hex = To_Hex(block);
        QVERIFY(window.Image()->Write_String_To_Ram_File(Block_Addr, hex));
        page->Set_Windows_Data_From_SP_Read(window.Image());
        auto* edit = page->findChild<QLineEdit*>(edits[target][0]);
        auto* list = target < 3 ? page->findChild<QComboBox*>(edits[target][1]) : nullptr;
        const QString opened = edit->text();
        const int openedIndex = list ? list->currentIndex() : -1;
        QCOMPARE(fields(save()), fields(block));
        window.Language_Change(QStringLiteral("ENGLISH"));
        QByteArrayList expected = fields(save());
        QCOMPARE(expected, fields(block));

        const QString typed = edits[target].at(seed <= 4 ? 2 : 2 + int(random.bounded(edits[target].size() - 2)));
        if (list && seed > 4 && random.bounded(2)) {
            list->setCurrentIndex((list->currentIndex() + 1) % 2);
        } else {
            edit->clear();
            QTest::keyClicks(edit, typed);
            emit edit->editingFinished();
            QVERIFY(typed != ".5" || edit->text().toDouble() == 0.5);
        }
        const QByteArray edited = save(); // a position saved as 0 shows N/E
        const QString shown = edit->text() + QString::number(list ? list->currentIndex() : 0);
        expected[target] = fields(edited).at(target);
        QCOMPARE(fields(edited), expected);
        window.Language_Change(QStringLiteral("CHINESE")); // saves, then opens what it saved
        QCOMPARE(edit->text() + QString::number(list ? list->currentIndex() : 0), shown);
        QCOMPARE(save(), edited);

        edit->selectAll();
        QTest::keyClicks(edit, opened);
        if (list) { // numbers are left; a path SSID beyond 99 would then show its stored two digits
            emit edit->editingFinished();
            list->setCurrentIndex(openedIndex);
        }
        QCOMPARE(edit->text(), opened);
        QCOMPARE(fields(save()), fields(block));
    }
}

// Chosen before the number is typed, a hemisphere is stored with it; a language switch or the unsaved-edits check
// keeps it on a position of 0, which shows N/E once it is left at 0 or saved.
void Tst_Aprs_Language::hemisphere_chosen_before_the_number()
{
    Test_Workdir workdir(true, QStringLiteral("CHINESE"));
    MainWindow window;
    QWidget* page = window.Page_At(MainWindow::Slot_Aprs);
    auto* latitude = page->findChild<QLineEdit*>(QStringLiteral("lineEdit_5"));
    auto* longitude = page->findChild<QLineEdit*>(QStringLiteral("lineEdit_4"));
    auto* south = page->findChild<QComboBox*>(QStringLiteral("comboBox_13"));
    auto* west = page->findChild<QComboBox*>(QStringLiteral("comboBox_12"));
    const auto type = [](QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
        emit edit->editingFinished();
    };
    const auto word = [&](int offset) { return From_Hex(Block_Hex(*window.Image())).mid(offset, 4).toHex(' '); };
    const QString saved = workdir.File(QStringLiteral("Data Files/saved.PF"));
    type(latitude, QStringLiteral("0"));
    type(longitude, QStringLiteral("0"));
    QVERIFY(window.Save_File_To(saved));
    QCOMPARE(latitude->text() + longitude->text(), QStringLiteral("0.0000000.000000"));

    south->setCurrentIndex(1);
    west->setCurrentIndex(1);
    window.Language_Change(QStringLiteral("ENGLISH"));
    QVERIFY(!window.Has_Unsaved_Edits());
    QCOMPARE(south->currentIndex() + west->currentIndex(), 2);
    type(latitude, QStringLiteral("33.875"));
    type(longitude, QStringLiteral("118.5"));
    QCOMPARE(south->currentIndex() + west->currentIndex(), 2);
    QVERIFY(window.Save_File_To(saved));
    QCOMPARE(word(0xCC), QByteArray("b0 7d 04 ec"));
    QCOMPARE(word(0xD4), QByteArray("40 da 7c b9"));

    latitude->selectAll();
    QTest::keyClicks(latitude, QStringLiteral("0"));
    QCOMPARE(south->currentIndex(), 1);
    emit latitude->editingFinished();
    QCOMPARE(latitude->text() + QString::number(south->currentIndex()), QStringLiteral("0.0000000"));
    type(longitude, QStringLiteral("0"));
    west->setCurrentIndex(1);
    QVERIFY(window.Has_Unsaved_Edits());
    QCOMPARE(west->currentIndex(), 1);
    QVERIFY(window.Save_File_To(saved));
    QCOMPARE(word(0xD4) + QByteArray::number(west->currentIndex()), QByteArray("00 00 00 000"));
}

QTEST_MAIN(Tst_Aprs_Language)
#include "tst_aprs_language.moc"
