// The widget-free rules of APRS_Block: frequencies, positions, altitude,
// path, comment, callsigns, transmit-channel records and the value lists.

#include "pages/aprs/aprs_codec.h"
#include "pages/aprs/aprs_lists.h"
#include "support/test_image.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace Aprs_Codec;

namespace {

quint32 Word(const QString& hexLe)
{
    const QByteArray b = From_Hex(hexLe);
    return quint32(quint8(b[0])) | quint32(quint8(b[1])) << 8 | quint32(quint8(b[2])) << 16
           | quint32(quint8(b[3])) << 24;
}

QString Word_Hex(quint32 word)
{
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char(word >> (8 * i));
    return To_Hex(b);
}

// A channel row as its cells show it in Chinese, and back.
QStringList Chinese_List(int column, int toneType)
{
    using namespace Aprs_Lists;
    switch (column) {
    case Column_Power: return Translated(Tx_Power_Texts);
    case Column_Wn: return Translated(Wn_Texts);
    case Column_Tone_Type: return Translated(Tone_Type_Texts);
    default: return toneType == Tone_Ctcss ? Ctcss_Values() : toneType == Tone_Dcs ? Dcs_Codes() : Translated(Null_Texts);
    }
}

QStringList Chinese_Cells(const Channel_Row& row)
{
    QStringList cells{row.Freq};
    const int indexes[] = {row.Power, row.Wn, row.Tone_Type, row.Tone_Value};
    for (int column = Column_Power; column < Column_Count; ++column) {
        const int index = indexes[column - Column_Power];
        cells.append(index < 0 ? QString() : Chinese_List(column, row.Tone_Type).value(index, QStringLiteral("?")));
    }
    return cells;
}

Channel_Row Chinese_Row(const QStringList& cells)
{
    const auto index = [&cells](int column, int toneType) {
        return int(Chinese_List(column, toneType).indexOf(cells.value(column)));
    };
    const int toneType = index(Column_Tone_Type, 0);
    return {cells.value(Column_Freq), index(Column_Power, 0), index(Column_Wn, 0), toneType,
            index(Column_Tone_Value, toneType)};
}

} // namespace

class Tst_Aprs_Codec : public QObject
{
    Q_OBJECT
private slots:
    void normalize_data();
    void normalize();
    void position_encode_data();
    void position_encode();
    void position_decode_data();
    void position_decode();
    void position_settles();
    void altitude_data();
    void altitude();
    void altitude_settles();
    void path_decode_data();
    void path_decode();
    void path_encode_data();
    void path_encode();
    void comment_decode_data();
    void comment_decode();
    void comment_encode_data();
    void comment_encode();
    void callsign();
    void channel_record_decode_data();
    void channel_record_decode();
    void channel_record_encode_data();
    void channel_record_encode();
    void value_lists();
    void symbol_names();
};

void Tst_Aprs_Codec::normalize_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");
    const char* rows[][2] = {
        {"145", "145.000000"},        {"144.39", "144.390000"},     {"145.0125", "145.012500"},
        {"145.0111", "145.010000"},   {"145.0068", "145.006250"},   {"145.005625", "145.005000"},
        {"145.00625", "145.006250"},  {"136.0125", "136.016666"},   {"136.02", "136.025000"},
        {"136.004", "136.000000"},    {"136.0042", "136.008333"},   {"136.9999999", "136.991666"},
        {"137", "137.000000"},        {"50", "136.000000"},         {"200", "174.000000"},
        {"299.999999", "174.000000"}, {"300", "400.000000"},        {"500", "470.000000"},
        {"2500", "470.000000"},       {"145.", "145.000000"},       {"145.5.5", "145.000000"},
        {".5", "136.000000"},         {"s", "136.000000"},          {"0.000000", "136.000000"},
        {"438.500000", "438.500000"}, {"99999999999", "136.000000"}};
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void Tst_Aprs_Codec::normalize()
{
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    QCOMPARE(Normalize_Freq_String(typed), cell);
    QCOMPARE(Normalize_Freq_String(cell), cell); // a normalised text stays
}

