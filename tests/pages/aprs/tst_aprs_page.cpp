// The APRS page against images: decoder and encoder with the table's change
// handling, the faults the page guards against, and settling of odd blocks.

#include "pages/aprs/aprs_form.h"
#include "support/test_image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

namespace {

constexpr int Block_Addr = 0x15500;
constexpr int Block_Size = 1024;

void Put(QByteArray& block, int offset, const QString& hex)
{
    const QByteArray bytes = From_Hex(hex);
    block.replace(offset, bytes.size(), bytes);
}

// A block with a value in every field the page shows; the bytes it does
// not read hold what the encoder writes there, the rest is random.
QByteArray Sample_Block()
{
    QByteArray block = Seeded_Bytes(Block_Size, 42);
    Put(block, 0x00, "4142314344FF");               // own callsign AB1CD
    Put(block, 0x06, "050105");                     // SSID -5, alternate table, symbol 5
    Put(block, 0x09, "010001000100010001");         // decoding flags
    Put(block, 0x12, "00010A0B141A1B");             // pop-up times
    Put(block, 0x19, "0101000001010001");           // bells, CRC check
    Put(block, 0x21, "393939FFFFFF0F");             // target 999, SSID -15
    Put(block, 0x28, "1A22FAA0FF0002010800");       // 438.5 MHz, high, wide, CTCSS 88.5
    Put(block, 0x32, "089B3770FF0100020067");       // 144.39 MHz, low, narrow, DCS 754
    Put(block, 0x3C, "08A48640FF0003000000");       // 145 MHz, super high, no tone
    Put(block, 0x46, QStringLiteral("FF").repeated(50)); // rows 3 to 7 empty
    Put(block, 0xC8, "03010226");                   // channel 3, GPS beacon, PTT end, 60MIN
    Put(block, 0xCC, "C0E27B0EA0860100B07D04ECA086010090D00300E8030000"); // 24.5 N, 33.875 W, 250 m
    Put(block, 0xE4, "011800013202");               // metres, 1000MS, 30MS, side tone, 300S, A+B
    Put(block, 0xFF, "02" "57494445310001" "57494445320002"); // WIDE1-1,WIDE2-2,
    Put(block, 0x200, "48656C6C6F20E4B8AD" + QStringLiteral("00").repeated(55)); // "Hello 中"
    return block;
}

std::unique_ptr<DATA_FILE_READ_WRITE> Image_Of(const QByteArray& block, bool lowerCase = false)
{
    Image_Text_Options options;
    options.Lower_Case = lowerCase;
    return Make_Image(Block_Addr, block, options);
}

QByteArray Block_Of(const DATA_FILE_READ_WRITE& image)
{
    return From_Hex(image.Read_String_From_Ram_File(Block_Addr, Block_Size));
}

// Decodes `block` and encodes into the same image; returns the result.
QByteArray Cycle(APRS_FORM& page, const QByteArray& block)
{
    auto image = Image_Of(block);
    page.Set_Windows_Data_From_SP_Read(image.get());
    page.Get_Windows_Data_To_SP_Write(image.get());
    return Block_Of(*image);
}

bool Owned(int offset)
{
    return offset < 0x78 || (offset >= 0xC8 && offset <= 0xE9) || (offset >= 0xFF && offset <= 0x137)
           || (offset >= 0x200 && offset < 0x240);
}

} // namespace

class Tst_Aprs_Page : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void decode_shows_every_field();
    void encode_gives_the_block_back();
    void decode_clears_an_earlier_image();
    void fresh_page_defaults_round_trip();
    void channel_rows_through_the_table();
    void lower_case_image();
    void erased_block();
    void absent_or_short_block();
    void longest_path_kept();
    void random_blocks_settle();
    void symbol_table_before_symbol();

private:
    template <typename T>
    T* W(const char* name) const
    {
        T* widget = m_page->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    // What the named line edit or combo box shows.
    QString Shown(const char* name) const
    {
        auto* edit = m_page->findChild<QLineEdit*>(QLatin1String(name));
        return edit ? edit->text() : W<QComboBox>(name)->currentText();
    }
    QStringList Row(int row) const;

    std::unique_ptr<APRS_FORM> m_page;
};

void Tst_Aprs_Page::init()
{
    m_page = std::make_unique<APRS_FORM>(nullptr);
}

void Tst_Aprs_Page::cleanup()
{
    m_page.reset();
}

