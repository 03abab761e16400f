// Decode and encode of the audio, key and Bluetooth pages against the
// settings block: which widget carries which byte, bytes a widget cannot show,
// hex case, regions split across lines and missing regions.

#include "pages/settings/bluetooth_form.h"
#include "pages/settings/shortcuts_setting_form.h"
#include "pages/settings/sounds_setting_form.h"
#include "support/test_image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr int Block = 0x15400;

struct Page_Under_Test
{
    std::unique_ptr<QWidget> Widget;
    std::function<void(DATA_FILE_READ_WRITE*)> Decode;
    std::function<void(DATA_FILE_READ_WRITE*)> Encode;
};

template <class Page>
Page_Under_Test Make()
{
    auto* page = new Page;
    return {std::unique_ptr<QWidget>(page),
            [page](DATA_FILE_READ_WRITE* image) { page->Set_Windows_Data_From_SP_Read(image); },
            [page](DATA_FILE_READ_WRITE* image) { page->Get_Windows_Data_To_SP_Write(image); }};
}

Page_Under_Test Make_Page(const QString& name)
{
    if (name == QLatin1String("audio"))
        return Make<SOUNDS_SETTING_FORM>();
    if (name == QLatin1String("keys"))
        return Make<SHORTCUTS_SETTING_FORM>();
    return Make<BLUETOOTH_FORM>();
}

// Current index of a combo box, 0/1 for a check box.
int Value_Of(const QWidget* w)
{
    if (auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentIndex();
    return qobject_cast<const QCheckBox*>(w)->isChecked() ? 1 : 0;
}

void Set_Value(QWidget* w, int value)
{
    if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setCurrentIndex(value);
    else
        qobject_cast<QCheckBox*>(w)->setChecked(value != 0);
}

// The page's value widgets by objectName.
QList<QWidget*> Value_Widgets(QWidget* page)
{
    QList<QWidget*> widgets;
    for (QComboBox* combo : page->findChildren<QComboBox*>())
        widgets.append(combo);
    for (QCheckBox* check : page->findChildren<QCheckBox*>())
        widgets.append(check);
    return widgets;
}

QWidget* Widget(QWidget* page, const QString& name)
{
    auto* w = page->findChild<QWidget*>(name);
    if (!w)
        qFatal("no widget %s", qPrintable(name));
    return w;
}

QByteArray Zero_Block()
{
    return QByteArray(256, 0);
}

// Valid values on every owned byte, different from 0 wherever the list allows.
QByteArray Owned_Values_Block()
{
    QByteArray bytes = Seeded_Bytes(256, 7);
    const QList<QPair<int, int>> values = {
        {12, 1}, {13, 1}, {14, 2}, {15, 7}, {22, 1}, {23, 1}, {24, 5}, {25, 1}, {26, 1}, {27, 0},
        {28, 6}, {29, 2}, {30, 1}, {31, 1}, {42, 0},                            // audio
        {16, 4}, {17, 18}, {18, 0}, {19, 2}, {20, 17}, {21, 9}, {32, 1}, {33, 5}, {34, 21}, // keys
        {64, 1}, {65, 0}, {66, 1}, {67, 6}, {68, 3},                             // Bluetooth
    };
    for (const auto& v : values)
        bytes[v.first] = char(v.second);
    return bytes;
}

void Add_Pages_Column()
{
    QTest::addColumn<QString>("page");
}

} // namespace

class Tst_Settings_Codec : public QObject
{
    Q_OBJECT
private slots:
    void decode_mapping_data();
    void decode_mapping();
    void encode_mapping_data() { decode_mapping_data(); }
    void encode_mapping();
    void unshowable_byte_kept_data();
    void unshowable_byte_kept();
    void switch_byte_normalised_data();
    void switch_byte_normalised();
    void other_bytes_upper_case_and_kept_data();
    void other_bytes_upper_case_and_kept();
    void region_split_across_lines_data();
    void region_split_across_lines();
    void missing_region_data();
    void missing_region();
    void pages_share_block_in_one_pass();
};