void Tst_Aprs_Codec::position_encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hemisphere");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("50.00140 N truncates") << "50.00140" << 0 << "CF85CD1D";
    QTest::newRow("24.5 N") << "24.5" << 0 << "C0E27B0E";
    QTest::newRow("24 N") << "24" << 0 << "001C4E0E";
    QTest::newRow("24 S") << "24" << 1 << "00E4B1F1";
    QTest::newRow("118 E") << "118" << 0 << "005F5546";
    QTest::newRow("default latitude") << "24.00000" << 0 << "001C4E0E";
    QTest::newRow("default longitude") << "118.00000" << 0 << "005F5546";
    QTest::newRow("24.050000 N") << "24.050000" << 0 << "E0AF520E";
    QTest::newRow("33.875000 S") << "33.875000" << 1 << "B07D04EC";
    QTest::newRow("empty") << "" << 0 << "00000000";
    QTest::newRow("no number") << "abc" << 0 << "00000000";
    QTest::newRow("nan") << "nan" << 1 << "00000000";
    QTest::newRow("inf held in range") << "inf" << 0 << "00000000";
}

void Tst_Aprs_Codec::position_encode()
{
    QFETCH(QString, text);
    QFETCH(int, hemisphere);
    QFETCH(QString, bytes);
    QCOMPARE(Word_Hex(Position_To_Word(text, hemisphere)), bytes);
}

void Tst_Aprs_Codec::position_decode_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hemisphere");
    QTest::newRow("24.5 N") << "C0E27B0E" << "24.500000" << 0;
    QTest::newRow("leading zero kept") << "E0AF520E" << "24.050000" << 0;
    QTest::newRow("118 E") << "005F5546" << "118.000000" << 0;
    QTest::newRow("zero") << "00000000" << "0.000000" << 0;
    QTest::newRow("33.875 S") << "B07D04EC" << "33.875000" << 1;
    QTest::newRow("50.00140 truncated word") << "CF85CD1D" << "50.001400" << 0;
    QTest::newRow("minutes beyond 60 carry") << Word_Hex(240000000 + 6000000) << "25.000000" << 0;
}

void Tst_Aprs_Codec::position_decode()
{
    QFETCH(QString, bytes);
    QFETCH(QString, text);
    QFETCH(int, hemisphere);
    const Position position = Position_From_Word(Word(bytes));
    QCOMPARE(position.Text, text);
    QCOMPARE(position.Hemisphere, hemisphere);
}

// Whatever a word holds, the word written after one decode comes back from
// every later decode and encode.
void Tst_Aprs_Codec::position_settles()
{
    QRandomGenerator generator(8);
    QVector<quint32> words;
    for (int i = 0; i < 200000; ++i)
        words.append(generator.generate());
    for (quint32 minutes = 0; minutes < 60000; ++minutes)
        words.append(500000000u + minutes);
    words << 0x80000000u << 0x7FFFFFFFu << 0xFFFFFFFFu;
    for (quint32 word : words) {
        const Position first = Position_From_Word(word);
        const quint32 settled = Position_To_Word(first.Text, first.Hemisphere);
        const Position second = Position_From_Word(settled);
        if (Position_To_Word(second.Text, second.Hemisphere) != settled)
            QFAIL(qPrintable(QStringLiteral("word %1 does not settle").arg(word, 8, 16)));
    }
}

void Tst_Aprs_Codec::altitude_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<bool>("feet");
    QTest::addColumn<QString>("text");
    QTest::newRow("100 m") << "A0860100" << false << "100.0";
    QTest::newRow("100 m in feet") << "A0860100" << true << "328.1";
    QTest::newRow("250 m") << "90D00300" << false << "250.0";
    QTest::newRow("250 m in feet") << "90D00300" << true << "820.2";
    QTest::newRow("bit 31 reads 0") << "00000080" << false << "0.0";
    QTest::newRow("half tenth rounds up") << Word_Hex(88350) << false << "88.4";
}

void Tst_Aprs_Codec::altitude()
{
    QFETCH(QString, bytes);
    QFETCH(bool, feet);
    QFETCH(QString, text);
    QCOMPARE(Altitude_From_Word(Word(bytes), feet), text);

    QCOMPARE(Word_Hex(Altitude_To_Word(QStringLiteral("100"), false)), QStringLiteral("A0860100"));
    QCOMPARE(Word_Hex(Altitude_To_Word(QStringLiteral("100"), true)), QStringLiteral("10770000"));
    QCOMPARE(Altitude_To_Word(QStringLiteral("1"), true), 304u);
    QCOMPARE(Altitude_To_Word(QStringLiteral("x"), false), 0u);
}

