// Five_Tone_Block decode and encode: where every field lies, how it is
// converted, and what survives an encode.

#include "pages/signalling/five_tone_form.h"
#include "support/test_image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

constexpr int Block = 0x17000;
constexpr int Size = 2048;
constexpr int Margin = 16; // image bytes kept on either side of the block

// An image holding the block, with a margin of 0x5A bytes before and after.
std::unique_ptr<DATA_FILE_READ_WRITE> Image_With_Block(const QByteArray& block,
                                                       const Image_Text_Options& options = {})
{
    QByteArray bytes(Margin, char(0x5A));
    bytes += block;
    bytes += QByteArray(Margin, char(0x5A));
    return Make_Image(Block - Margin, bytes, options);
}

QByteArray Block_Of(const DATA_FILE_READ_WRITE& image)
{
    return From_Hex(image.Read_String_From_Ram_File(Block, Size));
}

void Put(QByteArray& block, int offset, const QByteArray& bytes)
{
    block.replace(offset, bytes.size(), bytes);
}

// The eight decode-digit boxes, bit 0 first.
const QStringList Mask_Boxes = {"checkBox",   "checkBox_2", "checkBox_3", "checkBox_4",
                                "checkBox_5", "checkBox_6", "checkBox_7", "checkBox_8"};

bool Owned(const FIVE_TONE_FORM& page, int offset)
{
    for (const Byte_Row& field : page.Byte_Rows()) {
        if (offset >= field.Offset && offset < field.Offset + field.Width)
            return true;
    }
    return false;
}

} // namespace

class Tst_Five_Tone_Codec : public QObject
{
    Q_OBJECT

    FIVE_TONE_FORM* page = nullptr;

    QComboBox* combo(const QString& name) { return page->findChild<QComboBox*>(name); }
    QLineEdit* edit(const QString& name) { return page->findChild<QLineEdit*>(name); }
    QCheckBox* box(int bit) { return page->findChild<QCheckBox*>(Mask_Boxes.at(bit)); }

    void Decode(const QByteArray& block)
    {
        auto image = Image_With_Block(block);
        page->Set_Windows_Data_From_SP_Read(image.get());
    }
    QByteArray Encode(const QByteArray& block)
    {
        auto image = Image_With_Block(block);
        page->Get_Windows_Data_To_SP_Write(image.get());
        return Block_Of(*image);
    }

private slots:
    void init() { page = new FIVE_TONE_FORM(nullptr); }
    void cleanup() { delete page; }

