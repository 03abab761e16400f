// The DTMF page's widgets: value lists, typed input, the code-field rule,
// and values carried through a language switch.

#include "app/mainwindow.h"
#include "pages/signalling/dtmf_form.h"
#include "support/test_workdir.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList& Captured()
{
    static QStringList lines;
    return lines;
}

void Capture(QtMsgType, const QMessageLogContext&, const QString& text)
{
    Captured().append(text);
}

// Collects the debug stream while it lives.
struct Message_Capture
{
    Message_Capture() : m_previous(qInstallMessageHandler(Capture)) { Captured().clear(); }
    ~Message_Capture() { qInstallMessageHandler(m_previous); }
    QtMessageHandler m_previous;
};

struct Field
{
    QString Name;
    int Max_Length;
    bool Ptt_Id;
};

// The 36 line edits with their maximum lengths.
QVector<Field> All_Fields()
{
    QVector<Field> fields = {{"lineEdit_3", 8, false}, {"lineEdit_6", 14, false}, {"lineEdit_7", 14, false},
                             {"lineEdit_8", 14, false}};
    for (int n = 40; n <= 55; ++n)
        fields.append({QStringLiteral("lineEdit_%1").arg(n), 24, false});
    for (int n = 56; n <= 71; ++n)
        fields.append({QStringLiteral("lineEdit_%1").arg(n), 24, true});
    return fields;
}

QStringList All_Combo_Names()
{
    QStringList names;
    for (int n = 1; n <= 21; ++n)
        names.append(QStringLiteral("comboBox_%1").arg(n));
    return names;
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

QStringList Split(const char* items)
{
    return QString::fromUtf8(items).split(QLatin1Char(' '));
}

} // namespace

class Tst_Dtmf_Form : public QObject
{
    Q_OBJECT
private slots:
    void fresh_page();
    void value_lists_data();
    void value_lists();
    void fill_combo_lists_leaves_form_lists_alone();
    void typed_keys_are_bounded_data();
    void typed_keys_are_bounded();
    void every_field_has_its_limit_and_set();
    void code_field_rule_on_typed_text_data();
    void code_field_rule_on_typed_text();
    void empty_field_finishes_its_edit();
    void only_settings_and_code_slots_log();
    void language_switch_keeps_every_value();

private:
    static QLineEdit* Edit(QWidget& page, const QString& name)
    {
        auto* edit = page.findChild<QLineEdit*>(name);
        if (!edit)
            qFatal("no line edit %s", qPrintable(name));
        return edit;
    }
    static QComboBox* Combo(QWidget& page, const QString& name)
    {
        auto* combo = page.findChild<QComboBox*>(name);
        if (!combo)
            qFatal("no combo box %s", qPrintable(name));
        return combo;
    }
};

void Tst_Dtmf_Form::fresh_page()
{
    Message_Capture capture;
    DTMF_FORM page(nullptr);
    for (const QString& line : Captured())
        QVERIFY2(!line.contains(QLatin1String("connectSlotsByName")), qPrintable(line));

    for (const Field& field : All_Fields()) {
        const QString expected = field.Name == QLatin1String("lineEdit_3") ? QStringLiteral("246")
            : field.Name == QLatin1String("lineEdit_40")                   ? QStringLiteral("0123456789ABCD*#01234567")
                                                                           : QString();
        QCOMPARE(Edit(page, field.Name)->text(), expected);
    }
    for (const QString& name : All_Combo_Names())
        QVERIFY2(Combo(page, name)->currentIndex() == 0, qPrintable(name));
    QCOMPARE(Combo(page, "comboBox_2")->currentText(), QStringLiteral("A"));
    QCOMPARE(Combo(page, "comboBox_3")->currentText(), QStringLiteral("A"));
}