// One byte set alone must land in its own widget and nowhere else: a swapped
// pair of widgets fails in both directions.
void Tst_Settings_Codec::decode_mapping_data()
{
    Add_Pages_Column();
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text"); // shown text, empty for a check box

    auto row = [](const char* page, const char* widget, int byte, int value, const QString& text) {
        QTest::addRow("%s %s byte %d", page, widget, byte)
            << QString::fromLatin1(page) << QString::fromLatin1(widget) << byte << value << text;
    };
    row("audio", "checkBox_6", 12, 1, QString());
    row("audio", "checkBox_7", 13, 1, QString());
    row("audio", "comboBox_6", 14, 3, QStringLiteral("超高"));
    row("audio", "comboBox_7", 15, 9, QStringLiteral("5.0秒"));
    row("audio", "checkBox_2", 22, 1, QString());
    row("audio", "comboBox_3", 23, 1, QStringLiteral("英文报号"));
    row("audio", "comboBox_5", 24, 4, QStringLiteral("5级"));
    row("audio", "checkBox", 25, 1, QString());
    row("audio", "comboBox_13", 26, 1, QStringLiteral("打开"));
    row("audio", "comboBox_11", 27, 1, QStringLiteral("打开"));
    row("audio", "comboBox_4", 28, 8, QStringLiteral("9级"));
    row("audio", "comboBox_8", 29, 3, QStringLiteral("通话开始和结束"));
    row("audio", "comboBox_9", 30, 2, QStringLiteral("高"));
    row("audio", "comboBox_10", 31, 1, QStringLiteral("打开"));
    row("audio", "comboBox_12", 42, 1, QStringLiteral("打开"));

    row("keys", "comboBox_1", 16, 2, QStringLiteral("信标发送"));
    row("keys", "comboBox_2", 17, 2, QStringLiteral("TBST发送"));
    row("keys", "comboBox_3", 18, 17, QStringLiteral("调试信息"));
    row("keys", "comboBox_4", 19, 18, QStringLiteral("调试信息"));
    row("keys", "comboBox_5", 20, 5, QStringLiteral("扰频"));
    row("keys", "comboBox_6", 21, 3, QStringLiteral("信标发送"));
    row("keys", "comboBox_7", 32, 1, QStringLiteral("打开"));
    row("keys", "comboBox_9", 33, 6, QStringLiteral("PTT+编码器+按键"));
    row("keys", "comboBox_8", 34, 0x1E, QStringLiteral("10分钟"));

    row("bluetooth", "comboBox_0", 64, 1, QStringLiteral("打开"));
    row("bluetooth", "comboBox_2", 65, 1, QStringLiteral("打开"));
    row("bluetooth", "comboBox_1", 66, 1, QStringLiteral("打开"));
    row("bluetooth", "comboBox_4", 67, 7, QStringLiteral("8级"));
    row("bluetooth", "comboBox_3", 68, 2, QStringLiteral("3级"));
}

void Tst_Settings_Codec::decode_mapping()
{
    QFETCH(QString, page);
    QFETCH(QString, widget);
    QFETCH(int, byte);
    QFETCH(int, value);
    QFETCH(QString, text);

    Page_Under_Test p = Make_Page(page);
    QByteArray bytes = Zero_Block();
    bytes[byte] = char(value);
    auto image = Make_Image(Block, bytes);
    p.Decode(image.get());

    QWidget* target = Widget(p.Widget.get(), widget);
    QCOMPARE(Value_Of(target), value);
    if (!text.isEmpty())
        QCOMPARE(qobject_cast<QComboBox*>(target)->currentText(), text);
    for (QWidget* other : Value_Widgets(p.Widget.get())) {
        if (other != target)
            QVERIFY2(Value_Of(other) == 0, qPrintable(other->objectName()));
    }
}

void Tst_Settings_Codec::encode_mapping()
{
    QFETCH(QString, page);
    QFETCH(QString, widget);
    QFETCH(int, byte);
    QFETCH(int, value);

    Page_Under_Test p = Make_Page(page);
    auto image = Make_Image(Block, Zero_Block());
    p.Decode(image.get());
    Set_Value(Widget(p.Widget.get(), widget), value);
    p.Encode(image.get());

    QByteArray expected = Zero_Block();
    expected[byte] = char(value);
    QCOMPARE(To_Hex(Image_Bytes(*image)), To_Hex(expected));
}

// A stored byte beyond its list leaves the combo box without a current item;
// the encoder then writes that byte back exactly as it found it.
void Tst_Settings_Codec::unshowable_byte_kept_data()
{
    Add_Pages_Column();
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("stored");

    auto row = [](const char* page, const char* widget, int byte, int stored) {
        QTest::addRow("%s %s byte %d = %02X", page, widget, byte, stored)
            << QString::fromLatin1(page) << QString::fromLatin1(widget) << byte << stored;
    };
    row("audio", "comboBox_9", 30, 0x03); // three gains only
    row("audio", "comboBox_12", 42, 0xFF);
    row("audio", "comboBox_5", 24, 0x09); // hidden row
    row("audio", "comboBox_7", 15, 0x0A);
    row("keys", "comboBox_1", 16, 0x12);  // short press: 18 items
    row("keys", "comboBox_2", 17, 0x13);  // long press: 19 items
    row("keys", "comboBox_7", 32, 0x02);
    row("keys", "comboBox_9", 33, 0x07);
    row("keys", "comboBox_8", 34, 0x1F);
    row("bluetooth", "comboBox_2", 65, 0xFF);
    row("bluetooth", "comboBox_4", 67, 0x08);
}