void Tst_Aprs_Codec::altitude_settles()
{
    QRandomGenerator generator(9);
    for (int i = 0; i < 100000; ++i) {
        const quint32 word = i < 50000 ? generator.bounded(100000000u) : generator.generate();
        for (bool feet : {false, true}) {
            const quint32 settled = Altitude_To_Word(Altitude_From_Word(word, feet), feet);
            if (Altitude_To_Word(Altitude_From_Word(settled, feet), feet) != settled)
                QFAIL(qPrintable(QStringLiteral("altitude %1 (feet %2) does not settle").arg(word).arg(feet)));
        }
    }
}

void Tst_Aprs_Codec::path_decode_data()
{
    QTest::addColumn<QString>("hex"); // count byte, then the entry slots
    QTest::addColumn<QString>("text");
    const QString rest = QStringLiteral("00").repeated(56);
    QTest::newRow("two entries") << "02" + QStringLiteral("41424300000001") + QStringLiteral("444546FFFFFF00")
                                        + QStringLiteral("00").repeated(42)
                                 << "ABC-1,DEF,";
    QTest::newRow("count 0") << "00" + QStringLiteral("41424300000001") + QStringLiteral("00").repeated(49) << "";
    QTest::newRow("count 9") << "09" + rest << "";
    QTest::newRow("count 8 longest") << "08" + QStringLiteral("414243444546FF").repeated(8)
                                     << QStringLiteral("ABCDEF-255,").repeated(8);
}

void Tst_Aprs_Codec::path_decode()
{
    QFETCH(QString, hex);
    QFETCH(QString, text);
    QCOMPARE(Path_From_Hex(hex), text);
    QVERIFY(text.size() <= 88);
}

void Tst_Aprs_Codec::path_encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("entries");
    QTest::newRow("two") << "WIDE1-1,WIDE2-2" << 2 << "57494445310001" "57494445320002";
    QTest::newRow("no ssid") << "RELAY" << 1 << "52454C41590000";
    QTest::newRow("two-digit ssid") << "WIDE2-15" << 1 << "5749444532000F";
    QTest::newRow("ssid cut to two digits") << "AB-123" << 1 << "4142000000000C";
    QTest::newRow("name cut to six") << "ABCDEFGH" << 1 << "41424344454600";
    QTest::newRow("long entry cut before the ssid") << "ABCDEFGHIJ-5" << 1 << "41424344454600";
    QTest::newRow("empty entries skipped") << "A,,B," << 2 << "41000000000000" "42000000000000";
    QTest::newRow("decoded text") << "ABC-1,DEF," << 2 << "41424300000001" "44454600000000";
    QTest::newRow("empty") << "" << 0 << "";
    QTest::newRow("neither name nor ssid") << "A,-,-0,-x,-7" << 2 << "41000000000000" "00000000000007";
    QTest::newRow("at most eight") << QStringLiteral("A,").repeated(10) << 8 << QStringLiteral("41000000000000").repeated(8);
}

void Tst_Aprs_Codec::path_encode()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, entries);
    const Path_Hex path = Path_To_Hex(text);
    QCOMPARE(path.Count, count);
    QCOMPARE(path.Entries, entries);
}

void Tst_Aprs_Codec::comment_decode_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero padding") << "4142" + QStringLiteral("00").repeated(62) << "AB";
    QTest::newRow("erased") << QStringLiteral("FF").repeated(64) << "";
    QTest::newRow("0xFF padding") << "4142" + QStringLiteral("FF").repeated(62) << "AB";
    QTest::newRow("whole 64 bytes") << QStringLiteral("78").repeated(64) << QStringLiteral("x").repeated(64);
    QTest::newRow("inner zeros kept") << "41000042" + QStringLiteral("00").repeated(60)
                                      << QStringLiteral("A") + QChar(0) + QChar(0) + QStringLiteral("B");
    QTest::newRow("six zero digits dropped") << "4100000042" + QStringLiteral("00").repeated(59) << "AB";
    QTest::newRow("last byte ends in 0") << "50" + QStringLiteral("00").repeated(63) << "P";
    QTest::newRow("utf-8") << "E4B8AD" + QStringLiteral("00").repeated(61) << QString::fromUtf8("中");
}

void Tst_Aprs_Codec::comment_decode()
{
    QFETCH(QString, hex);
    QFETCH(QString, text);
    QCOMPARE(Comment_From_Hex(hex), text);
}

