// The FM page's widget-free rules: frequency texts, names, records and flags.

#include "pages/fm/fm_codec.h"

#include <QtTest>

using namespace Fm_Codec;

class Tst_Fm_Codec : public QObject
{
    Q_OBJECT
private slots:
    void frequencyRule_data();
    void frequencyRule();
    void storedFrequency_data();
    void storedFrequency();
    void nameDecoding_data();
    void nameDecoding();
    void namesRoundTrip_data();
    void namesRoundTrip();
    void recordBytes();
    void flagBits();
};

void Tst_Fm_Codec::frequencyRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lowest") << "64" << "64.0";
    QTest::newRow("rounds up to the band") << "63.95" << "64.0";
    QTest::newRow("below") << "50" << "64.0";
    QTest::newRow("below ten") << "9" << "64.0";
    QTest::newRow("negative") << "-90" << "64.0";
    QTest::newRow("half up") << "88.25" << "88.3";
    QTest::newRow("half up, binary below") << "88.35" << "88.4";
    QTest::newRow("half up, binary below 2") << "64.05" << "64.1";
    QTest::newRow("under half") << "88.349" << "88.3";
    QTest::newRow("carry into hundreds") << "99.95" << "100.0";
    QTest::newRow("kept") << "107.9" << "107.9";
    QTest::newRow("rounds to the top") << "107.96" << "108.0";
    QTest::newRow("top") << "108" << "108.0";
    QTest::newRow("above") << "120" << "108.0";
    QTest::newRow("far above") << "1e999" << "108.0";
    QTest::newRow("point only after") << "88." << "88.0";
    QTest::newRow("blanks") << " 90.44 " << "90.4";
    QTest::newRow("exponent") << "9.005e1" << "90.1";
    QTest::newRow("letters") << "abc" << "64.0";
    QTest::newRow("nan") << "nan" << "64.0";
    QTest::newRow("inf") << "inf" << "64.0";
    QTest::newRow("-inf") << "-inf" << "64.0";
    QTest::newRow("comma") << "90,4" << "64.0";
    QTest::newRow("hex") << "0x5A" << "64.0";
    QTest::newRow("empty") << "" << "64.0";
}

void Tst_Fm_Codec::frequencyRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(Frequency_Rule(typed), shown);
}

void Tst_Fm_Codec::storedFrequency_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("shown");
    QTest::newRow("90.4") << "05636500" << "90.4";
    QTest::newRow("cut, not rounded") << "05642850" << "90.4"; // 90 450 000 Hz
    QTest::newRow("lowest") << "03D09000" << "64.0";           // 64 000 000 Hz
    QTest::newRow("just below") << "03D08FFF" << "";           // 63 999 999 Hz
    QTest::newRow("hundreds") << "05F5E100" << "100.0";
    QTest::newRow("highest") << "0671799F" << "108.0";          // 108 099 999 Hz
    QTest::newRow("just above") << "067179A0" << "";           // 108 100 000 Hz
    QTest::newRow("lower case") << "066ff300" << "108.0";
    QTest::newRow("erased") << "FFFFFFFF" << "";
    QTest::newRow("not signed 32-bit") << "85F5E100" << "";
    QTest::newRow("not hex") << "0563650G" << "";
    QTest::newRow("short") << "056365" << "";
}

void Tst_Fm_Codec::storedFrequency()
{
    QFETCH(QString, hex);
    QFETCH(QString, shown);
    QCOMPARE(Frequency_Text_From_Hex(hex), shown);
}

void Tst_Fm_Codec::nameDecoding_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("name");
    const QString zeros(48, QLatin1Char('0'));
    QTest::newRow("zero padding") << QString("414200" + zeros).left(48) << "AB";
    QTest::newRow("erased padding") << QString("4142" + QString(44, 'F')) << "AB";
    QTest::newRow("erased") << QString(48, 'F') << "";
    QTest::newRow("empty name") << zeros << "";
    QTest::newRow("lower case") << QString("e694b6" + zeros).left(48) << QString::fromUtf8("收");
    QTest::newRow("bad UTF-8 then erased") << QString("41C3" + QString(44, 'F')) << QString("A") + QChar(0xFFFD);
    QTest::newRow("kept to 8") << QString("41").repeated(10) + QString(28, '0') << "AAAAAAAA";
}

void Tst_Fm_Codec::nameDecoding()
{
    QFETCH(QString, hex);
    QFETCH(QString, name);
    QCOMPARE(Name_From_Hex(hex), name);
}

void Tst_Fm_Codec::namesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"FM-10", "FM-20", "0", "00", "A0B0", "收音机存储信道名", "Ä-Radio0", "😀😀😀😀", "x"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void Tst_Fm_Codec::namesRoundTrip()
{
    QFETCH(QString, name);
    const QString hex = Name_To_Hex(name);
    QCOMPARE(hex.size(), 48);
    QCOMPARE(Name_From_Hex(hex), name);
}

void Tst_Fm_Codec::recordBytes()
{
    QCOMPARE(Encode_Record("90.4", "FM-00"),
             QString("05636500" "464D2D3030") + QString(38, '0') + "FFFFFFFF");
    QCOMPARE(Default_Name(10), QString("FM-10"));
    QCOMPARE(Encode_Record("100.0", Default_Name(10)),
             QString("05F5E100" "464D2D3130") + QString(38, '0') + "FFFFFFFF");
    QCOMPARE(Unused_Record(), QString(64, 'F'));
    // Eight three-byte characters fill the whole name field.
    const QString full = QString::fromUtf8("收音机存储信道名");
    const QString record = Encode_Record("108.0", full);
    QCOMPARE(record.mid(8, 48), QString::fromLatin1(full.toUtf8().toHex()).toUpper());
    const Channel back = Decode_Record(record);
    QCOMPARE(back.Frequency, QString("108.0"));
    QCOMPARE(back.Name, full);
    // A record without a valid frequency shows nothing, its name included.
    QCOMPARE(Decode_Record(QString("FFFFFFFF") + record.mid(8)).Name, QString());
    QCOMPARE(Channel_Record_Addr(31), 0x13E80 + 31 * 32);
}

void Tst_Fm_Codec::flagBits()
{
    QString flags = "0000000000000000";
    Set_Channel_In_Use(flags, 0, true);
    Set_Channel_In_Use(flags, 10, true);
    Set_Channel_In_Use(flags, 31, true);
    QCOMPARE(flags, QString("0104008000000000"));
    QVERIFY(Channel_In_Use(flags, 0) && Channel_In_Use(flags, 10) && Channel_In_Use(flags, 31));
    QVERIFY(!Channel_In_Use(flags, 1) && !Channel_In_Use(flags, 8));

    // Only the byte of the channel is rewritten, in upper case.
    flags = "fe0a00000a0b0c0d";
    Set_Channel_In_Use(flags, 1, false);
    QCOMPARE(flags, QString("FC0a00000a0b0c0d"));
    QVERIFY(Channel_In_Use(flags, 9));

    // A flag byte that is not hex counts as 0.
    flags = "zz00000000000000";
    QVERIFY(!Channel_In_Use(flags, 0));
    Set_Channel_In_Use(flags, 2, true);
    QCOMPARE(flags, QString("0400000000000000"));
}

QTEST_APPLESS_MAIN(Tst_Fm_Codec)
#include "tst_fm_codec.moc"