QStringList Tst_Aprs_Page::Row(int row) const
{
    QStringList cells;
    auto* table = W<QTableWidget>("tableWidget");
    for (int column = 0; column < 5; ++column)
        cells.append(table->item(row, column)->text());
    return cells;
}

void Tst_Aprs_Page::decode_shows_every_field()
{
    auto image = Image_Of(Sample_Block());
    m_page->Set_Windows_Data_From_SP_Read(image.get());

    const char* const shown[][2] = {
        {"lineEdit_1", "AB1CD"},      {"comboBox_1", "-5"},         {"comboBox_4", "&:OG:5 No. Diam'd"},
        {"comboBox_32", "关闭"},      {"comboBox_34", "10S"},       {"comboBox_35", "12S"},
        {"comboBox_38", "一直显示"},  {"lineEdit_3", "999"},        {"comboBox_5", "-15"},
        {"comboBox_31", "3"},         {"comboBox_6", "GPS信标"},    {"comboBox_7", "PTT结束"},
        {"comboBox_8", "60MIN"},      {"lineEdit_5", "24.500000"},  {"comboBox_13", "N"},
        {"lineEdit_4", "33.875000"},  {"comboBox_12", "W"},         {"comboBox_14", "Meter"},
        {"lineEdit_6", "250.0"},      {"comboBox_9", "1000MS"},     {"comboBox_10", "30MS"},
        {"comboBox_11", "300S"},      {"comboBox_15", "频段A+B"},   {"lineEdit_23", "WIDE1-1,WIDE2-2,"},
        {"lineEdit_24", "Hello 中"}};
    for (const auto& [name, text] : shown)
        QCOMPARE(Shown(name), QString::fromUtf8(text));
    QCOMPARE(W<QComboBox>("comboBox_3")->currentIndex(), 1);
    // Decoding flags, bells, CRC check, side tone.
    for (int box : {7, 8, 9, 10, 11, 12, 13, 14, 15, 39, 41, 46, 47})
        QCOMPARE(W<QCheckBox>(qPrintable(QStringLiteral("checkBox_%1").arg(box)))->isChecked(),
                 QList<int>({7, 9, 11, 13, 15, 39, 46, 47}).contains(box));

    QCOMPARE(Row(0), (QStringList{"438.500000", "高功", "宽带", "模拟亚音", "88.5"}));
    QCOMPARE(Row(1), (QStringList{"144.390000", "低功", "窄带", "数字亚音", "754"}));
    QCOMPARE(Row(2), (QStringList{"145.000000", "超高功", "宽带", "无", "无"}));
    for (int row = 3; row < 8; ++row)
        QCOMPARE(Row(row), (QStringList{"", "", "", "", ""}));

    // The unit is applied before the altitude: the same word in feet.
    QByteArray feet = Sample_Block();
    Put(feet, 0xE4, "00");
    auto feetImage = Image_Of(feet);
    m_page->Set_Windows_Data_From_SP_Read(feetImage.get());
    QCOMPARE(W<QLineEdit>("lineEdit_6")->text(), QStringLiteral("820.2"));
}

void Tst_Aprs_Page::encode_gives_the_block_back()
{
    const QByteArray block = Sample_Block();
    QCOMPARE(To_Hex(Cycle(*m_page, block)), To_Hex(block));

    // Edits reach their bytes; the constants and record byte 4 are rewritten.
    auto image = Image_Of(block);
    m_page->Set_Windows_Data_From_SP_Read(image.get());
    W<QLineEdit>("lineEdit_1")->setText(QStringLiteral("BG7XYZ"));
    W<QComboBox>("comboBox_13")->setCurrentIndex(1);
    W<QLineEdit>("lineEdit_5")->setText(QStringLiteral("24"));
    W<QLineEdit>("lineEdit_23")->setText(QStringLiteral("RELAY"));
    W<QLineEdit>("lineEdit_24")->clear();
    QByteArray changed = block;
    Put(changed, 0xD0, "00000000");
    Put(changed, 0x2C, "00");
    auto changedImage = Image_Of(changed);
    m_page->Get_Windows_Data_To_SP_Write(changedImage.get());
    const QByteArray out = Block_Of(*changedImage);
    QCOMPARE(To_Hex(out.mid(0x00, 6)), QStringLiteral("42473758595A"));
    QCOMPARE(To_Hex(out.mid(0xCC, 8)), QStringLiteral("00E4B1F1A0860100"));
    QCOMPARE(To_Hex(out.mid(0x2C, 1)), QStringLiteral("FF"));
    QCOMPARE(To_Hex(out.mid(0xFF, 8)), QStringLiteral("0152454C41590000"));
    QCOMPARE(out.mid(0x10D, 7), block.mid(0x10D, 7)); // the slot behind the count stays
    QCOMPARE(out.mid(0x200, 64), QByteArray(64, 0));
}

