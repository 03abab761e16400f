// A language switch of the main window keeps every value of the audio, key
// and Bluetooth pages and shows their texts in the new language.

#include "app/mainwindow.h"
#include "support/test_workdir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace {

struct Setting
{
    MainWindow::Page_Slot Slot;
    const char* Widget;
    int Value;
};

// A value other than the first item (or checked) on every widget; pairs
// whose widget numbers cross their bytes get different values.
const QList<Setting>& Settings()
{
    static const QList<Setting> settings = {
        {MainWindow::Slot_Audio, "checkBox_6", 1},   {MainWindow::Slot_Audio, "checkBox_7", 1},
        {MainWindow::Slot_Audio, "checkBox_2", 1},   {MainWindow::Slot_Audio, "checkBox", 1},
        {MainWindow::Slot_Audio, "comboBox_6", 3},   {MainWindow::Slot_Audio, "comboBox_7", 9},
        {MainWindow::Slot_Audio, "comboBox_3", 1},   {MainWindow::Slot_Audio, "comboBox_5", 4},
        {MainWindow::Slot_Audio, "comboBox_13", 1},  {MainWindow::Slot_Audio, "comboBox_11", 1},
        {MainWindow::Slot_Audio, "comboBox_4", 7},   {MainWindow::Slot_Audio, "comboBox_8", 2},
        {MainWindow::Slot_Audio, "comboBox_9", 2},   {MainWindow::Slot_Audio, "comboBox_10", 1},
        {MainWindow::Slot_Audio, "comboBox_12", 1},
        {MainWindow::Slot_Keys, "comboBox_1", 2},    {MainWindow::Slot_Keys, "comboBox_2", 2},
        {MainWindow::Slot_Keys, "comboBox_3", 17},   {MainWindow::Slot_Keys, "comboBox_4", 18},
        {MainWindow::Slot_Keys, "comboBox_5", 9},    {MainWindow::Slot_Keys, "comboBox_6", 12},
        {MainWindow::Slot_Keys, "comboBox_7", 1},    {MainWindow::Slot_Keys, "comboBox_9", 6},
        {MainWindow::Slot_Keys, "comboBox_8", 30},
        {MainWindow::Slot_Bluetooth, "comboBox_0", 1}, {MainWindow::Slot_Bluetooth, "comboBox_2", 1},
        {MainWindow::Slot_Bluetooth, "comboBox_1", 1}, {MainWindow::Slot_Bluetooth, "comboBox_4", 6},
        {MainWindow::Slot_Bluetooth, "comboBox_3", 2},
    };
    return settings;
}

QWidget* Widget_Of(const MainWindow& window, const Setting& s)
{
    QWidget* w = window.Page_At(s.Slot)->findChild<QWidget*>(QLatin1String(s.Widget));
    if (!w)
        qFatal("no widget %s", s.Widget);
    return w;
}

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

template <class T>
T* Child(const MainWindow& window, MainWindow::Page_Slot slot, const char* name)
{
    return window.Page_At(slot)->findChild<T*>(QLatin1String(name));
}

} // namespace

class Tst_Settings_Language : public QObject
{
    Q_OBJECT
private slots:
    void language_switch_keeps_values();
};

void Tst_Settings_Language::language_switch_keeps_values()
{
    Test_Workdir workdir;
    MainWindow window;
    QVERIFY(Test_Messages().isEmpty());

    for (const Setting& s : Settings())
        Set_Value(Widget_Of(window, s), s.Value);

    window.Language_Change(QStringLiteral("ENGLISH"));
    for (const Setting& s : Settings())
        QVERIFY2(Value_Of(Widget_Of(window, s)) == s.Value, s.Widget);

    QCOMPARE(Child<QLabel>(window, MainWindow::Slot_Audio, "label_2")->text(), QStringLiteral("|Audio Settings|"));
    QCOMPARE(Child<QComboBox>(window, MainWindow::Slot_Audio, "comboBox_8")->currentText(), QStringLiteral("Call End"));
    QCOMPARE(Child<QComboBox>(window, MainWindow::Slot_Keys, "comboBox_2")->currentText(), QStringLiteral("Send TBST"));
    QCOMPARE(Child<QComboBox>(window, MainWindow::Slot_Keys, "comboBox_8")->currentText(), QStringLiteral("10 min"));
    QCOMPARE(Child<QComboBox>(window, MainWindow::Slot_Bluetooth, "comboBox_0")->currentText(), QStringLiteral("On"));
    QCOMPARE(Child<QLabel>(window, MainWindow::Slot_Bluetooth, "label_14")->text(), QStringLiteral("Radio Mic Control"));

    window.Language_Change(QStringLiteral("CHINESE"));
    for (const Setting& s : Settings())
        QVERIFY2(Value_Of(Widget_Of(window, s)) == s.Value, s.Widget);
    QCOMPARE(Child<QComboBox>(window, MainWindow::Slot_Keys, "comboBox_2")->currentText(), QStringLiteral("TBST发送"));
    QCOMPARE(Child<QLabel>(window, MainWindow::Slot_Bluetooth, "label_2")->text(), QStringLiteral("|蓝牙设置|"));
}

QTEST_MAIN(Tst_Settings_Language)
#include "tst_settings_language.moc"