void Tst_Aprs_Codec::comment_encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("back"); // what a decode shows again
    const QString zhong = QString::fromUtf8("中");
    QTest::newRow("empty") << "" << QStringLiteral("00").repeated(64) << "";
    QTest::newRow("ascii") << "AB" << "4142" + QStringLiteral("00").repeated(62) << "AB";
    QTest::newRow("exactly 64 bytes") << "A" + zhong.repeated(21) << "41" + QStringLiteral("E4B8AD").repeated(21)
                                      << "A" + zhong.repeated(21);
    QTest::newRow("cut before a split character") << "AB" + zhong.repeated(21)
                                                  << "4142" + QStringLiteral("E4B8AD").repeated(20) + "0000"
                                                  << "AB" + zhong.repeated(20);
}

void Tst_Aprs_Codec::comment_encode()
{
    QFETCH(QString, text);
    QFETCH(QString, hex);
    QFETCH(QString, back);
    QCOMPARE(Comment_To_Hex(text), hex);
    QCOMPARE(Comment_From_Hex(hex), back);
}

void Tst_Aprs_Codec::callsign()
{
    QCOMPARE(Callsign_To_Hex(QStringLiteral("AB1CD")), QStringLiteral("4142314344FF"));
    QCOMPARE(Callsign_To_Hex(QString()), QStringLiteral("FFFFFFFFFFFF"));
    QCOMPARE(Callsign_To_Hex(QString::fromUtf8("ABCDE中")), QStringLiteral("4142434445FF"));
    QCOMPARE(Callsign_From_Hex(u"414243FFFFFF"), QStringLiteral("ABC"));
    QCOMPARE(Callsign_From_Hex(u"414243000000"), QStringLiteral("ABC") + QString(3, QChar(0)));
    QCOMPARE(Callsign_From_Hex(u"FFFFFFFFFFFF"), QString());
}

void Tst_Aprs_Codec::channel_record_decode_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("ctcss") << "1A22FAA0FF0002010800" << QStringList{"438.500000", "高功", "宽带", "模拟亚音", "88.5"};
    QTest::newRow("dcs uses byte 9") << "089B3770FF0100020567"
                                     << QStringList{"144.390000", "低功", "窄带", "数字亚音", "754"};
    QTest::newRow("no tone ignores 8 and 9") << "089B3770FF0003000505"
                                             << QStringList{"144.390000", "超高功", "宽带", "无", "无"};
    // "?": a byte beyond its list, kept as read.
    QTest::newRow("tone type beyond list") << "089B3770FF0001030000"
                                           << QStringList{"144.390000", "中功", "宽带", "?", ""};
    QTest::newRow("indexes beyond lists") << "089B3770FF0907016400"
                                          << QStringList{"144.390000", "?", "?", "模拟亚音", "?"};
    QTest::newRow("empty channel") << "FFFFFFFF010203040506" << QStringList{"", "", "", "", ""};
    QTest::newRow("frequency above 0x7FFFFFFF") << "FFFFFFFE000000000000"
                                                << QStringList{"0.000000", "低功", "宽带", "无", "无"};
}

void Tst_Aprs_Codec::channel_record_decode()
{
    QFETCH(QString, hex);
    QFETCH(QStringList, cells);
    QCOMPARE(Chinese_Cells(Channel_From_Hex(hex)), cells);
}

void Tst_Aprs_Codec::channel_record_encode_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("hex");
    QTest::newRow("empty frequency") << QStringList{"", "高功", "窄带", "模拟亚音", "88.5"} << "FFFFFFFFFFFFFFFFFFFF";
    QTest::newRow("ctcss first") << QStringList{"438.500000", "高功", "宽带", "模拟亚音", "67.0"} << "1A22FAA0FF0002010000";
    QTest::newRow("ctcss last") << QStringList{"438.500000", "低功", "窄带", "模拟亚音", "254.1"}
                                << "1A22FAA0FF0100013100";
    QTest::newRow("dcs first") << QStringList{"144.390000", "超高功", "宽带", "数字亚音", "023"} << "089B3770FF0003020000";
    QTest::newRow("none ignores the value") << QStringList{"144.390000", "中功", "宽带", "无", "88.5"}
                                            << "089B3770FF0001000000";
    QTest::newRow("unknown texts") << QStringList{"144.390000", "?", "?", "?", "?"} << "089B3770FF0002000000";
    QTest::newRow("frequency no number") << QStringList{"x", "低功", "宽带", "无", "无"} << "00000000FF0000000000";
}