void Tst_Aprs_Page::decode_clears_an_earlier_image()
{
    auto first = Image_Of(Sample_Block());
    m_page->Set_Windows_Data_From_SP_Read(first.get());
    auto zero = Image_Of(QByteArray(Block_Size, 0));
    m_page->Set_Windows_Data_From_SP_Read(zero.get());
    QCOMPARE(W<QLineEdit>("lineEdit_1")->text(), QString(6, QChar(0)));
    QCOMPARE(W<QLineEdit>("lineEdit_23")->text(), QString());
    QCOMPARE(W<QLineEdit>("lineEdit_24")->text(), QString());
    QCOMPARE(W<QComboBox>("comboBox_4")->currentText(), QStringLiteral("!:BB:0 Police Stn"));
    for (int row = 0; row < 8; ++row)
        QCOMPARE(Row(row), (QStringList{"136.000000", "低功", "宽带", "无", "无"}));
}

void Tst_Aprs_Page::fresh_page_defaults_round_trip()
{
    auto image = Image_Of(QByteArray(Block_Size, 0));
    m_page->Get_Windows_Data_To_SP_Write(image.get());
    const QByteArray first = Block_Of(*image);
    QCOMPARE(To_Hex(first.mid(0xCC, 16)), QStringLiteral("001C4E0EA0860100005F5546A0860100"));
    QCOMPARE(first.mid(0x28, 80), QByteArray(80, char(0xFF)));
    QCOMPARE(first.mid(0, 6), QByteArray(6, char(0xFF)));
    QCOMPARE(Cycle(*m_page, first), first);
    QCOMPARE(W<QLineEdit>("lineEdit_5")->text(), QStringLiteral("24.000000"));
    QCOMPARE(W<QLineEdit>("lineEdit_4")->text(), QStringLiteral("118.000000"));
}

void Tst_Aprs_Page::channel_rows_through_the_table()
{
    QByteArray block(Block_Size, 0);
    Put(block, 0x28, "02FAF080FF0001010800"); // 50 MHz: shown clamped
    Put(block, 0x32, "1A22FAA0FF0102020567"); // DCS: byte 8 ignored
    Put(block, 0x3C, "1A22FAA0FF0001000909"); // no tone: bytes 8 and 9 ignored
    Put(block, 0x46, "FFFFFFFF010203040506"); // empty, whatever follows
    auto image = Image_Of(block);
    m_page->Set_Windows_Data_From_SP_Read(image.get());
    QCOMPARE(Row(0), (QStringList{"136.000000", "中功", "宽带", "模拟亚音", "88.5"}));
    QCOMPARE(Row(1), (QStringList{"438.500000", "高功", "窄带", "数字亚音", "754"}));
    QCOMPARE(Row(2), (QStringList{"438.500000", "中功", "宽带", "无", "无"}));
    QCOMPARE(Row(3), (QStringList{"", "", "", "", ""}));

    m_page->Get_Windows_Data_To_SP_Write(image.get());
    const QByteArray out = Block_Of(*image);
    QCOMPARE(To_Hex(out.mid(0x28, 10)), QStringLiteral("081B3200FF0001010800"));
    QCOMPARE(To_Hex(out.mid(0x32, 10)), QStringLiteral("1A22FAA0FF0102020067"));
    QCOMPARE(To_Hex(out.mid(0x3C, 10)), QStringLiteral("1A22FAA0FF0001000000"));
    QCOMPARE(To_Hex(out.mid(0x46, 10)), QStringLiteral("FFFFFFFFFFFFFFFFFFFF"));
}

// Either case of hex digits is read alike: lower-case empty markers and
// callsign padding stay empty.
void Tst_Aprs_Page::lower_case_image()
{
    const QByteArray block = Sample_Block();
    auto image = Image_Of(block, true);
    m_page->Set_Windows_Data_From_SP_Read(image.get());
    QCOMPARE(W<QLineEdit>("lineEdit_1")->text(), QStringLiteral("AB1CD"));
    for (int row = 3; row < 8; ++row)
        QCOMPARE(Row(row), (QStringList{"", "", "", "", ""}));
    m_page->Get_Windows_Data_To_SP_Write(image.get());
    const QString text = image->Read_String_From_Ram_File(Block_Addr, Block_Size);
    QCOMPARE(text, text.toUpper());
    QCOMPARE(To_Hex(Block_Of(*image)), To_Hex(block));
}

