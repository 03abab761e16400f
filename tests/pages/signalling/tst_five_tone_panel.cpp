// The 5-tone reference panel and the input rules of the page's edits.

#include "app/mainwindow.h"
#include "image/data_file_read_write.h"
#include "pages/signalling/five_tone_form.h"
#include "pages/signalling/five_tone_standards.h"
#include "support/test_image.h"
#include "support/test_workdir.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

constexpr int Block = 0x17000;
constexpr int Size = 2048;

// The panel's edits in table column order: digits 0-9, A-F, tone length,
// group-call digit, repeat digit.
const QStringList Panel_Edits = {
    "lineEdit_4",  "lineEdit_5",  "lineEdit_6",  "lineEdit_7",  "lineEdit_8",  "lineEdit_9",  "lineEdit_10",
    "lineEdit_11", "lineEdit_12", "lineEdit_17", "lineEdit_15", "lineEdit_14", "lineEdit_19", "lineEdit_20",
    "lineEdit_16", "lineEdit_18", "lineEdit_13", "lineEdit_21", "lineEdit_22",
};

QStringList Empty_Panel()
{
    QStringList texts;
    for (int column = 0; column < Panel_Edits.size(); ++column)
        texts << QString();
    return texts;
}

QByteArray Block_With_Standard(int standard)
{
    QByteArray block(Size, 0);
    block[0x1E] = char(standard);
    return block;
}

} // namespace

class Tst_Five_Tone_Panel : public QObject
{
    Q_OBJECT

    FIVE_TONE_FORM* page = nullptr;

    QComboBox* combo(const QString& name) { return page->findChild<QComboBox*>(name); }
    QLineEdit* edit(const QString& name) { return page->findChild<QLineEdit*>(name); }

    QStringList Panel() const
    {
        QStringList texts;
        for (const QString& name : Panel_Edits)
            texts << page->findChild<QLineEdit*>(name)->text();
        return texts;
    }
    void Decode(const QByteArray& block)
    {
        auto image = Make_Image(Block, block);
        page->Set_Windows_Data_From_SP_Read(image.get());
    }

private slots:
    void init() { page = new FIVE_TONE_FORM(nullptr); }
    void cleanup() { delete page; }

    void standards_table()
    {
        // Spot checks of cells that are easy to get wrong.
        QCOMPARE(Five_Tone_Standard_Row(10).at(5), QStringLiteral("652.0"));
        QCOMPARE(Five_Tone_Standard_Row(10).at(11), QStringLiteral("400.0"));
        const QStringList ccir1 = Five_Tone_Standard_Row(7).mid(0, 16) + QStringList{"100", "A", "E"};
        QCOMPARE(Five_Tone_Standard_Row(6), ccir1);
        QCOMPARE(Five_Tone_Standard_Row(7).at(16), QStringLiteral("70"));
        const QList<QPair<int, QList<int>>> empties = {
            {2, {11, 12, 13, 15}}, {5, {15}}, {8, {15}}, {12, {10, 11, 12, 13, 15}}, {13, {15}}};
        for (int standard = 0; standard < Five_Tone_Standard_Count; ++standard) {
            const QStringList row = Five_Tone_Standard_Row(standard);
            QCOMPARE(row.size(), Five_Tone_Standard_Columns);
            QCOMPARE(row.at(Five_Tone_Group_Call_Column), QStringLiteral("A"));
            QCOMPARE(row.at(Five_Tone_Repeat_Column), QStringLiteral("E"));
            QList<int> expected;
            for (const auto& entry : empties) {
                if (entry.first == standard)
                    expected = entry.second;
            }
            QList<int> found;
            for (int column = 0; column < row.size(); ++column) {
                QVERIFY(row.at(column).size() <= 6);
                if (row.at(column).isEmpty())
                    found << column;
            }
            QCOMPARE(found, expected);
        }
        QVERIFY(Five_Tone_Standard_Row(15).isEmpty());
        QVERIFY(Five_Tone_Standard_Row(-1).isEmpty());
    }

    void nothing_moves_before_the_first_decode()
    {
        combo("comboBox_33")->setCurrentIndex(6);
        QCOMPARE(combo("comboBox_13")->currentIndex(), 0);
        combo("comboBox_13")->setCurrentIndex(4);
        QCOMPARE(Panel(), Empty_Panel());
    }