void Tst_Settings_Codec::unshowable_byte_kept()
{
    QFETCH(QString, page);
    QFETCH(QString, widget);
    QFETCH(int, byte);
    QFETCH(int, stored);

    Page_Under_Test p = Make_Page(page);
    QByteArray bytes = Owned_Values_Block();
    bytes[byte] = char(stored);
    auto image = Make_Image(Block, bytes, {16, true, false});
    p.Decode(image.get());
    QCOMPARE(qobject_cast<QComboBox*>(Widget(p.Widget.get(), widget))->currentIndex(), -1);

    p.Encode(image.get());
    QCOMPARE(To_Hex(Image_Bytes(*image)), To_Hex(bytes));
    // Twice, as on every save: still the same byte.
    p.Decode(image.get());
    p.Encode(image.get());
    QCOMPARE(To_Hex(Image_Bytes(*image)), To_Hex(bytes));
}

// A switch byte reads as on for any value but 0 and is stored as 01.
void Tst_Settings_Codec::switch_byte_normalised_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("written");
    QTest::newRow("noise reduction FF") << "checkBox_6" << 12 << 0xFF << 0x01;
    QTest::newRow("voice control 80") << "checkBox_7" << 13 << 0x80 << 0x01;
    QTest::newRow("announcement 05 (hidden)") << "checkBox_2" << 22 << 0x05 << 0x01;
    QTest::newRow("master switch 02 (hidden)") << "checkBox" << 25 << 0x02 << 0x01;
    QTest::newRow("master switch 00") << "checkBox" << 25 << 0x00 << 0x00;
}

void Tst_Settings_Codec::switch_byte_normalised()
{
    QFETCH(QString, widget);
    QFETCH(int, byte);
    QFETCH(int, stored);
    QFETCH(int, written);

    SOUNDS_SETTING_FORM page;
    QByteArray bytes = Zero_Block();
    bytes[byte] = char(stored);
    auto image = Make_Image(Block, bytes);
    page.Set_Windows_Data_From_SP_Read(image.get());
    QCOMPARE(qobject_cast<QCheckBox*>(Widget(&page, widget))->isChecked(), stored != 0);
    page.Get_Windows_Data_To_SP_Write(image.get());
    bytes[byte] = char(written);
    QCOMPARE(To_Hex(Image_Bytes(*image)), To_Hex(bytes));
}

// Lower-case digits read like upper-case ones. After an encode the whole
// block is upper case with every other page's value unchanged; nothing
// outside the block is touched.
void Tst_Settings_Codec::other_bytes_upper_case_and_kept_data()
{
    Add_Pages_Column();
    QTest::newRow("audio") << "audio";
    QTest::newRow("keys") << "keys";
    QTest::newRow("bluetooth") << "bluetooth";
}

void Tst_Settings_Codec::other_bytes_upper_case_and_kept()
{
    QFETCH(QString, page);
    Page_Under_Test p = Make_Page(page);

    // The work-mode block before and the APRS block after the settings block.
    QByteArray bytes = Seeded_Bytes(0x300, 11);
    bytes.replace(0x100, 256, Owned_Values_Block());
    auto image = Make_Image(Block - 0x100, bytes, {32, true, false});
    const QString before = image->Read_String_From_Ram_File(Block - 0x100, 0x100);
    const QString after = image->Read_String_From_Ram_File(Block + 0x100, 0x100);

    p.Decode(image.get());
    p.Encode(image.get());

    const QString region = image->Read_String_From_Ram_File(Block, 256);
    QCOMPARE(region, region.toUpper());
    QCOMPARE(region, To_Hex(Owned_Values_Block()));
    QCOMPARE(image->Read_String_From_Ram_File(Block - 0x100, 0x100), before);
    QCOMPARE(image->Read_String_From_Ram_File(Block + 0x100, 0x100), after);
}

// The block may lie across lines of any length and start mid-line.
void Tst_Settings_Codec::region_split_across_lines_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("bytesPerLine");
    QTest::newRow("7 per line, block mid-line") << Block - 3 << 7;
    QTest::newRow("16 per line") << Block << 16;
    QTest::newRow("100 per line, block mid-line") << Block - 50 << 100;
    QTest::newRow("one line") << Block - 0x10 << 0x200;
    QTest::newRow("one byte per line") << Block << 1;
}

