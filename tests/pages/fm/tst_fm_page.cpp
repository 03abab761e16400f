// The FM page's decoder and encoder against an image.

#include "image/blank_image.h"
#include "image/image_regions.h"
#include "pages/fm/fm_codec.h"
#include "pages/fm/fm_radio_form.h"
#include "support/test_image.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace Image_Region;

namespace {

const int Table = Fm_Channel_Table_Addr;
const int Flags = Fm_Channel_Flags_Addr;
const int Work_Mode = Work_Mode_Block_Addr;
const int Settings = Settings_Block_Addr;

void Put(QByteArray& bytes, int addr, const QString& hex)
{
    const QByteArray data = From_Hex(hex);
    if (addr - Image_Start + data.size() > bytes.size())
        return; // the image ends before
    bytes.replace(addr - Image_Start, data.size(), data);
}

QString Record(const QString& frequencyHex, const QByteArray& name)
{
    QString nameHex = To_Hex(name);
    nameHex += QString(48 - nameHex.size(), QLatin1Char('0'));
    return frequencyHex + nameHex + "FFFFFFFF";
}

QLineEdit* Name_Field(FM_RADIO_FORM& page, int k)
{
    return page.findChild<QLineEdit*>(k == 0 ? QString("lineEdit") : QString("lineEdit_%1").arg(2 * k + 1));
}

QLineEdit* Frequency_Field(FM_RADIO_FORM& page, int k)
{
    return page.findChild<QLineEdit*>(QString("lineEdit_%1").arg(2 * k + 2));
}

QComboBox* Combo(FM_RADIO_FORM& page, const char* name)
{
    return page.findChild<QComboBox*>(name);
}

QString Read(const DATA_FILE_READ_WRITE& image, int addr, int len)
{
    return image.Read_String_From_Ram_File(addr, len);
}

} // namespace

class Tst_Fm_Page : public QObject
{
    Q_OBJECT
private slots:
    void decodeShowsOnlyValidChannels();
    void encodeWritesRecordsAndFlags();
    void unfinishedFrequencyIsNormalised();
    void bytesNotShownAreWrittenBack();
    void lowerCaseHandling();
    void missingRegionChangesNothing_data();
    void missingRegionChangesNothing();
    void missingRegionsDecodeToDefaults();
    void roundTripOf32Channels();
};

void Tst_Fm_Page::decodeShowsOnlyValidChannels()
{
    QByteArray bytes = Blank_Image_Bytes();
    Put(bytes, Table + 0 * 32, Record("05642850", "Cut"));         // 90.45 MHz
    Put(bytes, Table + 1 * 32, Record("0671799F", "Top"));         // 108.099999 MHz
    Put(bytes, Table + 2 * 32, Record("067179A0", "Above"));       // 108.1 MHz
    Put(bytes, Table + 3 * 32, Record("03D08FFF", "Below"));       // 63.999999 MHz
    Put(bytes, Table + 4 * 32, Record("05F5E100", "Unflagged"));   // valid, bit clear
    Put(bytes, Table + 6 * 32, "05F5E100" "4142" + QString(52, 'F')); // erased padding
    Put(bytes, Flags, "6F00000000000000");                         // channels 0-3, 5, 6
    Put(bytes, Work_Mode + 18, "FFFFFFFF");                        // VFO not valid
    auto image = Make_Image(Image_Start, bytes);

    FM_RADIO_FORM page(nullptr);
    page.Set_Windows_Data_From_SP_Read(image.get());
    const QStringList frequencies = {"90.4", "108.0", "", "", "", "", "100.0"};
    const QStringList names = {"Cut", "Top", "", "", "", "", "AB"};
    for (int k = 0; k < frequencies.size(); ++k) {
        QCOMPARE(Frequency_Field(page, k)->text(), frequencies[k]);
        QCOMPARE(Name_Field(page, k)->text(), names[k]);
    }
    QCOMPARE(page.findChild<QLineEdit*>("lineEdit_65")->text(), QString("90.4"));

    // What the page could not show is cleared on the next encode.
    page.Get_Windows_Data_To_SP_Write(image.get());
    QCOMPARE(Read(*image, Flags, 8), QString("4300000000000000"));
    for (int k : {2, 3, 4, 5})
        QCOMPARE(Read(*image, Table + 32 * k, 32), QString(64, 'F'));
    QCOMPARE(Read(*image, Table + 6 * 32, 32), Record("05F5E100", "AB"));
    QCOMPARE(Read(*image, Work_Mode + 18, 4), QString("05636500"));
}

