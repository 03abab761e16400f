// The value lists of the audio, key and Bluetooth pages, what re-translation
// resets, the audio page's hidden rows, and the byte rules they share.

#include "pages/settings/bluetooth_form.h"
#include "pages/settings/settings_block_layout.h"
#include "pages/settings/shortcuts_setting_form.h"
#include "pages/settings/sounds_setting_form.h"
#include "support/test_image.h"
#include "widgets/byte_row.h"

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

namespace {

QComboBox* Combo(QWidget* page, const char* name)
{
    auto* combo = page->findChild<QComboBox*>(QLatin1String(name));
    if (!combo)
        qFatal("no combo box %s", name);
    return combo;
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

} // namespace

class Tst_Settings_Pages : public QObject
{
    Q_OBJECT
private slots:
    void key_press_lists();
    void lock_delay_list_follows_its_rule();
    void list_sizes_data();
    void list_sizes();
    void byte_needs_two_hex_digits_data();
    void byte_needs_two_hex_digits();
    void retranslate_resets_combos_keeps_check_boxes();
    void audio_hidden_rows_and_master_switch();
};

// The long-press list is the short-press list with "TBST发送" at index 2, so
// every function after "声控" sits one index higher.
void Tst_Settings_Pages::key_press_lists()
{
    SHORTCUTS_SETTING_FORM page;
    const QStringList shortPress = {
        QStringLiteral("无"), QStringLiteral("声控"), QStringLiteral("信标发送"), QStringLiteral("监听"),
        QStringLiteral("扫描"), QStringLiteral("扰频"), QStringLiteral("脱网"), QStringLiteral("降噪"),
        QStringLiteral("一键对频"), QStringLiteral("功率切换"), QStringLiteral("倒频"), QStringLiteral("收音机开关"),
        QStringLiteral("信道模式切换"), QStringLiteral("紧急报警"), QStringLiteral("APRS站点"),
        QStringLiteral("静噪等级"), QStringLiteral("亚音频扫描"), QStringLiteral("调试信息")};
    QStringList longPress = shortPress;
    longPress.insert(2, QStringLiteral("TBST发送"));

    for (const char* name : {"comboBox_1", "comboBox_3", "comboBox_5"})
        QCOMPARE(Items(Combo(&page, name)), shortPress);
    for (const char* name : {"comboBox_2", "comboBox_4", "comboBox_6"})
        QCOMPARE(Items(Combo(&page, name)), longPress);
}

// 3 to 15 seconds by 1, 20 to 55 seconds by 5, 1 to 10 minutes by 1.
void Tst_Settings_Pages::lock_delay_list_follows_its_rule()
{
    QStringList expected;
    for (int s = 3; s <= 15; ++s)
        expected.append(QString::number(s) + QStringLiteral("秒"));
    for (int s = 20; s <= 55; s += 5)
        expected.append(QString::number(s) + QStringLiteral("秒"));
    for (int m = 1; m <= 10; ++m)
        expected.append(QString::number(m) + QStringLiteral("分钟"));

    SHORTCUTS_SETTING_FORM page;
    QCOMPARE(Items(Combo(&page, "comboBox_8")), expected);
    QCOMPARE(Combo(&page, "comboBox_8")->itemText(0x0D), QStringLiteral("20秒"));
    QCOMPARE(Combo(&page, "comboBox_8")->itemText(0x14), QStringLiteral("55秒"));
    QCOMPARE(Combo(&page, "comboBox_8")->itemText(0x15), QStringLiteral("1分钟"));
}

void Tst_Settings_Pages::list_sizes_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");
    QTest::newRow("audio language") << "audio" << "comboBox_3" << 2 << "英文报号";
    QTest::newRow("audio tone volume") << "audio" << "comboBox_4" << 9 << "9级";
    QTest::newRow("audio voice volume") << "audio" << "comboBox_5" << 9 << "9级";
    QTest::newRow("audio AI sensitivity") << "audio" << "comboBox_6" << 4 << "超高";
    QTest::newRow("audio AI delay") << "audio" << "comboBox_7" << 10 << "5.0秒";
    QTest::newRow("audio call tone") << "audio" << "comboBox_8" << 4 << "通话开始和结束";
    QTest::newRow("audio mic gain") << "audio" << "comboBox_9" << 3 << "高";
    for (const char* name : {"comboBox_10", "comboBox_11", "comboBox_12", "comboBox_13"})
        QTest::addRow("audio %s", name) << "audio" << name << 2 << "打开";
    QTest::newRow("keys auto lock") << "keys" << "comboBox_7" << 2 << "打开";
    QTest::newRow("keys lock type") << "keys" << "comboBox_9" << 7 << "PTT+编码器+按键";
    for (const char* name : {"comboBox_0", "comboBox_1", "comboBox_2"})
        QTest::addRow("bluetooth %s", name) << "bluetooth" << name << 2 << "打开";
    QTest::newRow("bluetooth mic gain") << "bluetooth" << "comboBox_4" << 8 << "8级";
    QTest::newRow("bluetooth speaker gain") << "bluetooth" << "comboBox_3" << 8 << "8级";
}