    void header_decode_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("side tone") << 0x0A << "comboBox_12" << 1 << QString();
        QTest::newRow("pre-carrier 120ms") << 0x0B << "comboBox_9" << 10 << "120ms";
        QTest::newRow("end delay") << 0x0C << "comboBox_8" << 42 << "2500ms";
        QTest::newRow("first digit") << 0x0D << "comboBox_10" << 0 << "10ms";
        QTest::newRow("pause code") << 0x0E << "comboBox_1" << 4 << "F";
        QTest::newRow("pause length") << 0x0F << "comboBox_2" << 0 << "0ms";
        QTest::newRow("after pause") << 0x10 << "comboBox_3" << 5 << "60ms";
        QTest::newRow("PTT ID pause") << 0x11 << "comboBox_11" << 22 << "55S";
        QTest::newRow("decode standard") << 0x1E << "comboBox_4" << 6 << "CCIR1";
        QTest::newRow("response") << 0x20 << "comboBox_5" << 2 << QString();
        QTest::newRow("auto reset") << 0x21 << "comboBox_6" << 22 << "60S";
        QTest::newRow("ANI display") << 0x22 << "comboBox_7" << 1 << QString();
    }
    void header_decode()
    {
        QFETCH(int, offset);
        QFETCH(QString, widget);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QByteArray block(Size, 0);
        block[offset] = char(stored);
        Decode(block);
        QCOMPARE(combo(widget)->currentIndex(), stored);
        if (!shown.isEmpty())
            QCOMPARE(combo(widget)->currentText(), shown);
        if (widget == QLatin1String("comboBox_4"))
            QCOMPARE(combo(QStringLiteral("comboBox_13"))->currentIndex(), stored);
    }

    void header_encode()
    {
        // Each settings box gets its own index; the bytes come out in block order.
        const QStringList boxes = {"comboBox_12", "comboBox_9", "comboBox_8", "comboBox_10",
                                   "comboBox_1",  "comboBox_2", "comboBox_3", "comboBox_11"};
        Decode(QByteArray(Size, 0));
        for (int i = 0; i < boxes.size(); ++i)
            combo(boxes[i])->setCurrentIndex(i % 2 == 0 && i > 0 ? i : 1);
        combo("comboBox_4")->setCurrentIndex(14);
        combo("comboBox_5")->setCurrentIndex(2);
        combo("comboBox_6")->setCurrentIndex(35);
        combo("comboBox_7")->setCurrentIndex(1);
        const QByteArray block = Encode(QByteArray(Size, 0));
        QCOMPARE(block.mid(0x0A, 8), From_Hex("01 01 02 01 04 01 06 01"));
        QCOMPARE(block.mid(0x1E, 5), From_Hex("0E 00 02 23 01"));
    }

    void mask_byte_data()
    {
        QTest::addColumn<int>("stored");
        QTest::newRow("none") << 0x00;
        QTest::newRow("first and third") << 0x05;
        QTest::newRow("last only") << 0x80;
        QTest::newRow("all") << 0xFF;
    }
    void mask_byte()
    {
        QFETCH(int, stored);
        QByteArray block(Size, 0);
        block[0x1F] = char(stored);
        Decode(block);
        for (int bit = 0; bit < 8; ++bit)
            QCOMPARE(box(bit)->isChecked(), bool(stored & (1 << bit)));
        QCOMPARE(quint8(Encode(block).at(0x1F)), quint8(stored));
    }

    void mask_is_built_from_the_boxes_alone()
    {
        QByteArray block(Size, 0);
        block[0x1F] = char(0xFF);
        Decode(block);
        box(1)->setChecked(false);
        QCOMPARE(quint8(Encode(block).at(0x1F)), quint8(0xFD));
    }

    void own_id()
    {
        QByteArray block(Size, 0);
        Put(block, 0, "123");
        Decode(block);
        QCOMPARE(edit("lineEdit_3")->text(), QStringLiteral("123"));
        edit("lineEdit_3")->setText(QStringLiteral("88888888"));
        QCOMPARE(Encode(block).left(10), QByteArray("88888888\0\0", 10));
        edit("lineEdit_3")->setText(QStringLiteral("123"));
        QCOMPARE(Encode(QByteArray(Size, char(0xFF))).left(8), From_Hex("31 32 33 00 00 00 00 00"));
    }

    void code_row_at_its_offset()
    {
        // Row 10, labelled "A", starts at 0x254.
        QByteArray block(Size, 0);
        block[0x254] = 3;
        Put(block, 0x255, "1*#");
        Put(block, 0x26D, "AB");
        Decode(block);
        QCOMPARE(combo("comboBox_40")->currentIndex(), 3);
        QCOMPARE(edit("lineEdit_50")->text(), QStringLiteral("1*#"));
        QCOMPARE(edit("lineEdit_82")->text(), QStringLiteral("AB"));
        QCOMPARE(edit("lineEdit_49")->text(), QString()); // row 9 left empty

        const QByteArray out = Encode(QByteArray(Size, char(0xFF)));
        QCOMPARE(out.mid(0x254, 34), QByteArray(1, 3) + QByteArray("1*#") + QByteArray(21, 0) + QByteArray("AB")
                                         + QByteArray(7, 0));
    }

    void ptt_id_rows_at_their_offsets_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("first") << 0;
        QTest::newRow("fourth") << 3;
        QTest::newRow("last") << 7;
    }
    void ptt_id_rows_at_their_offsets()
    {
        QFETCH(int, row);
        const int base = 0x340 + 50 * row;
        QByteArray block(Size, 0);
        block[base] = 2;
        block[base + 1] = 11;
        Put(block, base + 2, "123456789012345678901234");
        Put(block, base + 26, "#*DCBA");
        Decode(block);
        const QString type = QStringLiteral("comboBox_%1").arg(14 + row);
        const QString standard = QStringLiteral("comboBox_%1").arg(22 + row);
        const QString start = QStringLiteral("lineEdit_%1").arg(56 + 2 * row);
        const QString end = QStringLiteral("lineEdit_%1").arg(57 + 2 * row);
        QCOMPARE(combo(type)->currentIndex(), 2);
        QCOMPARE(combo(standard)->currentText(), QStringLiteral("NATEL"));
        QCOMPARE(edit(start)->text(), QStringLiteral("123456789012345678901234"));
        QCOMPARE(edit(end)->text(), QStringLiteral("#*DCBA"));
        QCOMPARE(Encode(QByteArray(Size, char(0xEE))).mid(base, 50), block.mid(base, 50));
    }

    void information_rows_at_their_offsets_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("first") << 0;
        QTest::newRow("eleventh") << 10;
        QTest::newRow("last") << 15;
    }
    void information_rows_at_their_offsets()
    {
        QFETCH(int, row);
        const int base = 0x540 + 25 * row;
        QByteArray block(Size, 0);
        block[base] = 5;
        Put(block, base + 1, "0987*");
        Decode(block);
        QCOMPARE(combo(QStringLiteral("comboBox_%1").arg(46 + row))->currentIndex(), 5);
        QCOMPARE(edit(QStringLiteral("lineEdit_%1").arg(88 + 2 * row))->text(), QStringLiteral("0987*"));
        QCOMPARE(Encode(QByteArray(Size, char(0xEE))).mid(base, 25), block.mid(base, 25));
    }

    void codes_are_stored_in_upper_case()
    {
        // Lower-case letters would be dropped by the next decode.
        Decode(QByteArray(Size, 0));
        edit("lineEdit_40")->setText(QStringLiteral("1a"));
        edit("lineEdit_57")->setText(QStringLiteral("bcdef"));
        edit("lineEdit_118")->setText(QStringLiteral("*f#"));
        edit("lineEdit_72")->setText(QStringLiteral("ab")); // names stay as typed
        const QByteArray out = Encode(QByteArray(Size, 0));
        QCOMPARE(out.mid(0x101, 3), From_Hex("31 41 00"));
        QCOMPARE(out.mid(0x340 + 26, 6), QByteArray("BCDEF\0", 6));
        QCOMPARE(out.mid(0x540 + 25 * 15 + 1, 4), QByteArray("*F#\0", 4));
        QCOMPARE(out.mid(0x100 + 25, 3), QByteArray("ab\0", 3));

        Decode(out);
        QCOMPARE(edit("lineEdit_40")->text(), QStringLiteral("1A"));
    }

    void names_keep_printable_bytes()
    {
        QByteArray block(Size, 0);
        Put(block, 0x100 + 25, From_Hex("41 20 42 7F 80 00"));
        Put(block, 0x100 + 34 + 25, "ABCDEFGHI"); // nine bytes: the edit shows eight
        Decode(block);
        QCOMPARE(edit("lineEdit_72")->text(), QStringLiteral("A B"));
        QCOMPARE(edit("lineEdit_73")->text(), QStringLiteral("ABCDEFGH"));
        QCOMPARE(Encode(block).mid(0x100 + 34 + 25, 9), QByteArray("ABCDEFGH\0", 9));
    }

    void erased_block()
    {
        Decode(QByteArray(Size, char(0xFF)));
        for (QComboBox* box : page->findChildren<QComboBox*>())
            QCOMPARE(box->currentIndex(), -1);
        for (int bit = 0; bit < 8; ++bit)
            QVERIFY(box(bit)->isChecked());
        QCOMPARE(edit("lineEdit_3")->text(), QString());
        QCOMPARE(edit("lineEdit_87")->text(), QString());

        // The boxes that could not show their bytes write them back as found;
        // the empty texts are stored as 0x00.
        QByteArray expected(Size, char(0xFF));
        for (const Byte_Row& field : page->Byte_Rows()) {
            if (qobject_cast<QLineEdit*>(field.Widget)) // codes and names
                expected.replace(field.Offset, field.Width, QByteArray(field.Width, 0));
        }
        QCOMPARE(Encode(QByteArray(Size, char(0xFF))), expected);
    }

    void out_of_range_index_is_written_back()
    {
        QByteArray block(Size, 0);
        block[0x0E] = 0x2B; // comboBox_1 has five items
        block[0x21] = 36;   // one past the last auto reset time
        Decode(block);
        QCOMPARE(combo("comboBox_1")->currentIndex(), -1);
        QCOMPARE(combo("comboBox_6")->currentIndex(), -1);
        const QByteArray out = Encode(block);
        QCOMPARE(quint8(out.at(0x0E)), quint8(0x2B));
        QCOMPARE(quint8(out.at(0x21)), quint8(36));
    }

    void unused_bytes_survive_an_encode()
    {
        const QByteArray random = Seeded_Bytes(Size, 0x517);
        Image_Text_Options lower;
        lower.Lower_Case = true;
        auto image = Image_With_Block(random, lower);
        const QByteArray before = Image_Bytes(*image);
        page->Set_Windows_Data_From_SP_Read(image.get());
        page->Get_Windows_Data_To_SP_Write(image.get());
        const QByteArray after = Image_Bytes(*image);

        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.left(Margin), before.left(Margin));
        QCOMPARE(after.right(Margin), before.right(Margin));
        int unused = 0;
        for (int offset = 0; offset < Size; ++offset) {
            if (!Owned(*page, offset)) {
                ++unused;
                QCOMPARE(after.at(Margin + offset), before.at(Margin + offset));
            }
        }
        QCOMPARE(unused, 683);
        // Written back in upper case only.
        const QString text = image->Read_String_From_Ram_File(Block, Size);
        QCOMPARE(text, text.toUpper());

        // A second cycle changes nothing.
        page->Set_Windows_Data_From_SP_Read(image.get());
        page->Get_Windows_Data_To_SP_Write(image.get());
        QCOMPARE(Image_Bytes(*image), after);
    }

    void missing_or_partial_block_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("size");
        QTest::newRow("missing") << 0x16000 << 256;
        QTest::newRow("first half only") << Block << Size / 2;
        QTest::newRow("last byte missing") << Block << Size - 1;
    }
    void missing_or_partial_block()
    {
        QFETCH(int, start);
        QFETCH(int, size);
        QByteArray block(Size, 0);
        block[0x1E] = 6;
        Put(block, 0, "4711");
        Decode(block);
        QCOMPARE(combo("comboBox_4")->currentIndex(), 6);

        // Nothing of the earlier image survives a decode without the block...
        auto image = Make_Image(start, Seeded_Bytes(size, 7));
        page->Set_Windows_Data_From_SP_Read(image.get());
        QCOMPARE(combo("comboBox_4")->currentIndex(), 0);
        QCOMPARE(edit("lineEdit_3")->text(), QString());
        QVERIFY(!box(0)->isChecked());

        // ...and an encode without the whole block writes nothing.
        edit("lineEdit_3")->setText(QStringLiteral("99"));
        const QString before = image->Image_Text();
        page->Get_Windows_Data_To_SP_Write(image.get());
        QCOMPARE(image->Image_Text(), before);
    }
};

QTEST_MAIN(Tst_Five_Tone_Codec)
#include "tst_five_tone_codec.moc"