void Tst_Fm_Page::encodeWritesRecordsAndFlags()
{
    auto image = Make_Image(Image_Start, Blank_Image_Bytes());
    FM_RADIO_FORM page(nullptr);
    page.Set_Windows_Data_From_SP_Read(image.get());
    Frequency_Field(page, 0)->setText("90.4");
    Name_Field(page, 0)->setText("FM-00");
    Frequency_Field(page, 10)->setText("100.0");
    Frequency_Field(page, 31)->setText("64.0");
    Name_Field(page, 31)->setText("Last");
    Name_Field(page, 5)->setText("no frequency"); // not in use: stays as typed, stored erased
    page.Get_Windows_Data_To_SP_Write(image.get());

    QCOMPARE(Read(*image, Table, 32), QString("05636500" "464D2D3030") + QString(38, '0') + "FFFFFFFF");
    QCOMPARE(Name_Field(page, 10)->text(), QString("FM-10"));
    QCOMPARE(Read(*image, Table + 10 * 32, 32), Record("05F5E100", "FM-10"));
    QCOMPARE(Read(*image, Table + 5 * 32, 32), QString(64, 'F'));
    QCOMPARE(Read(*image, Flags, 8), QString("0104008000000000"));
}

void Tst_Fm_Page::unfinishedFrequencyIsNormalised()
{
    auto image = Make_Image(Image_Start, Blank_Image_Bytes());
    FM_RADIO_FORM page(nullptr);
    page.Set_Windows_Data_From_SP_Read(image.get());
    // Texts still being typed when the page is stored.
    Frequency_Field(page, 3)->setText("88");
    Frequency_Field(page, 4)->setText("nan");
    Frequency_Field(page, 5)->setText("88.35");
    page.findChild<QLineEdit*>("lineEdit_65")->setText("inf");
    page.Get_Windows_Data_To_SP_Write(image.get());

    QCOMPARE(Read(*image, Table + 3 * 32, 4), QString("053EC600")); // 88.0 MHz
    QCOMPARE(Read(*image, Table + 4 * 32, 4), QString("03D09000")); // 64.0 MHz
    QCOMPARE(Read(*image, Table + 5 * 32, 4), QString("0544E080")); // 88.4 MHz
    QCOMPARE(Read(*image, Work_Mode + 18, 4), QString("03D09000"));
    QCOMPARE(Frequency_Field(page, 3)->text(), QString("88.0"));
    QCOMPARE(Name_Field(page, 3)->text(), QString("FM-03"));

    FM_RADIO_FORM again(nullptr);
    again.Set_Windows_Data_From_SP_Read(image.get());
    QCOMPARE(Frequency_Field(again, 3)->text(), QString("88.0"));
    QCOMPARE(Frequency_Field(again, 4)->text(), QString("64.0"));
    QCOMPARE(Frequency_Field(again, 5)->text(), QString("88.4"));
}