    void the_decode_standard_is_shown_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<QString>("digit0");
        QTest::newRow("ZVEI1, where the panel already stands") << 0 << "2400";
        QTest::newRow("CCIR1") << 6 << "1981";
        QTest::newRow("EIA") << 14 << "600";
    }
    void the_decode_standard_is_shown()
    {
        QFETCH(int, standard);
        QFETCH(QString, digit0);
        Decode(Block_With_Standard(standard));
        QCOMPARE(combo("comboBox_13")->currentIndex(), standard);
        QCOMPARE(edit("lineEdit_4")->text(), digit0);
        QCOMPARE(Panel(), Five_Tone_Standard_Row(standard));

        // A second file with the same standard shows it again after the
        // user looked at another one in the panel.
        combo("comboBox_13")->setCurrentIndex((standard + 1) % Five_Tone_Standard_Count);
        Decode(Block_With_Standard(standard));
        QCOMPARE(Panel(), Five_Tone_Standard_Row(standard));
    }

    void a_decode_without_standard_empties_the_panel()
    {
        Decode(Block_With_Standard(3));
        Decode(Block_With_Standard(0x55));
        QCOMPARE(combo("comboBox_13")->currentIndex(), -1);
        QCOMPARE(Panel(), Empty_Panel());
    }

    void every_selector_moves_the_panel_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<int>("standard");
        QStringList selectors{"comboBox_4"};
        for (int n = 22; n <= 45; ++n)
            selectors << QStringLiteral("comboBox_%1").arg(n);
        for (int i = 0; i < selectors.size(); ++i)
            QTest::newRow(qPrintable(selectors[i])) << selectors[i] << 1 + i % 14;
    }
    void every_selector_moves_the_panel()
    {
        QFETCH(QString, selector);
        QFETCH(int, standard);
        Decode(Block_With_Standard(0));
        combo(selector)->setCurrentIndex(standard);
        QCOMPARE(combo("comboBox_13")->currentIndex(), standard);
        QCOMPARE(Panel(), Five_Tone_Standard_Row(standard));
    }

    void panel_values_data()
    {
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("editName");
        QTest::addColumn<QString>("text");
        QTest::newRow("CCIR1 A") << "CCIR1" << "lineEdit_15" << "2400";
        QTest::newRow("CCIR1 length") << "CCIR1" << "lineEdit_13" << "100";
        QTest::newRow("ZVEI3 B") << "ZVEI3" << "lineEdit_14" << "";
        QTest::newRow("ZVEI3 E") << "ZVEI3" << "lineEdit_16" << "2400";
        QTest::newRow("MODAT A") << "MODAT" << "lineEdit_15" << "";
        QTest::newRow("EURO SIGNAL 5") << "EURO SIGNAL" << "lineEdit_9" << "652.0";
        QTest::newRow("EIA length") << "EIA" << "lineEdit_13" << "33";
    }
    void panel_values()
    {
        QFETCH(QString, standard);
        QFETCH(QString, editName);
        QFETCH(QString, text);
        Decode(Block_With_Standard(0));
        combo("comboBox_33")->setCurrentText(standard); // code row 3
        QCOMPARE(combo("comboBox_13")->currentText(), standard);
        QCOMPARE(edit(editName)->text(), text);
    }

    void no_selection_leaves_the_panel()
    {
        Decode(Block_With_Standard(6));
        combo("comboBox_30")->setCurrentIndex(-1);
        QCOMPARE(combo("comboBox_13")->currentIndex(), -1);
        QCOMPARE(Panel(), Five_Tone_Standard_Row(6));
    }

    void typed_keys_data()
    {
        QTest::addColumn<QString>("editName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("ID digits") << "lineEdit_3" << "0123" << "0123";
        QTest::newRow("ID no s letters") << "lineEdit_3" << "ssss" << "";
        QTest::newRow("ID no letters") << "lineEdit_3" << "1a2A" << "12";
        QTest::newRow("ID no blank") << "lineEdit_3" << "1 2" << "12";
        QTest::newRow("code all kinds") << "lineEdit_40" << "09afAF*#" << "09afAF*#";
        QTest::newRow("code no G") << "lineEdit_41" << "1G2g" << "12";
        QTest::newRow("code no s letters") << "lineEdit_56" << "s1s" << "1";
        QTest::newRow("PTT end no blank") << "lineEdit_71" << "D D" << "DD";
        QTest::newRow("information code") << "lineEdit_118" << "#1+2" << "#12";
        QTest::newRow("name punctuation") << "lineEdit_72" << "A-[]z!~" << "A-[]z!~";
        QTest::newRow("name no blank") << "lineEdit_87" << "a b" << "ab";
        QTest::newRow("name no colon, semicolon, backslash") << "lineEdit_80" << "x:y;z\\" << "xyz";
    }
    void typed_keys()
    {
        QFETCH(QString, editName);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit* field = edit(editName);
        field->clear();
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), kept);
    }

    // A finished edit shows the text as stored: codes in upper case.
    void finished_edit_keeps_the_text_data()
    {
        QTest::addColumn<QString>("editName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("own ID") << "lineEdit_3" << "0123" << "0123";
        QTest::newRow("code") << "lineEdit_40" << "09af*#" << "09AF*#";
        QTest::newRow("PTT end") << "lineEdit_71" << "d1" << "D1";
        QTest::newRow("information code") << "lineEdit_118" << "#1c" << "#1C";
        QTest::newRow("name") << "lineEdit_72" << "ab" << "ab";
    }
    void finished_edit_keeps_the_text()
    {
        QFETCH(QString, editName);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit* field = edit(editName);
        field->clear();
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), shown);
    }

    void emptied_fields_stay_acceptable()
    {
        for (const char* name : {"lineEdit_3", "lineEdit_40", "lineEdit_88"}) {
            QLineEdit* field = edit(QLatin1String(name));
            QVERIFY(field->validator());
            QString empty;
            int pos = 0;
            QCOMPARE(field->validator()->validate(empty, pos), QValidator::Acceptable);
        }
        QString empty;
        int pos = 0;
        QCOMPARE(edit("lineEdit_72")->validator()->validate(empty, pos), QValidator::Intermediate);
    }

    void language_switch_ends_on_the_decoded_standard_data()
    {
        QTest::addColumn<int>("standard");
        QTest::newRow("CCIR1") << 6;
        QTest::newRow("ZVEI1") << 0;
    }
    void language_switch_ends_on_the_decoded_standard()
    {
        QFETCH(int, standard);
        Test_Workdir workdir;
        MainWindow window;
        auto* shown = qobject_cast<FIVE_TONE_FORM*>(window.Page_At(MainWindow::Slot_Five_Tone));
        QVERIFY(shown);
        auto* decodeStandard = shown->findChild<QComboBox*>(QStringLiteral("comboBox_4"));
        auto* panelStandard = shown->findChild<QComboBox*>(QStringLiteral("comboBox_13"));
        auto* digit0 = shown->findChild<QLineEdit*>(QStringLiteral("lineEdit_4"));
        auto* code = shown->findChild<QLineEdit*>(QStringLiteral("lineEdit_40"));

        decodeStandard->setCurrentIndex(standard);
        panelStandard->setCurrentIndex(12); // the user looks at another standard
        code->setText(QStringLiteral("12AB"));

        window.Language_Change(QStringLiteral("ENGLISH"));
        QCOMPARE(shown->findChild<QLabel*>(QStringLiteral("label_8"))->text(), QStringLiteral("Decode Standard"));
        QCOMPARE(decodeStandard->currentIndex(), standard);
        QCOMPARE(panelStandard->currentIndex(), standard);
        QCOMPARE(digit0->text(), Five_Tone_Standard_Row(standard).at(0));
        QCOMPARE(code->text(), QStringLiteral("12AB"));

        window.Language_Change(QStringLiteral("CHINESE"));
        QCOMPARE(panelStandard->currentIndex(), standard);
        QCOMPARE(digit0->text(), Five_Tone_Standard_Row(standard).at(0));
    }
};

QTEST_MAIN(Tst_Five_Tone_Panel)
#include "tst_five_tone_panel.moc"