void Tst_Dtmf_Form::value_lists_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QStringList>("items");

    const QStringList letters = Split("A B C D * #");
    QTest::newRow("separator") << "comboBox_2" << letters;
    QTest::newRow("group call code") << "comboBox_3" << letters;
    QTest::newRow("dialer type") << "comboBox_13" << Split("手动 自动");
    QTest::newRow("side tone") << "comboBox_7" << Split("关闭 打开");
    QTest::newRow("send time") << "comboBox_1" << Split("50ms 75ms 100ms 200ms 300ms 500ms");
    QStringList firstDigit;
    for (int i = 0; i <= 50; ++i)
        firstDigit.append(QStringLiteral("%1ms").arg(50 * i));
    QTest::newRow("first digit time") << "comboBox_6" << firstDigit;
    const QStringList carrier = Split(
        "10ms 20ms 30ms 40ms 50ms 60ms 70ms 80ms 90ms 100ms 120ms 140ms 160ms 180ms 200ms 225ms 250ms 275ms "
        "300ms 350ms 400ms 450ms 500ms 600ms 700ms 800ms 900ms 1000ms 1100ms 1200ms 1300ms 1400ms 1500ms "
        "1600ms 1700ms 1800ms 1900ms 2000ms 2100ms 2200ms 2300ms 2400ms 2500ms");
    QTest::newRow("pre-carrier time") << "comboBox_8" << carrier;
    QTest::newRow("delay after sending") << "comboBox_9" << carrier;
    QTest::newRow("D code pause") << "comboBox_11" << Split("关闭 1S 2S 3S 4S 5S 6S 7S 8S 9S 10S 11S 12S 13S 14S 15S");
    QTest::newRow("PTT ID pause")
        << "comboBox_10"
        << Split("0S 1S 2S 3S 4S 5S 6S 7S 8S 9S 10S 12S 14S 16S 18S 20S 25S 30S 35S 40S 45S 50S 55S 60S 65S "
                 "70S 75S 80S 85S 90S 95S 100S");
    QTest::newRow("decode response") << "comboBox_4" << Split("无 提示音 提示音并回复");
    QTest::newRow("auto reset time")
        << "comboBox_5"
        << Split("0S 1S 2S 3S 4S 5S 6S 7S 8S 9S 10S 12S 14S 16S 18S 20S 25S 30S 35S 40S 45S 50S 60S 70S 80S "
                 "90S 100S 120S 140S 160S 180S 200S 225S 250S 275S 300S");
    QTest::newRow("ANI display") << "comboBox_12" << Split("关闭 匹配ID 任意ID");
    for (int r = 0; r < 8; ++r)
        QTest::addRow("PTT ID row %d type", r) << QStringLiteral("comboBox_%1").arg(14 + r)
                                               << Split("关闭 发射开始 发射结束 开始结束");
}

void Tst_Dtmf_Form::value_lists()
{
    QFETCH(QString, widget);
    QFETCH(QStringList, items);
    DTMF_FORM page(nullptr);
    QCOMPARE(Items(Combo(page, widget)), items);
}

void Tst_Dtmf_Form::fill_combo_lists_leaves_form_lists_alone()
{
    DTMF_FORM page(nullptr);
    Combo(page, "comboBox_2")->setCurrentIndex(4);
    Combo(page, "comboBox_3")->setCurrentIndex(5);
    Combo(page, "comboBox_5")->setCurrentIndex(7);
    Combo(page, "comboBox_21")->setCurrentIndex(2);
    page.FillComboLists();

    QCOMPARE(Combo(page, "comboBox_2")->currentText(), QStringLiteral("*"));
    QCOMPARE(Combo(page, "comboBox_3")->currentText(), QStringLiteral("#"));
    QCOMPARE(Combo(page, "comboBox_2")->count(), 6);
    QCOMPARE(Combo(page, "comboBox_5")->currentIndex(), 0);
    QCOMPARE(Combo(page, "comboBox_5")->count(), 36);
    QCOMPARE(Combo(page, "comboBox_21")->currentIndex(), 0);
    QCOMPARE(Combo(page, "comboBox_21")->count(), 4);
}

void Tst_Dtmf_Form::typed_keys_are_bounded_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("own ID digits only") << "lineEdit_3" << "1a2*3#4 E-5" << "12345";
    QTest::newRow("own ID at most 8") << "lineEdit_3" << "1234567890" << "12345678";
    QTest::newRow("kill code set") << "lineEdit_6" << "1g2 G3.4,5!6@7zZ8s9S0" << "1234567890";
    QTest::newRow("kill code keeps a-f and star, hash") << "lineEdit_6" << "abcdefABCDEF*#" << "abcdefABCDEF*#";
    QTest::newRow("kill code at most 14") << "lineEdit_6" << "123456789012345678" << "12345678901234";
    QTest::newRow("wake code at most 14") << "lineEdit_8" << "ABCDEF*#ABCDEF*#" << "ABCDEF*#ABCDEF";
    QTest::newRow("code memory at most 24") << "lineEdit_40" << QString(30, QLatin1Char('7')) << QString(24, QLatin1Char('7'));
    QTest::newRow("code memory refuses s") << "lineEdit_47" << "s1S2" << "12";
    QTest::newRow("PTT begin code set") << "lineEdit_56" << "+1=2/3\\4" << "1234";
    QTest::newRow("PTT end code at most 24") << "lineEdit_71" << QString(26, QLatin1Char('#')) << QString(24, QLatin1Char('#'));
}

void Tst_Dtmf_Form::typed_keys_are_bounded()
{
    QFETCH(QString, widget);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    DTMF_FORM page(nullptr);
    QLineEdit* edit = Edit(page, widget);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void Tst_Dtmf_Form::every_field_has_its_limit_and_set()
{
    DTMF_FORM page(nullptr);
    for (const Field& field : All_Fields()) {
        QLineEdit* edit = Edit(page, field.Name);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("xg %1").arg(QString(30, QLatin1Char('5'))));
        QVERIFY2(edit->text() == QString(field.Max_Length, QLatin1Char('5')), qPrintable(field.Name));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("*a"));
        const bool digitsOnly = field.Name == QLatin1String("lineEdit_3");
        QVERIFY2(edit->text() == (digitsOnly ? QString() : QStringLiteral("*a")), qPrintable(field.Name));
    }
}

