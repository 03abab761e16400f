#include "image/blank_image.h"
#include "image/hex_text.h"
#include "image/image_line_format.h"
#include "image/image_regions.h"

#include <QtTest>

class Tst_Hex_Text : public QObject
{
    Q_OBJECT

private slots:
    void byte_is_exactly_two_hex_digits_data();
    void byte_is_exactly_two_hex_digits();
    void multi_byte_numbers();
    void replace_field_refuses_what_does_not_fit();
    void blank_image_covers_the_full_range();
};

void Tst_Hex_Text::byte_is_exactly_two_hex_digits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: not a byte, reads as 0
    QTest::newRow("upper") << QStringLiteral("AF") << 0xAF;
    QTest::newRow("lower") << QStringLiteral("af") << 0xAF;
    QTest::newRow("mixed") << QStringLiteral("0b") << 0x0B;
    QTest::newRow("minus") << QStringLiteral("-1") << -1;
    QTest::newRow("plus") << QStringLiteral("+F") << -1;
    QTest::newRow("blank") << QStringLiteral(" 1") << -1;
    QTest::newRow("trailing blank") << QStringLiteral("1 ") << -1;
    QTest::newRow("one digit") << QStringLiteral("1") << -1;
    QTest::newRow("letter") << QStringLiteral("G0") << -1;
    QTest::newRow("x") << QStringLiteral("0x") << -1;
    QTest::newRow("fullwidth digit") << QStringLiteral("\xFF11" "1") << -1;
}

void Tst_Hex_Text::byte_is_exactly_two_hex_digits()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    int value = 1234;
    QCOMPARE(Parse_Hex_Byte(text, 0, &value), expected >= 0);
    QCOMPARE(value, expected >= 0 ? expected : 1234);
    QCOMPARE(Hex_Byte_Or_Zero(text, 0), qMax(0, expected));
}

void Tst_Hex_Text::multi_byte_numbers()
{
    QCOMPARE(Hex_Le_Or_Zero(QStringLiteral("40790000"), 0, 4), quint32(0x7940));
    QCOMPARE(Hex_Be_Or_Zero(QStringLiteral("00013b80"), 0, 4), quint32(0x13B80));
    QCOMPARE(Hex_Le_Or_Zero(QStringLiteral("zz01"), 0, 2), quint32(0x0100));
    QCOMPARE(Le_To_Hex(0x7940, 4), QStringLiteral("40790000"));
    QCOMPARE(Be_To_Hex(0xFFFFFFFFu, 4), QStringLiteral("FFFFFFFF"));
    QCOMPARE(Byte_To_Hex(-1), QStringLiteral("FF"));
    QCOMPARE(Byte_To_Hex(0x105), QStringLiteral("05"));
}

void Tst_Hex_Text::replace_field_refuses_what_does_not_fit()
{
    QString region = QStringLiteral("00112233");
    QVERIFY(Replace_Hex_Field(region, 1, 2, QStringLiteral("AABB")));
    QCOMPARE(region, QStringLiteral("00AABB33"));
    QVERIFY(!Replace_Hex_Field(region, 3, 2, QStringLiteral("CCDD")));
    QVERIFY(!Replace_Hex_Field(region, 0, 2, QStringLiteral("CC")));
    QCOMPARE(region, QStringLiteral("00AABB33"));
}

void Tst_Hex_Text::blank_image_covers_the_full_range()
{
    using namespace Image_Region;
    const QByteArray bytes = Blank_Image_Bytes();
    QCOMPARE(bytes.size(), Image_End - Image_Start);
    QCOMPARE(quint8(bytes[Vfo_Records_Addr - Image_Start]), quint8(0xFF));
    QCOMPARE(quint8(bytes[Settings_Block_Addr - Image_Start]), quint8(0x00));
    QCOMPARE(quint8(bytes[Work_Mode_Block_Addr + 9 - Image_Start]), quint8(0x05));
    QCOMPARE(quint8(bytes[Ff_Fill_Block_Addr + Ff_Fill_Block_Size - 1 - Image_Start]), quint8(0xFF));

    QVector<Image_Line_Info> lines;
    QString error;
    QVERIFY(Parse_Image_Text(Blank_Image_Text(), &lines, &error));
    QCOMPARE(lines.first().Addr, Image_Start);
    QCOMPARE(lines.last().Addr + lines.last().Count, Image_End);
}

QTEST_MAIN(Tst_Hex_Text)
#include "tst_hex_text.moc"