void Tst_Fm_Page::bytesNotShownAreWrittenBack()
{
    QByteArray bytes = Blank_Image_Bytes();
    Put(bytes, Settings + 4, "07");
    Put(bytes, Work_Mode + 9, "09");
    auto image = Make_Image(Image_Start, bytes);
    FM_RADIO_FORM page(nullptr);
    page.Set_Windows_Data_From_SP_Read(image.get());
    QCOMPARE(Combo(page, "comboBox_1")->currentIndex(), -1);
    QCOMPARE(Combo(page, "comboBox_2")->currentIndex(), -1);
    page.Get_Windows_Data_To_SP_Write(image.get());
    QCOMPARE(Read(*image, Settings + 4, 1), QString("07"));
    QCOMPARE(Read(*image, Work_Mode + 9, 1), QString("09"));

    // Shown bytes follow the boxes: the mode stores its index plus 5.
    Combo(page, "comboBox_1")->setCurrentIndex(1);
    Combo(page, "comboBox_2")->setCurrentIndex(1);
    page.Get_Windows_Data_To_SP_Write(image.get());
    QCOMPARE(Read(*image, Settings + 4, 1), QString("01"));
    QCOMPARE(Read(*image, Work_Mode + 9, 1), QString("06"));
    Combo(page, "comboBox_2")->setCurrentIndex(0);
    page.Get_Windows_Data_To_SP_Write(image.get());
    QCOMPARE(Read(*image, Work_Mode + 9, 1), QString("05"));
}

void Tst_Fm_Page::lowerCaseHandling()
{
    QByteArray bytes = Blank_Image_Bytes();
    Put(bytes, Table + 7 * 32, Record("066FF300", "Ab"));
    Put(bytes, Flags, "80000000ABCDEF01");
    Put(bytes, Settings, "ABCDEF0001");
    Put(bytes, Work_Mode, "ABCDEF");
    Put(bytes, Work_Mode + 9, "06");
    Put(bytes, Dtmf_Block_Addr, "ABCDEF");
    Image_Text_Options lower;
    lower.Lower_Case = true;
    auto image = Make_Image(Image_Start, bytes, lower);

    FM_RADIO_FORM page(nullptr);
    page.Set_Windows_Data_From_SP_Read(image.get());
    QCOMPARE(Frequency_Field(page, 7)->text(), QString("108.0"));
    QCOMPARE(Name_Field(page, 7)->text(), QString("Ab"));
    QCOMPARE(Combo(page, "comboBox_1")->currentIndex(), 1);
    QCOMPARE(Combo(page, "comboBox_2")->currentIndex(), 1);

    page.Get_Windows_Data_To_SP_Write(image.get());
    // Flag bytes of channels 0-31 upper case; bytes 4-7 as they were.
    QCOMPARE(Read(*image, Flags, 8), QString("80000000abcdef01"));
    const QString settings = Read(*image, Settings, Settings_Block_Size);
    const QString workMode = Read(*image, Work_Mode, Work_Mode_Block_Size);
    QCOMPARE(settings, settings.toUpper());
    QCOMPARE(workMode, workMode.toUpper());
    QVERIFY(settings.startsWith("ABCDEF0001"));
    QVERIFY(workMode.startsWith("ABCDEF"));
    QCOMPARE(Read(*image, Table + 7 * 32, 32), Record("066FF300", "Ab"));
    QCOMPARE(Read(*image, Dtmf_Block_Addr, 3), QString("abcdef")); // not the page's
}

void Tst_Fm_Page::missingRegionChangesNothing_data()
{
    QTest::addColumn<int>("end");        // the image ends here
    QTest::addColumn<int>("keptFrom");   // from here on nothing may change
    QTest::addColumn<int>("writtenTo");  // below here the page stores its values
    QTest::newRow("inside the channel table") << Table + 100 << Image_Start << Image_Start;
    QTest::newRow("inside the flags") << Flags + 4 << Image_Start << Image_Start;
    QTest::newRow("inside the work-mode block") << Work_Mode + 100 << Work_Mode << Flags + 8;
    QTest::newRow("inside the settings block") << Settings + 4 << Settings << Work_Mode + 256;
}

