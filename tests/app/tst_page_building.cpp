// Pages are built the first time they are needed. Whichever pages were built
// when, decode all, encode all and the language switch give the bytes they
// give with every page built from the start.

#include "app/mainwindow.h"
#include "image/data_file_read_write.h"
#include "image/image_regions.h"
#include "support/test_image.h"
#include "support/test_workdir.h"

#include <QtTest>

namespace {

// Random bytes over every page's regions, from the FM table to the end of the 5-tone block.
bool Scramble_Pages(DATA_FILE_READ_WRITE* image, quint32 seed)
{
    const int start = Image_Region::Fm_Channel_Table_Addr;
    const int end = Image_Region::Five_Tone_Block_Addr + Image_Region::Five_Tone_Block_Size;
    QString hex = To_Hex(Seeded_Bytes(end - start, seed));
    return image->Write_String_To_Ram_File(start, hex);
}

// Opens `in`, writes straight into the image (bytes a page owns are to come
// back as the page decoded them), then saves, switches language and saves
// again, or switches first; gives the saved texts.
QStringList Run(const Test_Workdir& dir, const QString& in, quint32 seed, int builtFirst, bool switchFirst)
{
    MainWindow window;
    for (int slot = 0; slot < MainWindow::Slot_Count; ++slot) {
        if (builtFirst < 0 || slot == builtFirst)
            window.Page_At(MainWindow::Page_Slot(slot));
    }
    const QString out = dir.File(QStringLiteral("Data Files/out.PF"));
    QStringList saved;
    if (!window.Open_File(in) || !Scramble_Pages(window.Image(), seed + 1000))
        return {};
    if (!switchFirst && window.Save_File_To(out))
        saved << Read_Text_File(out);
    window.Language_Change(QStringLiteral("ENGLISH"));
    saved << Read_Text_File(MainWindow::Working_File_Path());
    if (window.Save_File_To(out))
        saved << Read_Text_File(out);
    return saved;
}

} // namespace

class Tst_Page_Building : public QObject
{
    Q_OBJECT

private slots:
    void any_build_order_gives_the_same_bytes();
};

void Tst_Page_Building::any_build_order_gives_the_same_bytes()
{
    Test_Workdir dir;
    const QString in = dir.File(QStringLiteral("Data Files/in.PF"));
    for (quint32 seed = 1; seed <= 4; ++seed) {
        {
            MainWindow maker;
            QVERIFY(Scramble_Pages(maker.Image(), seed));
            QVERIFY(maker.Image()->Write_All_Ram_Data_to_File(in));
        }
        const int oneSlot = MainWindow::Slot_Audio + int(seed) * 2 % 9; // a page or an empty slot
        for (bool switchFirst : {false, true}) {
            const QStringList eager = Run(dir, in, seed, -1, switchFirst);
            QCOMPARE(eager.size(), switchFirst ? 2 : 3);
            QCOMPARE(Run(dir, in, seed, oneSlot, switchFirst), eager);
        }
    }
}

QTEST_MAIN(Tst_Page_Building)
#include "tst_page_building.moc"
