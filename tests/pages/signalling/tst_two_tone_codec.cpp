// The 2-tone rules without widgets: tone and name conversions, the tone
// normaliser, the row checks and the entry layout.

#include "pages/signalling/two_tone_codec.h"
#include "support/test_image.h"

#include <QtTest>

class Tst_Two_Tone_Codec : public QObject
{
    Q_OBJECT
private slots:
    void toneFormat_data();
    void toneFormat();
    void toneValues_data();
    void toneValues();
    void toneTextToValue_data();
    void toneTextToValue();
    void tone2Cell();
    void nameDecoding_data();
    void nameDecoding();
    void nameEncoding_data();
    void nameEncoding();
    void defaultNames();
    void encodeRowCheck();
    void decodeRowCheck();
    void encodeEntryExample();
    void decodeEntryExample();
    void emptyEntriesAreErased();
    void readEntries();
    void responseIndex();
    void shortRegionIsLeftAlone();
};

void Tst_Two_Tone_Codec::toneFormat_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("integer") << "1000" << "1000.0";
    QTest::newRow("second decimal dropped") << "1000.56" << "1000.5";
    QTest::newRow("no decimal after point") << "1000." << "1000.0";
    QTest::newRow("below the band") << "12" << "288.0";
    QTest::newRow("above the band") << "4000" << "3106.0";
    QTest::newRow("lower limit") << "288" << "288.0";
    QTest::newRow("upper limit") << "3106" << "3106.0";
    QTest::newRow("just above") << "3106.1" << "3106.0";
    QTest::newRow("just below") << "287.9" << "288.0";
    QTest::newRow("lone point and 5") << ".5" << "288.0";
    QTest::newRow("two points") << "1.2.3" << "288.0";
    QTest::newRow("two points in band") << "1500.2.9" << "1500.2";
    QTest::newRow("point after point") << "1500..7" << "1500.0";
    QTest::newRow("empty") << "" << "288.0";
    // 429497029 x 10 wraps to 2994 in 32 bits: it must clamp, not become 299.4.
    QTest::newRow("would wrap in 32 bits") << "429497029" << "3106.0";
    QTest::newRow("largest 32-bit integer") << "2147483647" << "3106.0";
    QTest::newRow("beyond 32 bits counts as 0") << "2147483648" << "288.0";
    QTest::newRow("far beyond 32 bits") << "99999999999999999999" << "288.0";
}

void Tst_Two_Tone_Codec::toneFormat()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(Tone_Frequency_Format(typed), shown);
}

void Tst_Two_Tone_Codec::toneValues_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("text");
    QTest::newRow("lowest") << 2880u << true << "288.0";
    QTest::newRow("1000 Hz") << 10000u << true << "1000.0";
    QTest::newRow("highest") << 31060u << true << "3106.0";
    QTest::newRow("one below") << 2879u << false << "287.9";
    QTest::newRow("one above") << 31061u << false << "3106.1";
    QTest::newRow("zero") << 0u << false << "0.0";
    QTest::newRow("erased") << 0xFFFFu << false << "6553.5";
}

void Tst_Two_Tone_Codec::toneValues()
{
    QFETCH(quint32, value);
    QFETCH(bool, valid);
    QFETCH(QString, text);
    QCOMPARE(Tone_Value_Is_Valid(value), valid);
    QCOMPARE(Tone_Value_To_Text(value), text);
    QCOMPARE(Tone_Text_To_Value(text), value);
}

void Tst_Two_Tone_Codec::toneTextToValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("value");
    QTest::newRow("normal") << "1500.5" << 15005u;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("not a number") << "12a.0" << 0u;
    QTest::newRow("signed") << "-288.0" << 0u;
    QTest::newRow("beyond 32 bits") << "99999999999.9" << 0u;
}

void Tst_Two_Tone_Codec::toneTextToValue()
{
    QFETCH(QString, text);
    QFETCH(quint32, value);
    QCOMPARE(Tone_Text_To_Value(text), value);
}

void Tst_Two_Tone_Codec::tone2Cell()
{
    QCOMPARE(Tone_2_Cell_Text(QString()), QString());
    QCOMPARE(Tone_2_Cell_Text(QStringLiteral("12")), QStringLiteral("288.0"));
    QCOMPARE(Tone_2_Cell_Text(QStringLiteral("1000.56")), QStringLiteral("1000.5"));
}