void Tst_Settings_Codec::region_split_across_lines()
{
    QFETCH(int, start);
    QFETCH(int, bytesPerLine);

    const int lead = Block - start;
    QByteArray bytes = Seeded_Bytes(lead + 256 + 20, 3);
    bytes.replace(lead, 256, Owned_Values_Block());
    auto image = Make_Image(start, bytes, {bytesPerLine, false, false});

    SOUNDS_SETTING_FORM audio;
    SHORTCUTS_SETTING_FORM keys;
    BLUETOOTH_FORM bluetooth;
    audio.Set_Windows_Data_From_SP_Read(image.get());
    keys.Set_Windows_Data_From_SP_Read(image.get());
    bluetooth.Set_Windows_Data_From_SP_Read(image.get());
    QCOMPARE(Widget(&audio, "comboBox_7")->property("currentIndex").toInt(), 7);
    QCOMPARE(Widget(&keys, "comboBox_8")->property("currentIndex").toInt(), 21);
    QCOMPARE(Widget(&bluetooth, "comboBox_3")->property("currentIndex").toInt(), 3);

    Set_Value(Widget(&audio, "comboBox_12"), 1);    // byte 42
    Set_Value(Widget(&keys, "comboBox_1"), 11);     // byte 16
    Set_Value(Widget(&bluetooth, "comboBox_4"), 0); // byte 67
    audio.Get_Windows_Data_To_SP_Write(image.get());
    keys.Get_Windows_Data_To_SP_Write(image.get());
    bluetooth.Get_Windows_Data_To_SP_Write(image.get());

    QByteArray expected = bytes;
    expected[lead + 42] = 1;
    expected[lead + 16] = 11;
    expected[lead + 67] = 0;
    QCOMPARE(To_Hex(Image_Bytes(*image)), To_Hex(expected));
}

// Without the whole block a decode shows first items and unchecked boxes, and
// an encode changes nothing at all.
void Tst_Settings_Codec::missing_region_data()
{
    Add_Pages_Column();
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("size");
    for (const char* page : {"audio", "keys", "bluetooth"}) {
        QTest::addRow("%s, no block", page) << QString::fromLatin1(page) << 0x15000 << 0x400;
        QTest::addRow("%s, first 100 bytes", page) << QString::fromLatin1(page) << Block << 100;
        QTest::addRow("%s, ends at byte 0x43", page) << QString::fromLatin1(page) << 0x15300 << 0x143;
        QTest::addRow("%s, ends one short", page) << QString::fromLatin1(page) << Block << 255;
    }
}

void Tst_Settings_Codec::missing_region()
{
    QFETCH(QString, page);
    QFETCH(int, start);
    QFETCH(int, size);

    Page_Under_Test p = Make_Page(page);
    auto full = Make_Image(Block, Owned_Values_Block());
    p.Decode(full.get());

    auto image = Make_Image(start, Seeded_Bytes(size, 5), {16, true, false});
    const QString text = image->Image_Text();
    p.Decode(image.get());
    for (QWidget* w : Value_Widgets(p.Widget.get()))
        QVERIFY2(Value_Of(w) == 0, qPrintable(w->objectName()));

    for (QWidget* w : Value_Widgets(p.Widget.get()))
        Set_Value(w, 1);
    p.Encode(image.get());
    QCOMPARE(image->Image_Text(), text);
}

// In one encode pass each page re-reads the block, so what the pages before
// it wrote survives.
void Tst_Settings_Codec::pages_share_block_in_one_pass()
{
    auto image = Make_Image(Block, Zero_Block());
    SOUNDS_SETTING_FORM audio;
    SHORTCUTS_SETTING_FORM keys;
    BLUETOOTH_FORM bluetooth;
    audio.Set_Windows_Data_From_SP_Read(image.get());
    keys.Set_Windows_Data_From_SP_Read(image.get());
    bluetooth.Set_Windows_Data_From_SP_Read(image.get());

    Set_Value(Widget(&audio, "checkBox_7"), 1);     // byte 13
    Set_Value(Widget(&keys, "comboBox_9"), 4);      // byte 33
    Set_Value(Widget(&bluetooth, "comboBox_3"), 5); // byte 68
    audio.Get_Windows_Data_To_SP_Write(image.get());
    keys.Get_Windows_Data_To_SP_Write(image.get());
    bluetooth.Get_Windows_Data_To_SP_Write(image.get());

    QByteArray expected = Zero_Block();
    expected[13] = 1;
    expected[33] = 4;
    expected[68] = 5;
    QCOMPARE(To_Hex(Image_Bytes(*image)), To_Hex(expected));
}

QTEST_MAIN(Tst_Settings_Codec)
#include "tst_settings_codec.moc"