void Tst_Aprs_Page::erased_block()
{
    const QByteArray erased(Block_Size, char(0xFF));
    auto image = Image_Of(erased);
    m_page->Set_Windows_Data_From_SP_Read(image.get());
    QCOMPARE(W<QLineEdit>("lineEdit_1")->text(), QString());
    QCOMPARE(W<QLineEdit>("lineEdit_24")->text(), QString()); // 0xFF is padding, not text
    QCOMPARE(W<QComboBox>("comboBox_1")->currentIndex(), -1);
    QCOMPARE(W<QLineEdit>("lineEdit_5")->text(), QStringLiteral("0.000000"));
    QCOMPARE(W<QComboBox>("comboBox_13")->currentText(), QStringLiteral("S"));
    for (int row = 0; row < 8; ++row)
        QCOMPARE(Row(row), (QStringList{"", "", "", "", ""}));

    m_page->Get_Windows_Data_To_SP_Write(image.get());
    const QByteArray out = Block_Of(*image);
    // Combo boxes that could not show their byte write it back as found.
    for (int offset : {0x06, 0x07, 0x08, 0x12, 0x18, 0x27, 0xC8, 0xCB, 0xE4, 0xE9})
        QCOMPARE(quint8(out.at(offset)), quint8(0xFF));
    QCOMPARE(out.mid(0x200, 64), QByteArray(64, 0));
    QCOMPARE(Cycle(*m_page, out), out);
}

void Tst_Aprs_Page::absent_or_short_block()
{
    // At start-up the image lacks the block: every field reads 0.
    auto none = Make_Image(0x8000, QByteArray(64, 0));
    m_page->Set_Windows_Data_From_SP_Read(none.get());
    QCOMPARE(W<QLineEdit>("lineEdit_5")->text(), QStringLiteral("0.000000"));
    QCOMPARE(W<QComboBox>("comboBox_1")->currentIndex(), 0);
    QCOMPARE(Row(0), (QStringList{"136.000000", "低功", "宽带", "无", "无"}));

    // An encoder without its whole block writes nothing.
    const QByteArray part = Seeded_Bytes(Block_Size - 1, 3);
    auto shortImage = Make_Image(Block_Addr, part);
    m_page->Get_Windows_Data_To_SP_Write(shortImage.get());
    QCOMPARE(Image_Bytes(*shortImage), part);
}

void Tst_Aprs_Page::longest_path_kept()
{
    QByteArray block = Sample_Block();
    Put(block, 0xFF, "08" + QStringLiteral("4142434445460C").repeated(8));
    auto image = Image_Of(block);
    m_page->Set_Windows_Data_From_SP_Read(image.get());
    QCOMPARE(W<QLineEdit>("lineEdit_23")->text(), QStringLiteral("ABCDEF-12,").repeated(8));
    m_page->Get_Windows_Data_To_SP_Write(image.get());
    QCOMPARE(To_Hex(Block_Of(*image)), To_Hex(block));
}

