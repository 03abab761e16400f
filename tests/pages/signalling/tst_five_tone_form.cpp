// The 5-tone page's form and value lists: what the form holds, in which
// order, with which limits, and how the lists read in either language.

#include "pages/signalling/five_tone_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

namespace {

int Count_Spacers(QLayout* layout)
{
    int spacers = 0;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->spacerItem())
            ++spacers;
        else if (item->layout())
            spacers += Count_Spacers(item->layout());
    }
    return spacers;
}

// The objectNames of a layout's items in order; "spacer" for a spacer.
QStringList Item_Names(QLayout* layout)
{
    QStringList names;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget())
            names << item->widget()->objectName();
        else if (item->layout())
            names << item->layout()->objectName();
        else
            names << QStringLiteral("spacer");
    }
    return names;
}

QStringList Split(const char* names)
{
    return QString::fromLatin1(names).split(QLatin1Char(' '));
}

} // namespace

class Tst_Five_Tone_Form : public QObject
{
    Q_OBJECT

    FIVE_TONE_FORM* page = nullptr;

    QComboBox* combo(const QString& name) { return page->findChild<QComboBox*>(name); }
    QLineEdit* edit(const QString& name) { return page->findChild<QLineEdit*>(name); }
    QLabel* label(const QString& name) { return page->findChild<QLabel*>(name); }

private slots:
    void init() { page = new FIVE_TONE_FORM(nullptr); }
    void cleanup() { delete page; }

    void counts()
    {
        QCOMPARE(page->objectName(), QStringLiteral("FIVE_TONE_FORM"));
        QCOMPARE(page->findChildren<QLabel*>().size(), 96);
        QCOMPARE(page->findChildren<QLineEdit*>().size(), 84);
        QCOMPARE(page->findChildren<QComboBox*>().size(), 61);
        QCOMPARE(page->findChildren<QCheckBox*>().size(), 8);
        int lines = 0;
        for (QFrame* frame : page->findChildren<QFrame*>()) {
            if (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine) {
                QVERIFY(frame->objectName().startsWith(QLatin1String("line_")));
                ++lines;
            }
        }
        QCOMPARE(lines, 152);
        QCOMPARE(page->findChildren<QHBoxLayout*>().size(), 82);
        QCOMPARE(page->findChildren<QVBoxLayout*>().size(), 16);
        QWidget* contents = page->findChild<QWidget*>(QStringLiteral("scrollAreaWidgetContents"));
        QCOMPARE(Count_Spacers(page->layout()) + Count_Spacers(contents->layout()), 12);
    }

