// The 2-tone rules without widgets: tone and name conversions, the tone
// normaliser, the row checks and the entry layout.

#include "pages/signalling/two_tone_codec.h"

#include <QtTest>

class Tst_Two_Tone_Codec : public QObject
{
    Q_OBJECT
private slots:
    void toneFormat_data();
    void toneFormat();
    void toneValues_data();
    void toneValues();
    void nameDecoding_data();
    void nameDecoding();
    void nameEncoding_data();
    void nameEncoding();
    void rowChecks();
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

void Tst_Two_Tone_Codec::rowChecks()
{
    // Default names carry the decimal row number, also for the rows labelled A-F.
    Two_Tone_Row row{QStringLiteral("1000"), QStringLiteral("500.0"), QString(), QString()};
    Encode_Row_Check(row, 10);
    QCOMPARE(row.Tone_1, QStringLiteral("1000.0"));
    QCOMPARE(row.Tone_2, QStringLiteral("500.0"));
    QCOMPARE(row.Name, QStringLiteral("2TENC-10"));

    row = {QStringLiteral("4000"), QString(), QStringLiteral("tone"), QStringLiteral("KEEP")};
    Decode_Row_Check(row, 3, QStringLiteral("none"));
    QCOMPARE(row.Tone_1, QStringLiteral("3106.0"));
    QCOMPARE(row.Response, QStringLiteral("tone"));
    QCOMPARE(row.Name, QStringLiteral("KEEP"));

    row = {QStringLiteral("1000"), QString(), QString(), QString()};
    Decode_Row_Check(row, 3, QStringLiteral("none"));
    QCOMPARE(row.Response, QStringLiteral("none"));
    QCOMPARE(row.Name, QStringLiteral("2TDEC-03"));

    row = {QString(), QStringLiteral("300.0"), QStringLiteral("tone"), QStringLiteral("N")};
    Encode_Row_Check(row, 0);
    QVERIFY(row.Tone_2.isEmpty() && row.Name.isEmpty());
    row = {QString(), QStringLiteral("300.0"), QStringLiteral("tone"), QStringLiteral("N")};
    Decode_Row_Check(row, 0, QStringLiteral("none"));
    QVERIFY(row.Tone_2.isEmpty() && row.Response.isEmpty() && row.Name.isEmpty());
}

QTEST_MAIN(Tst_Two_Tone_Codec)
#include "tst_two_tone_codec.moc"