// Whatever the block holds, one decode and encode settles it, and bytes the
// page does not own come through. Random blocks hold what the fields' rules
// refuse (positions and altitudes beyond their ranges, callsigns with a 00
// byte, comments not in UTF-8): typed into and left, such a field shows what
// a save stores and the next Open shows, its old value where the rule refuses
// the text (the bytes as read, if it showed the decode's), and a position or
// altitude is 0 only where 0 was typed.
void Tst_Aprs_Page::random_blocks_settle()
{
    const char* const edits[] = {"lineEdit_5", "lineEdit_4", "lineEdit_6", "lineEdit_1",
                                 "lineEdit_3", "lineEdit_24", "lineEdit_23"};
    const int words[] = {0xCC, 0xD4, 0xDC};
    const QStringList keys = {"0", "5", "9", ".", "-", ",", "A", "z", "中", "\b", "\b", "\b", "\x7F"};
    const QRegularExpression zero(QStringLiteral("^0*\\.?0*$"));
    const auto shown = [](const QWidget& page) {
        QStringList values;
        for (const QLineEdit* edit : page.findChildren<QLineEdit*>())
            values << edit->text();
        for (const QComboBox* list : page.findChildren<QComboBox*>())
            values << QString::number(list->currentIndex());
        return values;
    };
    for (quint32 seed = 1; seed <= 80; ++seed) {
        QByteArray block = Seeded_Bytes(Block_Size, seed);
        if (seed % 4 == 0)
            block[0xFF] = char(1 + seed % 8); // a path count the decoder reads
        const int field = seed % 7;
        if (seed % 5 == 0)
            Put(block, 0xCC, "BEDFDC38"); // 95.666549
        if ((field == 3 || field == 4) && seed % 3)
            Put(block, field == 3 ? 0x00 : 0x21, "4100FFFFFFFF"); // A and U+0000
        if (field == 5)
            Put(block, 0x200, "E4B8AD0041" + QStringLiteral("00").repeated(59)); // 中, U+0000, A
        const QByteArray once = Cycle(*m_page, block);
        for (int offset = 0; offset < Block_Size; ++offset) {
            if (!Owned(offset) && once.at(offset) != block.at(offset))
                QFAIL(qPrintable(QStringLiteral("seed %1 changed byte 0x%2").arg(seed).arg(offset, 0, 16)));
        }
        const QByteArray twice = Cycle(*m_page, once);
        if (twice != once)
            QFAIL(qPrintable(QStringLiteral("seed %1 does not settle:\n%2\n%3").arg(seed).arg(To_Hex(once), To_Hex(twice))));

        QRandomGenerator random(seed);
        auto* edit = W<QLineEdit>(edits[field]);
        const QString before = edit->text();
        for (int i = 1 + random.bounded(seed % 2 ? 3 : 12); i > 0; --i) {
            if (random.bounded(3) == 0) // or on from where the last key left it (at first the end)
                edit->setCursorPosition(random.bounded(int(edit->text().size()) + 1));
            const QString key = keys.at(random.bounded(keys.size()));
            if (key == "\b")
                QTest::keyClick(edit, Qt::Key_Backspace);
            else if (QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key); key.at(0).isPrint())
                QApplication::sendEvent(edit, &press);
            else
                edit->insert(QString(QChar(0)) + key); // pasted
        }
        const QString typed = edit->text();
        emit edit->editingFinished();
        const QStringList left = shown(*m_page);
        auto image = Image_Of(once);
        m_page->Get_Windows_Data_To_SP_Write(image.get());
        const QByteArray saved = Block_Of(*image);
        APRS_FORM opened;
        opened.Set_Windows_Data_From_SP_Read(image.get());
        const QString report = QStringLiteral("seed %1: %2 -> %3 -> %4").arg(seed).arg(before, typed, edit->text());
        QVERIFY2(shown(opened) == left && shown(*m_page) == left, qPrintable(report));
        const bool typedZero = zero.match(typed).hasMatch();
        if (field < 3) {
            QVERIFY2(edit->text().toDouble() != 0 || typedZero || before.toDouble() == 0, qPrintable(report));
            if (edit->text() == before)
                QVERIFY2(saved.mid(words[field], 4) == once.mid(words[field], 4) || typedZero, qPrintable(report));
        }
    }
}

void Tst_Aprs_Page::symbol_table_before_symbol()
{
    QByteArray block = Sample_Block();
    Put(block, 0x07, "015D"); // alternate table, last symbol
    auto image = Image_Of(block);
    m_page->Set_Windows_Data_From_SP_Read(image.get());
    auto* symbols = W<QComboBox>("comboBox_4");
    QCOMPARE(symbols->currentText(), QStringLiteral("~:Q4:93 TNC Stream SW"));
    QCOMPARE(symbols->itemText(0), QStringLiteral("!:OB:0 Emergency"));
    QVERIFY(!W<QLabel>("label_11")->pixmap().isNull());

    Put(block, 0x07, "0000");
    auto primary = Image_Of(block);
    m_page->Set_Windows_Data_From_SP_Read(primary.get());
    QCOMPARE(symbols->currentText(), QStringLiteral("!:BB:0 Police Stn"));
    QCOMPARE(symbols->itemText(93), QStringLiteral("~:J4:93 TNC Stream Sw"));

    // A table byte beyond the list is written back as found.
    Put(block, 0x07, "05");
    auto beyond = Image_Of(block);
    m_page->Set_Windows_Data_From_SP_Read(beyond.get());
    QCOMPARE(W<QComboBox>("comboBox_3")->currentIndex(), -1);
    QCOMPARE(To_Hex(Cycle(*m_page, block).mid(0x07, 1)), QStringLiteral("05"));
}

QTEST_MAIN(Tst_Aprs_Page)
#include "tst_aprs_page.moc"