    void layout_order_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("page") << "verticalLayout_2" << Split("label_3 line_17 label_27 scrollArea label_4");
        QTest::newRow("left and right blocks")
            << "horizontalLayout_49" << Split("verticalLayout_12 spacer verticalLayout_13");
        QTest::newRow("settings column") << "verticalLayout_5"
                                         << Split("verticalLayout spacer verticalLayout_3 spacer verticalLayout_4 spacer");
        QTest::newRow("encoder rows")
            << "verticalLayout_3"
            << Split("label_2 line_13 horizontalLayout_13 line_73 horizontalLayout_9 line_71 horizontalLayout_10 "
                     "line_68 horizontalLayout_6 line_76 horizontalLayout_2 line_8 horizontalLayout_3 line_7 "
                     "horizontalLayout_12 line_75 horizontalLayout_11 line_11");
        QTest::newRow("digit boxes")
            << "horizontalLayout_31"
            << Split("label_18 checkBox checkBox_2 checkBox_3 checkBox_4 checkBox_5 checkBox_6 checkBox_7 checkBox_8");
        QTest::newRow("code header") << "horizontalLayout_60" << Split("label_73 line_41 label_104 label_75 label_105");
        QTest::newRow("code row A")
            << "horizontalLayout_71" << Split("label_86 line_35 comboBox_40 lineEdit_50 line_139 lineEdit_82");
        QTest::newRow("PTT ID row 0")
            << "horizontalLayout_21"
            << Split("label_95 line_44 comboBox_14 comboBox_22 lineEdit_56 line_59 lineEdit_57");
        QTest::newRow("information row 15")
            << "horizontalLayout_94" << Split("label_141 line_193 comboBox_61 lineEdit_118");
        QTest::newRow("panel selector") << "horizontalLayout_42" << Split("label_24 comboBox_13 spacer");
        QTest::newRow("panel columns")
            << "horizontalLayout_43" << Split("verticalLayout_10 verticalLayout_15 verticalLayout_16");
        QTest::newRow("panel third column")
            << "verticalLayout_16"
            << Split("horizontalLayout_32 line_209 horizontalLayout_40 line_19 horizontalLayout_41 line_210 spacer");
        QTest::newRow("panel digit A") << "horizontalLayout_34" << Split("label_117 lineEdit_15");
    }
    void layout_order()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, items);
        QLayout* found = page->findChild<QLayout*>(layout);
        QVERIFY(found);
        QCOMPARE(Item_Names(found), items);
    }

    void edits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("own ID") << "lineEdit_3" << 8 << false;
        for (int n = 4; n <= 22; ++n)
            QTest::addRow("reference %d", n) << QStringLiteral("lineEdit_%1").arg(n) << 8 << true;
        for (int n = 40; n <= 71; ++n)
            QTest::addRow("code %d", n) << QStringLiteral("lineEdit_%1").arg(n) << 24 << false;
        for (int n = 72; n <= 87; ++n)
            QTest::addRow("name %d", n) << QStringLiteral("lineEdit_%1").arg(n) << 8 << false;
        for (int n = 88; n <= 118; n += 2)
            QTest::addRow("information %d", n) << QStringLiteral("lineEdit_%1").arg(n) << 24 << false;
    }
    void edits()
    {
        QFETCH(QString, name);
        QFETCH(int, maxLength);
        QFETCH(bool, readOnly);
        QLineEdit* field = edit(name);
        QVERIFY(field);
        QCOMPARE(field->maxLength(), maxLength);
        QCOMPARE(field->isReadOnly(), readOnly);

        // Typing stops at the limit; a read-only edit takes nothing.
        field->clear();
        QTest::keyClicks(field, QStringLiteral("1234567890123456789012345678"));
        QCOMPARE(field->text(), readOnly ? QString() : QStringLiteral("1234567890123456789012345678").left(maxLength));
    }

    void the_form_as_built()
    {
        for (QCheckBox* box : page->findChildren<QCheckBox*>())
            QVERIFY(box->isChecked());
        QCOMPARE(combo("comboBox_1")->count(), 5);
        QCOMPARE(combo("comboBox_1")->currentText(), QStringLiteral("无"));
        QCOMPARE(combo("comboBox_1")->itemText(4), QStringLiteral("F"));
        QCOMPARE(edit("lineEdit_3")->text(), QStringLiteral("88888888"));
    }

    void lists_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("indexes");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("standard") << "comboBox_4" << 15 << QList<int>{0, 9, 10, 14}
                                  << QStringList{"ZVEI1", "EEA", "EURO SIGNAL", "EIA"};
        QTest::newRow("panel standard") << "comboBox_13" << 15 << QList<int>{6} << QStringList{"CCIR1"};
        QTest::newRow("code standard") << "comboBox_45" << 15 << QList<int>{14} << QStringList{"EIA"};
        QTest::newRow("PTT standard") << "comboBox_22" << 15 << QList<int>{13} << QStringList{"CCITT"};
        QTest::newRow("PTT type") << "comboBox_21" << 4 << QList<int>{0, 3} << QStringList{"关闭", "开始结束"};
        QTest::newRow("side tone") << "comboBox_12" << 2 << QList<int>{1} << QStringList{"打开"};
        for (const char* box : {"comboBox_8", "comboBox_9", "comboBox_10", "comboBox_3"}) {
            QTest::newRow(box) << box << 43 << QList<int>{0, 9, 10, 14, 15, 18, 19, 22, 23, 42}
                               << QStringList{"10ms",  "100ms", "120ms", "200ms", "225ms",
                                              "300ms", "350ms", "500ms", "600ms", "2500ms"};
        }
        QTest::newRow("pause length") << "comboBox_2" << 44 << QList<int>{0, 1, 11, 43}
                                      << QStringList{"0ms", "10ms", "120ms", "2500ms"};
        QTest::newRow("PTT ID pause") << "comboBox_11" << 32 << QList<int>{0, 10, 11, 15, 16, 21, 22, 31}
                                      << QStringList{"0S", "10S", "12S", "20S", "25S", "50S", "55S", "100S"};
        QTest::newRow("auto reset") << "comboBox_6" << 36 << QList<int>{21, 22, 26, 27, 31, 32, 35}
                                    << QStringList{"50S", "60S", "100S", "120S", "200S", "225S", "300S"};
        QTest::newRow("ANI display") << "comboBox_7" << 3 << QList<int>{2} << QStringList{"任意ID"};
        QTest::newRow("response") << "comboBox_5" << 3 << QList<int>{0, 2} << QStringList{"无", "提示音并回复"};
        QTest::newRow("function") << "comboBox_61" << 6 << QList<int>{0, 5} << QStringList{"信息码选呼", "激活"};
        QTest::newRow("pause code") << "comboBox_1" << 5 << QList<int>{0, 1, 4} << QStringList{"无", "B", "F"};
    }
    void lists()
    {
        QFETCH(QString, box);
        QFETCH(int, count);
        QFETCH(QList<int>, indexes);
        QFETCH(QStringList, texts);
        // The same after a second fill: nothing accumulates.
        for (int fill = 0; fill < 2; ++fill) {
            QCOMPARE(combo(box)->count(), count);
            QCOMPARE(combo(box)->currentIndex(), 0);
            for (int i = 0; i < indexes.size(); ++i)
                QCOMPARE(combo(box)->itemText(indexes[i]), texts[i]);
            page->RetranslatePage();
        }
    }

    void english()
    {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(KESTREL_RUNTIME_DIR "/Config/English.qm")));
        QCoreApplication::installTranslator(&english);
        page->RetranslatePage();

        QCOMPARE(label("label_59")->text(), QStringLiteral("Own ID"));
        QCOMPARE(combo("comboBox_12")->itemText(0), QStringLiteral("Off"));
        QCOMPARE(combo("comboBox_1")->currentText(), QStringLiteral("None"));
        QCOMPARE(combo("comboBox_1")->currentIndex(), 0);
        // Standards and times read the same in every language.
        QCOMPARE(combo("comboBox_13")->itemText(10), QStringLiteral("EURO SIGNAL"));
        QCOMPARE(combo("comboBox_2")->itemText(0), QStringLiteral("0ms"));
        QCOMPARE(combo("comboBox_6")->itemText(35), QStringLiteral("300S"));

        // Every caption label is translated and fits its fixed width.
        for (QLabel* caption : page->findChildren<QLabel*>()) {
            const QString text = caption->text();
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))),
                     qPrintable(caption->objectName() + QLatin1Char(' ') + text));
            if (caption->minimumWidth() == caption->maximumWidth() && caption->maximumWidth() < 200) {
                const int needed = caption->fontMetrics().horizontalAdvance(text) + caption->indent();
                QVERIFY2(needed <= caption->maximumWidth(),
                         qPrintable(QStringLiteral("%1 \"%2\": %3 > %4")
                                        .arg(caption->objectName(), text)
                                        .arg(needed)
                                        .arg(caption->maximumWidth())));
            }
        }
        QCoreApplication::removeTranslator(&english);
    }
};

QTEST_MAIN(Tst_Five_Tone_Form)
#include "tst_five_tone_form.moc"