void Tst_Fm_Page::missingRegionChangesNothing()
{
    QFETCH(int, end);
    QFETCH(int, keptFrom);
    QFETCH(int, writtenTo);
    QByteArray bytes = Blank_Image_Bytes().left(end - Image_Start);
    Put(bytes, Table, Record("05F5E100", "Kept"));
    Put(bytes, Flags, "01");
    auto image = Make_Image(Image_Start, bytes);
    const QString before = image->Image_Text();

    FM_RADIO_FORM page(nullptr);
    Frequency_Field(page, 0)->setText("64.0");
    Frequency_Field(page, 1)->setText("70.0");
    Combo(page, "comboBox_1")->setCurrentIndex(1);
    page.findChild<QLineEdit*>("lineEdit_65")->setText("100.0");
    page.Get_Windows_Data_To_SP_Write(image.get());

    const QByteArray after = Image_Bytes(*image);
    QCOMPARE(after.mid(keptFrom - Image_Start), bytes.mid(keptFrom - Image_Start));
    if (writtenTo == Image_Start) {
        QCOMPARE(image->Image_Text(), before);
    } else {
        QCOMPARE(Read(*image, Flags, 1), QString("03"));
        QCOMPARE(Read(*image, Table + 32, 4), QString("042C1D80")); // 70.0 MHz
        if (writtenTo > Work_Mode)
            QCOMPARE(Read(*image, Work_Mode + 18, 4), QString("05F5E100"));
    }
}

void Tst_Fm_Page::missingRegionsDecodeToDefaults()
{
    // An image that holds none of the page's regions clears what was shown.
    FM_RADIO_FORM page(nullptr);
    Frequency_Field(page, 2)->setText("99.0");
    Name_Field(page, 2)->setText("Shown");
    page.findChild<QLineEdit*>("lineEdit_65")->setText("101.0");
    auto empty = Make_Image(Image_Start, QByteArray(16, char(0xFF)));
    page.Set_Windows_Data_From_SP_Read(empty.get());
    for (int k = 0; k < Fm_Codec::Channel_Count; ++k) {
        QVERIFY(Frequency_Field(page, k)->text().isEmpty());
        QVERIFY(Name_Field(page, k)->text().isEmpty());
    }
    QCOMPARE(page.findChild<QLineEdit*>("lineEdit_65")->text(), QString("90.4"));
    QCOMPARE(Combo(page, "comboBox_1")->currentIndex(), 0);
    QCOMPARE(Combo(page, "comboBox_2")->currentIndex(), -1);
}

void Tst_Fm_Page::roundTripOf32Channels()
{
    const QStringList names = {QString::fromUtf8("收音机存储信道名"), "FM-20", QString::fromUtf8("Ä-Radio0"),
                               QString::fromUtf8("😀😀😀😀"), "A0B0", QString::fromUtf8("新闻 News")};
    auto image = Make_Image(Image_Start, Blank_Image_Bytes());
    FM_RADIO_FORM page(nullptr);
    page.Set_Windows_Data_From_SP_Read(image.get());
    for (int k = 0; k < Fm_Codec::Channel_Count; ++k) {
        Frequency_Field(page, k)->setText(QString("%1.%2").arg(64 + k * 4 / 3).arg(k % 10));
        Name_Field(page, k)->setText(names[k % names.size()]);
    }
    Frequency_Field(page, 31)->setText("108.0");
    Combo(page, "comboBox_1")->setCurrentIndex(1);
    Combo(page, "comboBox_2")->setCurrentIndex(1);
    page.findChild<QLineEdit*>("lineEdit_65")->setText("107.9");
    page.Get_Windows_Data_To_SP_Write(image.get());
    QCOMPARE(Read(*image, Flags, 4), QString("FFFFFFFF"));
    const QString stored = image->Image_Text();

    FM_RADIO_FORM other(nullptr);
    other.Set_Windows_Data_From_SP_Read(image.get());
    for (int k = 0; k < Fm_Codec::Channel_Count; ++k) {
        QCOMPARE(Frequency_Field(other, k)->text(), Frequency_Field(page, k)->text());
        QCOMPARE(Name_Field(other, k)->text(), Name_Field(page, k)->text());
    }
    QCOMPARE(Combo(other, "comboBox_1")->currentIndex(), 1);
    QCOMPARE(Combo(other, "comboBox_2")->currentIndex(), 1);
    QCOMPARE(other.findChild<QLineEdit*>("lineEdit_65")->text(), QString("107.9"));
    other.Get_Windows_Data_To_SP_Write(image.get());
    QCOMPARE(image->Image_Text(), stored);
}

QTEST_MAIN(Tst_Fm_Page)
#include "tst_fm_page.moc"