void Tst_Two_Tone_Codec::nameDecoding_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("name");
    QTest::newRow("padded") << "6162630000000000" << "abc";
    QTest::newRow("gaps do not end the name") << "410042FFFFFFFFFF" << "AB";
    QTest::newRow("zero, 7F and FF skipped") << "410042FF7E7F2020" << "AB~  ";
    QTest::newRow("control byte kept") << "0500000000000000" << "\x05";
    QTest::newRow("lower-case digits") << "6a6b000000000000" << "jk";
    QTest::newRow("malformed pair reads as 0") << "4G41+1000000000" << "A";
    QTest::newRow("empty") << "" << "";
}

void Tst_Two_Tone_Codec::nameDecoding()
{
    QFETCH(QString, hex);
    QFETCH(QString, name);
    QCOMPARE(Name_String_Array(hex), name);
}

void Tst_Two_Tone_Codec::nameEncoding_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hex");
    QTest::newRow("short") << "abc" << "6162630000000000";
    QTest::newRow("default name") << "2TENC-00" << "3254454E432D3030";
    QTest::newRow("empty") << "" << "0000000000000000";
    QTest::newRow("low code keeps two digits") << "\x05" << "0500000000000000";
    QTest::newRow("nothing is cut") << "ABCDEFGHI" << "414243444546474849";
}

void Tst_Two_Tone_Codec::nameEncoding()
{
    QFETCH(QString, name);
    QFETCH(QString, hex);
    QCOMPARE(Name_To_Hex_String(name, 8), hex);
}

void Tst_Two_Tone_Codec::defaultNames()
{
    // The decimal row number, also for the rows labelled A to F.
    QCOMPARE(Default_Encode_Name(0), QStringLiteral("2TENC-00"));
    QCOMPARE(Default_Encode_Name(10), QStringLiteral("2TENC-10"));
    QCOMPARE(Default_Encode_Name(15), QStringLiteral("2TENC-15"));
    QCOMPARE(Default_Decode_Name(3), QStringLiteral("2TDEC-03"));
    QCOMPARE(Name_Cell_Text(QStringLiteral("ABCDEFGHIJKL")), QStringLiteral("ABCDEFGH"));
}

void Tst_Two_Tone_Codec::encodeRowCheck()
{
    Two_Tone_Row row{QStringLiteral("1000"), QStringLiteral("500.0"), QString(), QString()};
    Encode_Row_Check(row, 10);
    QCOMPARE(row.Tone_1, QStringLiteral("1000.0"));
    QCOMPARE(row.Tone_2, QStringLiteral("500.0"));
    QCOMPARE(row.Name, QStringLiteral("2TENC-10"));

    row.Name = QStringLiteral("KEEP");
    row.Tone_1 = QStringLiteral("4000");
    Encode_Row_Check(row, 10);
    QCOMPARE(row.Tone_1, QStringLiteral("3106.0"));
    QCOMPARE(row.Name, QStringLiteral("KEEP"));

    row.Tone_1.clear();
    Encode_Row_Check(row, 10);
    QVERIFY(row.Tone_2.isEmpty());
    QVERIFY(row.Name.isEmpty());
}

void Tst_Two_Tone_Codec::decodeRowCheck()
{
    Two_Tone_Row row{QStringLiteral("1000"), QString(), QString(), QString()};
    Decode_Row_Check(row, 0, QStringLiteral("none"));
    QCOMPARE(row.Tone_1, QStringLiteral("1000.0"));
    QVERIFY(row.Tone_2.isEmpty());
    QCOMPARE(row.Response, QStringLiteral("none"));
    QCOMPARE(row.Name, QStringLiteral("2TDEC-00"));

    row.Response = QStringLiteral("tone");
    Decode_Row_Check(row, 0, QStringLiteral("none"));
    QCOMPARE(row.Response, QStringLiteral("tone"));

    row = {QString(), QStringLiteral("300.0"), QStringLiteral("tone"), QStringLiteral("N")};
    Decode_Row_Check(row, 3, QStringLiteral("none"));
    QVERIFY(row.Tone_2.isEmpty() && row.Response.isEmpty() && row.Name.isEmpty());
}

