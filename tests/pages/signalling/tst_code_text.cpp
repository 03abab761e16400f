// The two code-text conversions shared by the DTMF and 5-tone pages.

#include "pages/signalling/code_text.h"

#include <QtTest>

class Tst_Code_Text : public QObject
{
    Q_OBJECT
private slots:
    void hex_to_code_data();
    void hex_to_code();
    void code_to_hex_data();
    void code_to_hex();
};

void Tst_Code_Text::hex_to_code_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("code");

    QTest::newRow("empty") << "" << "";
    QTest::newRow("digits") << "30313233343536373839" << "0123456789";
    QTest::newRow("letters A-F kept") << "414243444546" << "ABCDEF";
    QTest::newRow("star and hash") << "2A23" << "*#";
    QTest::newRow("padding ends nothing") << "3100320000" << "12";
    QTest::newRow("erased slot") << "FFFFFFFFFFFF" << "";
    QTest::newRow("erased between") << "31FF32" << "12";
    QTest::newRow("lower-case letters dropped") << "61623165" << "1";
    QTest::newRow("neighbours of kept ranges") << "2F3A40472B22" << "";
    QTest::newRow("lower-case hex digits") << "2a2341" << "*#A";
    QTest::newRow("malformed pair reads as 0") << "3G3132" << "12";
    QTest::newRow("sign is no hex number") << "-13132" << "12";
    QTest::newRow("last single digit") << "31323" << "12";
    QTest::newRow("full 24-byte slot")
        << "303132333435363738394142434423232A2A313233343536" << "0123456789ABCD##**123456";
}

void Tst_Code_Text::hex_to_code()
{
    QFETCH(QString, hex);
    QFETCH(QString, code);
    QCOMPARE(Hex_String_To_Code_String(hex), code);
}

void Tst_Code_Text::code_to_hex_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("hex");

    QTest::newRow("empty own ID") << "" << 8 << "0000000000000000";
    QTest::newRow("full own ID") << "12345678" << 8 << "3132333435363738";
    QTest::newRow("code memory")
        << "12*#A" << 24 << "31322A2341" + QString(38, QLatin1Char('0'));
    QTest::newRow("kill code of 14 in 24")
        << "0123456789ABCD" << 24 << "3031323334353637383941424344" + QString(20, QLatin1Char('0'));
    QTest::newRow("upper-case digits") << "*#" << 2 << "2A23";
    QTest::newRow("no bytes") << "" << 0 << "";
}

void Tst_Code_Text::code_to_hex()
{
    QFETCH(QString, code);
    QFETCH(int, bytes);
    QFETCH(QString, hex);
    const QString result = Code_String_To_Hex_String(code, bytes);
    QCOMPARE(result, hex);
    QCOMPARE(Hex_String_To_Code_String(result), code);
}

QTEST_MAIN(Tst_Code_Text)
#include "tst_code_text.moc"
