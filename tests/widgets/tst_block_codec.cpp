// The block codec on images that hold all, part or none of its blocks: a
// block is written only when the image holds it whole, in upper case or with
// its digits as read; entries inside a block follow its rows; a table of its
// own regions is encoded only when it holds all of them; nothing else moves.

#include "image/data_file_read_write.h"
#include "support/test_image.h"
#include "widgets/block_codec.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

const Image_Region::Region Upper{0x100, 16};
const Image_Region::Region Kept_Case{0x120, 16};
const Image_Region::Region Table_1{0x140, 8};
const Image_Region::Region Table_2{0x148, 8};

bool Holds(const DATA_FILE_READ_WRITE& image, const Image_Region::Region& region)
{
    return image.Holds(region.Addr, region.Size);
}

} // namespace

class Tst_Block_Codec : public QObject
{
    Q_OBJECT
private slots:
    void whole_blocks_only()
    {
        QStringList shown;
        int tablesDecoded = 0;
        Block_Codec codec;
        codec.Add_Rows(Upper, {Byte_Row::Fixed(2, QStringLiteral("AB"))});
        codec.Add_Entries(
            Upper, {{Upper, 8, 4}}, [&shown](QStringView block) { shown << block.toString(); },
            [](QString& block) { block.replace(16, 8, QStringLiteral("01020304")); });
        codec.Add_Rows(Kept_Case, {Byte_Row::Fixed(0, QStringLiteral("CD"))}, Block_Codec::Digits::As_Read);
        codec.Add_Table({Table_1, Table_2}, {{Table_1, 0, 1}},
                        [&tablesDecoded](const DATA_FILE_READ_WRITE&) { ++tablesDecoded; },
                        [](DATA_FILE_READ_WRITE& image) {
                            QString hex = QStringLiteral("EE");
                            image.Write_String_To_Ram_File(Table_1.Addr, hex);
                        });
        QCOMPARE(codec.Owned().size(), 4);
        QCOMPARE(codec.Owned().at(1).Addr(), 0x108);

        for (quint32 seed = 1; seed <= 200; ++seed) {
            QRandomGenerator random(seed);
            const int start = 0xF0 + random.bounded(0x70);
            const int end = start + 1 + random.bounded(0x160 - start);
            auto image = Make_Image(start, Seeded_Bytes(end - start, seed), {int(random.bounded(1, 40)), true, false});
            QString expected = image->Image_Text(); // as read, before the decode
            const auto read = [&](const Image_Region::Region& r) {
                return image->Read_String_From_Ram_File(r.Addr, r.Size);
            };

            shown.clear();
            tablesDecoded = 0;
            codec.Decode(*image);
            QCOMPARE(shown, QStringList{read(Upper)}); // empty when not whole
            QCOMPARE(tablesDecoded, 1);

            // What the encode must give, worked out on the text as read.
            const auto patch = [&](int addr, QString hex) {
                DATA_FILE_READ_WRITE target(QStringLiteral("/nonexistent/TempFile.Dat"));
                QVERIFY(target.Load_Image_Text(expected));
                QVERIFY(target.Write_String_To_Ram_File(addr, hex));
                expected = target.Image_Text();
            };
            if (Holds(*image, Upper)) {
                QString block = read(Upper).toUpper();
                block.replace(4, 2, QStringLiteral("AB"));
                block.replace(16, 8, QStringLiteral("01020304"));
                patch(Upper.Addr, block);
            }
            if (Holds(*image, Kept_Case))
                patch(Kept_Case.Addr, QStringLiteral("CD"));
            if (Holds(*image, Table_1) && Holds(*image, Table_2))
                patch(Table_1.Addr, QStringLiteral("EE"));

            codec.Encode(*image);
            QVERIFY2(image->Image_Text() == expected, qPrintable(QStringLiteral("seed %1").arg(seed)));
        }
    }
};

QTEST_MAIN(Tst_Block_Codec)
#include "tst_block_codec.moc"