void Tst_Two_Tone_Codec::encodeEntryExample()
{
    QString region(1024, QLatin1Char('0'));
    Put_Encode_Entry(region, 0, {QStringLiteral("1000.0"), QString(), QString(), QStringLiteral("2TENC-00")});
    QCOMPARE(region.mid(2 * 0x00A, 24), To_Hex(From_Hex("10 27 00 00 32 54 45 4E 43 2D 30 30")));
    Put_Encode_Entry(region, 15, {QStringLiteral("3106.0"), QStringLiteral("288.0"), QString(), QStringLiteral("A")});
    QCOMPARE(region.mid(2 * (0x00A + 12 * 15), 24), To_Hex(From_Hex("54 79 40 0B 41 00 00 00 00 00 00 00")));
    QCOMPARE(region.mid(2 * 0x0CA), QString(1024 - 2 * 0x0CA, QLatin1Char('0')));
}

void Tst_Two_Tone_Codec::decodeEntryExample()
{
    QString region(1024, QLatin1Char('7'));
    Put_Decode_Entry(region, 0, {QStringLiteral("1500.5"), QStringLiteral("288.0"), QString(), QStringLiteral("abc")}, 2);
    // Byte 13 keeps its old value while the entry is in use.
    QCOMPARE(region.mid(2 * 0x100, 28), To_Hex(From_Hex("9D 3A 40 0B 02 61 62 63 00 00 00 00 00 77")));
    QCOMPARE(region.mid(2 * 0x100 + 28, 4), QStringLiteral("7777"));
}

void Tst_Two_Tone_Codec::emptyEntriesAreErased()
{
    QString region(1024, QLatin1Char('1'));
    const Two_Tone_Row emptyRow{QString(), QStringLiteral("1000.0"), QStringLiteral("x"), QStringLiteral("NAME")};
    Put_Encode_Entry(region, 2, emptyRow);
    Put_Decode_Entry(region, 2, emptyRow, 1);
    QCOMPARE(region.mid(2 * (0x00A + 24), 24), QString(24, QLatin1Char('F')));
    QCOMPARE(region.mid(2 * (0x100 + 28), 28), QString(28, QLatin1Char('F')));
    QCOMPARE(region.count(QLatin1Char('F')), 52);
}

void Tst_Two_Tone_Codec::readEntries()
{
    QString region = To_Hex(QByteArray(512, char(0xFF)));
    region.replace(2 * 0x00A, 24, QStringLiteral("102700003254454e432d3030"));
    region.replace(2 * (0x100 + 14), 28, QStringLiteral("9D3A0000FE41004200000000005A"));
    const Two_Tone_Entry encode = Read_Encode_Entry(region, 0);
    QVERIFY(encode.In_Use);
    QCOMPARE(encode.Tone_1, QStringLiteral("1000.0"));
    QVERIFY(encode.Tone_2.isEmpty());
    QCOMPARE(encode.Name, QStringLiteral("2TENC-00"));

    const Two_Tone_Entry decode = Read_Decode_Entry(region, 1);
    QVERIFY(decode.In_Use);
    QCOMPARE(decode.Tone_1, QStringLiteral("1500.5"));
    QVERIFY(decode.Tone_2.isEmpty());
    QCOMPARE(decode.Response_Byte, 0xFE);
    QCOMPARE(decode.Name, QStringLiteral("AB"));

    QVERIFY(!Read_Encode_Entry(region, 1).In_Use);
    QVERIFY(!Read_Decode_Entry(QString(), 0).In_Use);
}

void Tst_Two_Tone_Codec::responseIndex()
{
    const QStringList responses = {QStringLiteral("None"), QStringLiteral("Alert Tone"),
                                   QStringLiteral("Alert Tone and Reply")};
    QCOMPARE(Response_Index(responses, QStringLiteral("Alert Tone and Reply")), 2);
    QCOMPARE(Response_Index(responses, QStringLiteral("Alert Tone")), 1);
    // No match (an empty cell, another language, another case) stores "none".
    QCOMPARE(Response_Index(responses, QString()), 0);
    QCOMPARE(Response_Index(responses, QStringLiteral("alert tone")), 0);
}

void Tst_Two_Tone_Codec::shortRegionIsLeftAlone()
{
    QString region(100, QLatin1Char('0'));
    Put_Encode_Entry(region, 0, {QStringLiteral("1000.0"), QString(), QString(), QStringLiteral("A")});
    Put_Decode_Entry(region, 0, {QString(), QString(), QString(), QString()}, 0);
    QCOMPARE(region, QString(100, QLatin1Char('0')));
}

QTEST_MAIN(Tst_Two_Tone_Codec)
#include "tst_two_tone_codec.moc"
