// Decode-all followed by encode-all, over a set of images: every byte that no
// page owns stays as it was, only hex digits are written, and a second cycle
// changes nothing.

#include "app/mainwindow.h"
#include "image/blank_image.h"
#include "image/data_file_read_write.h"
#include "image/image_line_format.h"
#include "image/hex_text.h"
#include "image/image_regions.h"
#include "support/owned_ranges.h"
#include "support/test_image.h"
#include "support/test_workdir.h"

#include <QFile>
#include <QtTest>

namespace {

// One flag per byte of the full image range: owned by one of `pages` or in `more`.
QVector<bool> Mask_Of(const QVector<Owned_Page>& pages, QVector<Owned_Range> more = {})
{
    for (const Owned_Page& page : pages)
        more += page.Ranges;
    QVector<bool> mask(Image_Region::Image_End - Image_Region::Image_Start, false);
    for (const Owned_Range& r : std::as_const(more)) {
        for (int a = r.Addr; a < r.Addr + r.Len; ++a) {
            if (a >= Image_Region::Image_Start && a < Image_Region::Image_End)
                mask[a - Image_Region::Image_Start] = true;
        }
    }
    return mask;
}

// The data digits of each byte, address by address (the line layout is
// checked separately).
QStringList Byte_Digits(const QString& text)
{
    QVector<Image_Line_Info> lines;
    QString error;
    if (!Parse_Image_Text(text, &lines, &error))
        return {};
    QStringList digits;
    for (const Image_Line_Info& line : lines) {
        for (int i = 0; i < line.Count; ++i)
            digits.append(text.mid(line.Data_Pos + 2 * i, 2));
    }
    return digits;
}

QString Line_Layout(const QString& text)
{
    QString layout;
    for (const QString& line : text.split(QLatin1Char('\n')))
        layout += line.left(12) + QLatin1Char('|');
    return layout;
}

} // namespace

class Tst_Roundtrip : public QObject
{
    Q_OBJECT

private slots:
    void pages_declare_disjoint_ranges();
    void foreign_bytes_survive_data();
    void foreign_bytes_survive();
    void default_file_round_trips_exactly();
};

void Tst_Roundtrip::pages_declare_disjoint_ranges()
{
    QVector<int> owner(Image_Region::Image_End - Image_Region::Image_Start, -1);
    const QVector<Owned_Page>& pages = All_Owned_Pages();
    for (int p = 0; p < pages.size(); ++p) {
        for (const Owned_Range& r : pages[p].Ranges) {
            QVERIFY2(r.Len > 0 && r.Addr >= Image_Region::Image_Start && r.Addr + r.Len <= Image_Region::Image_End,
                     qPrintable(pages[p].Page));
            for (int a = r.Addr; a < r.Addr + r.Len; ++a) {
                const int i = a - Image_Region::Image_Start;
                if (owner[i] >= 0 && owner[i] != p)
                    QFAIL(qPrintable(QStringLiteral("0x%1 owned by %2 and %3")
                                         .arg(a, 0, 16)
                                         .arg(pages[owner[i]].Page, pages[p].Page)));
                owner[i] = p;
            }
        }
    }
}

void Tst_Roundtrip::foreign_bytes_survive_data()
{
    using namespace Image_Region;
    QTest::addColumn<QString>("image");
    const int size = Image_End - Image_Start;
    QTest::newRow("blank") << Blank_Image_Text();
    QTest::newRow("all 00") << Make_Image_Text(Image_Start, QByteArray(size, char(0x00)), {64, false, false});
    QTest::newRow("all FF") << Make_Image_Text(Image_Start, QByteArray(size, char(0xFF)), {64, false, false});
    QTest::newRow("all ff lower case") << Make_Image_Text(Image_Start, QByteArray(size, char(0xFF)), {64, true, false});
    QTest::newRow("random 1") << Make_Image_Text(Image_Start, Seeded_Bytes(size, 1), {64, false, false});
    QTest::newRow("random 2 lower case, short lines")
        << Make_Image_Text(Image_Start, Seeded_Bytes(size, 2), {16, true, false});
    QTest::newRow("random 3 crlf, odd lines") << Make_Image_Text(Image_Start, Seeded_Bytes(size, 3), {27, false, true});
    QTest::newRow("default") << Read_Text_File(QStringLiteral(KESTREL_RUNTIME_DIR "/Default/Default_CN.PF"));
}

void Tst_Roundtrip::foreign_bytes_survive()
{
    QFETCH(QString, image);
    QVERIFY(!image.isEmpty());
    Test_Workdir dir;
    MainWindow window;

    const QVector<bool> owned = Mask_Of(All_Owned_Pages(), Shell_Owned_Ranges());
    const QVector<bool> lossy = Mask_Of(All_Lossy_Pages());

    const QString in = dir.File(QStringLiteral("Data Files/in.PF"));
    QVERIFY(Write_Text_File(in, image));
    QVERIFY(window.Open_File(in));

    QStringList cycles;
    for (int cycle = 1; cycle <= 4; ++cycle) {
        const QString out = dir.File(QStringLiteral("Data Files/out%1.PF").arg(cycle));
        QVERIFY(window.Save_File_To(out));
        cycles.append(Read_Text_File(out));
        QVERIFY(window.Open_File(out));
    }

    const QStringList before = Byte_Digits(image);
    const QStringList first = Byte_Digits(cycles[0]);
    const QStringList second = Byte_Digits(cycles[1]);
    QCOMPARE(first.size(), before.size());
    QCOMPARE(Line_Layout(cycles[0]), Line_Layout(image));
    for (int i = 0; i < before.size(); ++i) {
        const int addr = Image_Region::Image_Start + i;
        QVERIFY2(Is_Hex_Text(first[i]), qPrintable(QStringLiteral("0x%1: %2").arg(addr, 0, 16).arg(first[i])));
        if (!owned[i])
            QVERIFY2(first[i].compare(before[i], Qt::CaseInsensitive) == 0,
                     qPrintable(QStringLiteral("foreign byte 0x%1 changed: %2 -> %3").arg(addr, 0, 16).arg(before[i], first[i])));
        if (!lossy[i])
            QVERIFY2(second[i] == first[i],
                     qPrintable(QStringLiteral("byte 0x%1 moved on the second cycle: %2 -> %3").arg(addr, 0, 16).arg(first[i], second[i])));
    }
    // Lossy words settle within three cycles.
    QCOMPARE(cycles[3], cycles[2]);
}

void Tst_Roundtrip::default_file_round_trips_exactly()
{
    for (const char* name : {"Default_CN.PF", "Default_EN.PF"}) {
        Test_Workdir dir;
        MainWindow window;
        const QString original = Read_Text_File(QStringLiteral(KESTREL_RUNTIME_DIR "/Default/") + QLatin1String(name));
        const QString out = dir.File(QStringLiteral("Data Files/out.PF"));
        QVERIFY(window.Open_File(QStringLiteral("Default/") + QLatin1String(name)));
        QVERIFY(window.Save_File_To(out));
        QCOMPARE(Read_Text_File(out), original);
        // The default is settled over the full range.
        QVector<Image_Line_Info> lines;
        QString error;
        QVERIFY(Parse_Image_Text(original, &lines, &error));
        QCOMPARE(lines.first().Addr, Image_Region::Image_Start);
        QCOMPARE(lines.last().Addr + lines.last().Count, Image_Region::Image_End);
    }
}

QTEST_MAIN(Tst_Roundtrip)
#include "tst_roundtrip.moc"