void Tst_Aprs_Codec::channel_record_encode()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, hex);
    QCOMPARE(Channel_Hex(Chinese_Row(cells), {}), hex);
    // Bytes beyond their lists go back as read, the tone bytes of a tone type beyond its list too.
    for (const QString record : {"089B3770FF0907016400", "089B3770FF0001031234", "089B3770FF00FF0200FF"})
        QCOMPARE(Channel_Hex(Channel_From_Hex(record), record), record);
}

void Tst_Aprs_Codec::value_lists()
{
    const QStringList ctcss = Aprs_Lists::Ctcss_Values();
    QCOMPARE(ctcss.size(), 50);
    QCOMPARE(ctcss.at(12), QStringLiteral("100.0"));
    QCOMPARE(ctcss.at(49), QStringLiteral("254.1"));
    const QStringList dcs = Aprs_Lists::Dcs_Codes();
    QCOMPARE(dcs.size(), 104);
    QCOMPARE(dcs.first(), QStringLiteral("023"));
    QCOMPARE(dcs.last(), QStringLiteral("754"));
    for (const QStringList* list : {&ctcss, &dcs}) {
        for (int i = 1; i < list->size(); ++i)
            QVERIFY(list->at(i - 1).toDouble() < list->at(i).toDouble());
    }

    const QStringList interval = Aprs_Lists::Translated(Aprs_Lists::Manual_Interval_Texts);
    QCOMPARE(interval.size(), 51);
    QCOMPARE(interval.first(), QStringLiteral("关闭"));
    const QStringList expected = {"40S", "45S", "50S", "55S", "60S", "70S"};
    QCOMPARE(interval.mid(22, 6), expected);
    QCOMPARE(interval.at(50), QStringLiteral("300S"));
    // Position i stands for the seconds of the published rule.
    for (int i = 1; i <= 50; ++i) {
        const int seconds = i <= 10 ? i : i <= 20 ? 10 + 2 * (i - 10) : i <= 26 ? 30 + 5 * (i - 20) : 60 + 10 * (i - 26);
        QCOMPARE(interval.at(i), QString::number(seconds) + QLatin1Char('S'));
    }
    QCOMPARE(Aprs_Lists::Translated(Aprs_Lists::Tone_Type_Texts).first(),
             Aprs_Lists::Translated(Aprs_Lists::Null_Texts).first());
}

void Tst_Aprs_Codec::symbol_names()
{
    const QStringList primary = Aprs_Lists::Symbol_Names(false);
    const QStringList alternate = Aprs_Lists::Symbol_Names(true);
    QCOMPARE(primary.size(), 94);
    QCOMPARE(alternate.size(), 94);
    // The ends, and one entry from each row of the code table.
    const std::pair<int, const char*> primaryNames[] = {
        {0, "BB:0 Police Stn"}, {93, "J4:93 TNC Stream Sw"}, {14, "BP:14 Red Dot"}, {15, "P0:15 Circle (0)"},
        {25, "MR:25 Fire"},     {32, "PA:32 Aid Stn"},       {58, "HS:58 Jogger"},  {64, "LA:64 Ambulance"},
        {90, "J1:90 No Symbol"}};
    const std::pair<int, const char*> alternateNames[] = {
        {0, "OB:0 Emergency"}, {93, "Q4:93 TNC Stream SW"}, {24, "A9:24 Petrol Stn"}, {31, "NX:31 Hurricane"},
        {57, "AZ:57 No Symbol"}, {63, "DX:63 Rain"},        {89, "SZ:89 No. Shelter"}};
    for (const auto& [at, name] : primaryNames)
        QCOMPARE(primary.at(at), QString::fromLatin1(name));
    for (const auto& [at, name] : alternateNames)
        QCOMPARE(alternate.at(at), QString::fromLatin1(name));

    const QStringList symbols = Aprs_Lists::Symbol_List(primary);
    QCOMPARE(symbols.size(), 94);
    QCOMPARE(symbols.first(), QStringLiteral("!:BB:0 Police Stn"));
    QCOMPARE(symbols.last(), QStringLiteral("~:J4:93 TNC Stream Sw"));
    QVERIFY(symbols.at(14).startsWith(QStringLiteral("/:")));
    QVERIFY(symbols.at(59).startsWith(QStringLiteral("\\:")));
}

QTEST_MAIN(Tst_Aprs_Codec)
#include "tst_aprs_codec.moc"