void Tst_Settings_Pages::list_sizes()
{
    QFETCH(QString, page);
    QFETCH(QString, combo);
    QFETCH(int, count);
    QFETCH(QString, last);

    SOUNDS_SETTING_FORM audio;
    SHORTCUTS_SETTING_FORM keys;
    BLUETOOTH_FORM bluetooth;
    QWidget* p = page == QLatin1String("audio") ? static_cast<QWidget*>(&audio)
               : page == QLatin1String("keys")  ? static_cast<QWidget*>(&keys)
                                                : static_cast<QWidget*>(&bluetooth);
    QComboBox* box = Combo(p, qPrintable(combo));
    QCOMPARE(box->count(), count);
    QCOMPARE(box->itemText(count - 1), last);
    QCOMPARE(box->currentIndex(), 0);
}

// A byte is read only from two hex digits; anything Qt's own number parser
// would also take ("-1", "+F", " 1") reads as 0.
void Tst_Settings_Pages::byte_needs_two_hex_digits_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<bool>("on");
    QTest::newRow("01") << "01" << true;
    QTest::newRow("fF") << "fF" << true;
    QTest::newRow("00") << "00" << false;
    QTest::newRow("-1") << "-1" << false;
    QTest::newRow("+F") << "+F" << false;
    QTest::newRow("blank 1") << " 1" << false;
    QTest::newRow("1 blank") << "1 " << false;
    QTest::newRow("0x") << "0x" << false;
    QTest::newRow("G1") << "G1" << false;
    QTest::newRow("cut short") << "1" << false;
}

void Tst_Settings_Pages::byte_needs_two_hex_digits()
{
    QFETCH(QString, digits);
    QFETCH(bool, on);
    const QString region = QStringLiteral("0101") + digits;
    QCheckBox box;
    box.setChecked(!on);
    Show_Rows({Byte_Row(2, 1, Switch_Byte(), &box)}, region);
    QCOMPARE(box.isChecked(), on);
}

// Re-translation refills every combo box, which then shows its first item;
// check boxes keep their state. Only the shell's encode before and decode
// after carries the values across.
void Tst_Settings_Pages::retranslate_resets_combos_keeps_check_boxes()
{
    QByteArray bytes(256, 1);
    bytes[34] = 0x1E;
    bytes[67] = 0x07;
    auto image = Make_Image(0x15400, bytes);

    SOUNDS_SETTING_FORM audio;
    SHORTCUTS_SETTING_FORM keys;
    BLUETOOTH_FORM bluetooth;
    QList<QWidget*> pages = {&audio, &keys, &bluetooth};
    audio.Set_Windows_Data_From_SP_Read(image.get());
    keys.Set_Windows_Data_From_SP_Read(image.get());
    bluetooth.Set_Windows_Data_From_SP_Read(image.get());
    for (QWidget* page : pages) {
        for (QComboBox* combo : page->findChildren<QComboBox*>())
            QVERIFY(combo->currentIndex() > 0);
    }

    audio.RetranslatePage();
    keys.RetranslatePage();
    bluetooth.RetranslatePage();
    for (QWidget* page : pages) {
        for (QComboBox* combo : page->findChildren<QComboBox*>()) {
            QVERIFY2(combo->currentIndex() == 0, qPrintable(combo->objectName()));
            QVERIFY(combo->count() > 1);
        }
    }
    const QList<QCheckBox*> checks = audio.findChildren<QCheckBox*>();
    QCOMPARE(checks.size(), 4);
    for (QCheckBox* check : checks)
        QVERIFY2(check->isChecked(), qPrintable(check->objectName()));
}

// Five rows and one header stay hidden (after re-translation too); the master
// switch greys nothing.
void Tst_Settings_Pages::audio_hidden_rows_and_master_switch()
{
    SOUNDS_SETTING_FORM page;
    page.show();
    page.RetranslatePage();
    const QStringList hidden = {"label_3", "line_13", "label_9", "checkBox_2", "line_8", "label_13",
                                "comboBox_5", "line_10", "label_8", "checkBox", "line_11", "label_12",
                                "comboBox_4", "line_15", "label_7", "comboBox_3", "line_16"};
    for (const QString& name : hidden)
        QVERIFY2(!page.findChild<QWidget*>(name)->isVisible(), qPrintable(name));
    for (const char* name : {"comboBox_13", "comboBox_11", "comboBox_10", "comboBox_12", "comboBox_8",
                             "comboBox_9", "comboBox_6", "comboBox_7", "checkBox_6", "checkBox_7", "label"})
        QVERIFY2(page.findChild<QWidget*>(QLatin1String(name))->isVisible(), name);

    auto* master = page.findChild<QCheckBox*>(QStringLiteral("checkBox"));
    for (bool on : {true, false}) {
        master->setChecked(on);
        for (QWidget* w : page.findChildren<QWidget*>())
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
}

QTEST_MAIN(Tst_Settings_Pages)
#include "tst_settings_pages.moc"