void Tst_Dtmf_Form::code_field_rule_on_typed_text_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("lower-case e and f") << "lineEdit_41" << "12ef" << "12*#";
    QTest::newRow("upper-case E and F") << "lineEdit_6" << "EF12" << "*#12";
    QTest::newRow("a to d upper-cased") << "lineEdit_55" << "abcd0*#" << "ABCD0*#";
    QTest::newRow("PTT begin code") << "lineEdit_58" << "1e2f3a" << "1*2#3A";
    QTest::newRow("PTT end code") << "lineEdit_71" << "fedcba" << "#*DCBA";
    QTest::newRow("own ID digits unchanged") << "lineEdit_3" << "0123" << "0123";
    QTest::newRow("stun code") << "lineEdit_7" << "*#09" << "*#09";
}

void Tst_Dtmf_Form::code_field_rule_on_typed_text()
{
    QFETCH(QString, widget);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    DTMF_FORM page(nullptr);
    QLineEdit* edit = Edit(page, widget);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed); // nothing changes while typing
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), shown);
}

void Tst_Dtmf_Form::empty_field_finishes_its_edit()
{
    DTMF_FORM page(nullptr);
    for (const char* name : {"lineEdit_3", "lineEdit_40", "lineEdit_8", "lineEdit_63"}) {
        QLineEdit* edit = Edit(page, name);
        edit->setText(QStringLiteral("12"));
        QSignalSpy finished(edit, &QLineEdit::editingFinished);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY2(finished.count() == 1, name);
        QVERIFY2(edit->text().isEmpty(), name);
    }
}

void Tst_Dtmf_Form::only_settings_and_code_slots_log()
{
    DTMF_FORM page(nullptr);
    for (const Field& field : All_Fields()) {
        QLineEdit* edit = Edit(page, field.Name);
        Message_Capture capture;
        QTest::keyClick(edit, Qt::Key_Return);
        const QStringList expected
            = field.Ptt_Id ? QStringList() : QStringList{QStringLiteral("on_%1_editingFinished").arg(field.Name)};
        QVERIFY2(Captured() == expected, qPrintable(field.Name + QLatin1String(": ") + Captured().join(' ')));
    }
}

void Tst_Dtmf_Form::language_switch_keeps_every_value()
{
    Test_Workdir workdir;
    MainWindow window;
    auto* page = qobject_cast<DTMF_FORM*>(window.Page_At(MainWindow::Slot_Dtmf));
    QVERIFY(page);

    // Every combo box at its last item, every field with a code of its own.
    QHash<QString, int> indexes;
    for (const QString& name : All_Combo_Names()) {
        QComboBox* combo = Combo(*page, name);
        combo->setCurrentIndex(combo->count() - 1);
        indexes.insert(name, combo->count() - 1);
    }
    QHash<QString, QString> texts;
    const QString digits = QStringLiteral("0123456789ABCD*#");
    int n = 0;
    for (const Field& field : All_Fields()) {
        QString text;
        for (int i = 0; i < field.Max_Length - n % 5; ++i)
            text += field.Name == QLatin1String("lineEdit_3") ? QChar('0' + (n + i) % 10) : digits[(n + i) % 16];
        ++n;
        Edit(*page, field.Name)->setText(text);
        texts.insert(field.Name, text);
    }
    // Never finished: stored as it stands, lower case in upper case.
    Edit(*page, "lineEdit_45")->setText(QStringLiteral("ab1e"));
    texts.insert(QStringLiteral("lineEdit_45"), QStringLiteral("AB1E"));

    for (const char* language : {"ENGLISH", "CHINESE"}) {
        window.Language_Change(QString::fromLatin1(language));
        for (const QString& name : All_Combo_Names())
            QVERIFY2(Combo(*page, name)->currentIndex() == indexes.value(name), qPrintable(name));
        for (const Field& field : All_Fields())
            QCOMPARE(Edit(*page, field.Name)->text(), texts.value(field.Name));

        const bool english = QLatin1String(language) == QLatin1String("ENGLISH");
        QCOMPARE(Combo(*page, "comboBox_7")->itemText(0), english ? QStringLiteral("Off") : QStringLiteral("关闭"));
        QCOMPARE(Combo(*page, "comboBox_4")->itemText(2),
                 english ? QStringLiteral("Alert tone and reply") : QStringLiteral("提示音并回复"));
        QCOMPARE(page->findChild<QLabel*>("label_title")->text(),
                 english ? QStringLiteral("|DTMF Settings|") : QStringLiteral("|DTMF设置|"));
        // Set as they stand in every language.
        QCOMPARE(Combo(*page, "comboBox_11")->itemText(0), QStringLiteral("关闭"));
        QCOMPARE(Combo(*page, "comboBox_6")->itemText(1), QStringLiteral("50ms"));
    }
    QVERIFY(Test_Messages().isEmpty());
}

QTEST_MAIN(Tst_Dtmf_Form)
#include "tst_dtmf_form.moc"
