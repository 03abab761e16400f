// The 2-tone page: decoder and encoder against images, the cell rules, the
// double-click redirect, the response combo box and the row highlight.

#include "pages/signalling/two_tone_form.h"
#include "support/list_cell_keys.h"
#include "support/test_image.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QValidator>
#include <QtTest>

namespace {

constexpr int Block = 0x16800;

const QString Response_None = QStringLiteral("无");
const QString Response_Tone = QStringLiteral("提示音");
const QString Response_Reply = QStringLiteral("提示音并回复");

// An erased block (every entry empty) with `patches` laid over it: offset -> bytes.
QByteArray Block_With(const QVector<QPair<int, QByteArray>>& patches)
{
    QByteArray block(512, char(0xFF));
    for (const auto& patch : patches)
        block.replace(patch.first, patch.second.size(), patch.second);
    return block;
}

QByteArray Block_Of(const DATA_FILE_READ_WRITE& image)
{
    return From_Hex(image.Read_String_From_Ram_File(Block, 512));
}

// Counts the debug lines a cell rule writes when it runs.
int g_encodeRuleRuns = 0;
int g_decodeRuleRuns = 0;
QtMessageHandler g_previousHandler = nullptr;

void Count_Rule_Runs(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("on_tableWidget_itemChanged"))
        ++g_encodeRuleRuns;
    else if (message == QLatin1String("on_tableWidget_2_itemChanged"))
        ++g_decodeRuleRuns;
    else if (type != QtDebugMsg && g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

class Tst_Two_Tone_Page : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void settingsBytes();
    void toneOneLimits_data();
    void toneOneLimits();
    void typedRowsEncodeAsExamples();
    void unownedBytesPassThrough();
    void decodeLeavesNothingOfEarlierImage();
    void cellRules();
    void encoderWithoutWholeBlockWritesNothing();
    void reentryGuardSurvivesRetranslation();
    void cellEditorPatterns_data();
    void cellEditorPatterns();
    void responseColumnHasNoTextEditor();
    void doubleClickSendsEmptyRowToToneOne();
    void responseComboOpenChooseLeave();
    void unknownResponseIsStoredAsNone();
    void responseBeyondListKeptUntilChosen();
    void retranslateAndDecodeDismissOpenCombo();
    void rowHighlightAndTriggers();

private:
    QTableWidget* Encode() const { return m_page->findChild<QTableWidget*>(QStringLiteral("tableWidget")); }
    QTableWidget* Decode() const { return m_page->findChild<QTableWidget*>(QStringLiteral("tableWidget_2")); }
    QComboBox* Combo(const char* name) const { return m_page->findChild<QComboBox*>(QLatin1String(name)); }
    QString Text(QTableWidget* table, int row, int column) const { return table->item(row, column)->text(); }
    void Decode_Block(const QByteArray& block);
    bool Show_Decoded(const QByteArray& block); // and waits for the page to show
    QByteArray Encode_Block();
    void Double_Click(QTableWidget* table, int row, int column);

    std::unique_ptr<TWO_TONE_FORM> m_page;
    std::unique_ptr<DATA_FILE_READ_WRITE> m_image;
};

void Tst_Two_Tone_Page::init()
{
    m_page = std::make_unique<TWO_TONE_FORM>(nullptr);
    m_page->resize(1400, 1000);
}

void Tst_Two_Tone_Page::cleanup()
{
    m_page.reset();
    m_image.reset();
}

void Tst_Two_Tone_Page::Decode_Block(const QByteArray& block)
{
    m_image = Make_Image(Block, block, {16, true});
    m_page->Set_Windows_Data_From_SP_Read(m_image.get());
}

bool Tst_Two_Tone_Page::Show_Decoded(const QByteArray& block)
{
    Decode_Block(block);
    m_page->show();
    return QTest::qWaitForWindowExposed(m_page.get());
}

QByteArray Tst_Two_Tone_Page::Encode_Block()
{
    m_page->Get_Windows_Data_To_SP_Write(m_image.get());
    return Block_Of(*m_image);
}

void Tst_Two_Tone_Page::Double_Click(QTableWidget* table, int row, int column)
{
    const QPoint at = table->visualRect(table->model()->index(row, column)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
}

void Tst_Two_Tone_Page::settingsBytes()
{
    Decode_Block(Block_With({{0, From_Hex("01 0C 05 06 07 08")}}));
    // Bytes 0 to 5: side tone, reset time, then the four times.
    const char* const shown[][2] = {{"comboBox_6", "打开"}, {"comboBox_5", "14S"},  {"comboBox_1", "1.0S"},
                                    {"comboBox_2", "1.1S"}, {"comboBox_3", "1.2S"}, {"comboBox_4", "0.8S"}};
    for (const auto& [name, text] : shown)
        QCOMPARE(Combo(name)->currentText(), QString::fromUtf8(text));
    QCOMPARE(Combo("comboBox_1")->count(), 96);
    QCOMPARE(Combo("comboBox_1")->itemText(95), QStringLiteral("10.0S"));
    QCOMPARE(Combo("comboBox_4")->count(), 21);
    QCOMPARE(Combo("comboBox_5")->count(), 36);
    QCOMPARE(Combo("comboBox_5")->itemText(35), QStringLiteral("300S"));

    Combo("comboBox_6")->setCurrentIndex(0);
    Combo("comboBox_5")->setCurrentIndex(35);
    QCOMPARE(Encode_Block().left(6), From_Hex("00 23 05 06 07 08"));

    // A byte beyond its list shows no item and goes back as it was found.
    Decode_Block(Block_With({{0, From_Hex("7F AB 60 05 05 15")}}));
    QCOMPARE(Combo("comboBox_6")->currentIndex(), -1);
    QCOMPARE(Combo("comboBox_4")->currentIndex(), -1);
    QCOMPARE(Encode_Block().left(6), From_Hex("7F AB 60 05 05 15"));
}

void Tst_Two_Tone_Page::toneOneLimits_data()
{
    QTest::addColumn<QByteArray>("tone");
    QTest::addColumn<QString>("shown");
    QTest::newRow("288.0") << From_Hex("40 0B") << "288.0";
    QTest::newRow("3106.0") << From_Hex("54 79") << "3106.0";
    QTest::newRow("287.9") << From_Hex("3F 0B") << "";
    QTest::newRow("3106.1") << From_Hex("55 79") << "";
    QTest::newRow("zero") << From_Hex("00 00") << "";
    QTest::newRow("erased") << From_Hex("FF FF") << "";
}

void Tst_Two_Tone_Page::toneOneLimits()
{
    QFETCH(QByteArray, tone);
    QFETCH(QString, shown);
    const QByteArray name = From_Hex("41 42 43 00 00 00 00 00");
    Decode_Block(Block_With({{0x00A + 12 * 4, tone + From_Hex("10 27") + name},
                             {0x100 + 14 * 4, tone + From_Hex("10 27 01") + name}}));
    QCOMPARE(Text(Encode(), 4, 0), shown);
    QCOMPARE(Text(Decode(), 4, 0), shown);
    const bool inUse = !shown.isEmpty();
    QCOMPARE(Text(Encode(), 4, 2), inUse ? QStringLiteral("ABC") : QString());
    QCOMPARE(Text(Decode(), 4, 1), inUse ? QStringLiteral("1000.0") : QString());
    QCOMPARE(Text(Decode(), 4, 2), inUse ? Response_Tone : QString());
}

void Tst_Two_Tone_Page::typedRowsEncodeAsExamples()
{
    // Decode row 0 in use with the response 2 and a spare byte 13 of 5A.
    Decode_Block(Block_With({{0x100, From_Hex("40 0B 00 00 02 00 00 00 00 00 00 00 00 5A")}}));

    Encode()->item(0, 0)->setText(QStringLiteral("1000"));
    QCOMPARE(Text(Encode(), 0, 0), QStringLiteral("1000.0"));
    QCOMPARE(Text(Encode(), 0, 2), QStringLiteral("2TENC-00"));
    Encode()->item(10, 0)->setText(QStringLiteral("1000"));
    QCOMPARE(Text(Encode(), 10, 2), QStringLiteral("2TENC-10")); // the row labelled A

    Decode()->item(0, 0)->setText(QStringLiteral("1500.56"));
    Decode()->item(0, 1)->setText(QStringLiteral("12"));
    Decode()->item(0, 3)->setText(QStringLiteral("abc"));
    Decode()->item(1, 0)->setText(QStringLiteral("1000"));
    QCOMPARE(Text(Decode(), 0, 2), Response_Reply);
    QCOMPARE(Text(Decode(), 1, 2), Response_None);
    QCOMPARE(Text(Decode(), 1, 3), QStringLiteral("2TDEC-01"));

    const QByteArray out = Encode_Block();
    QCOMPARE(out.mid(0x00A, 12), From_Hex("10 27 00 00 32 54 45 4E 43 2D 30 30"));
    QCOMPARE(out.mid(0x00A + 12, 12), QByteArray(12, char(0xFF)));
    QCOMPARE(out.mid(0x100, 14), From_Hex("9D 3A 40 0B 02 61 62 63 00 00 00 00 00 5A"));
    QCOMPARE(out.mid(0x100 + 14, 14), From_Hex("10 27 00 00 00 32 54 44 45 43 2D 30 31 FF"));
}

void Tst_Two_Tone_Page::unownedBytesPassThrough()
{
    QByteArray block = Seeded_Bytes(512, 2);
    // Put some entries in use, so that byte 13 of a used decode entry is seen.
    for (int row = 0; row < 16; row += 3) {
        block.replace(0x00A + 12 * row, 2, From_Hex("88 13"));
        block.replace(0x100 + 14 * row, 2, From_Hex("88 13"));
    }
    Decode_Block(block);
    const QByteArray once = Encode_Block();
    QCOMPARE(once.mid(0x006, 4), block.mid(0x006, 4));
    QCOMPARE(once.mid(0x0CA, 0x100 - 0x0CA), block.mid(0x0CA, 0x100 - 0x0CA));
    QCOMPARE(once.mid(0x1E0), block.mid(0x1E0));
    for (int row = 0; row < 16; row += 3)
        QCOMPARE(once.at(0x100 + 14 * row + 13), block.at(0x100 + 14 * row + 13));
    const QString hex = m_image->Read_String_From_Ram_File(Block, 512);
    QCOMPARE(hex, hex.toUpper());

    m_page->Set_Windows_Data_From_SP_Read(m_image.get());
    QCOMPARE(Encode_Block(), once);
}

void Tst_Two_Tone_Page::decodeLeavesNothingOfEarlierImage()
{
    Decode_Block(Block_With({{0x00A, From_Hex("10 27 40 0B 41 00 00 00 00 00 00 00")},
                             {0x100, From_Hex("10 27 40 0B 01 41 00 00 00 00 00 00 00 00")}}));
    QCOMPARE(Text(Encode(), 0, 1), QStringLiteral("288.0"));
    QCOMPARE(Text(Decode(), 0, 2), Response_Tone);

    // Tone 2 not valid and a response beyond the list: nothing of the first
    // image stays; the response shows nothing and goes back as read.
    Decode_Block(Block_With({{0x00A, From_Hex("10 27 00 00 42 00 00 00 00 00 00 00")},
                             {0x100, From_Hex("10 27 FF FF 07 42 00 00 00 00 00 00 00 00")}}));
    QCOMPARE(Text(Encode(), 0, 1), QString());
    QCOMPARE(Text(Decode(), 0, 1), QString());
    QCOMPARE(Text(Decode(), 0, 2), QString());
    QCOMPARE(Text(Decode(), 0, 3), QStringLiteral("B"));

    const QByteArray out = Encode_Block();
    QCOMPARE(out.mid(0x00A, 4), From_Hex("10 27 00 00"));
    QCOMPARE(out.mid(0x100, 6), From_Hex("10 27 00 00 07 42"));
}

void Tst_Two_Tone_Page::cellRules()
{
    Decode_Block(Block_With({{0x00A, From_Hex("10 27 40 0B 41 00 00 00 00 00 00 00")},
                             {0x100, From_Hex("10 27 40 0B 00 41 00 00 00 00 00 00 00 00")},
                             {0x100 + 14 * 3, From_Hex("10 27 40 0B 02 41 00 00 00 00 00 00 00 00")}}));
    // An emptied tone 2 stays empty ("no second tone") and is stored as 00 00.
    Encode()->item(0, 1)->setText(QString());
    Decode()->item(0, 1)->setText(QString());
    QCOMPARE(Text(Encode(), 0, 1), QString());
    QCOMPARE(Text(Decode(), 0, 1), QString());
    // An emptied tone 1 clears its row.
    Decode()->item(3, 0)->setText(QString());
    for (int column = 0; column < 4; ++column)
        QCOMPARE(Text(Decode(), 3, column), QString());
    const QByteArray out = Encode_Block();
    QCOMPARE(out.mid(0x00A + 2, 2), From_Hex("00 00"));
    QCOMPARE(out.mid(0x100 + 2, 2), From_Hex("00 00"));
    QCOMPARE(out.mid(0x100 + 14 * 3, 14), QByteArray(14, char(0xFF)));

    Encode()->item(0, 1)->setText(QStringLiteral("4000"));
    QCOMPARE(Text(Encode(), 0, 1), QStringLiteral("3106.0"));
    Encode()->item(0, 2)->setText(QStringLiteral("ABCDEFGHIJKL"));
    QCOMPARE(Text(Encode(), 0, 2), QStringLiteral("ABCDEFGH"));
}

void Tst_Two_Tone_Page::encoderWithoutWholeBlockWritesNothing()
{
    // The image ends 100 bytes into the block.
    const QByteArray partial = Block_With({{0, From_Hex("01 02 03 04 05 06")}}).left(100);
    m_image = Make_Image(Block, partial);
    m_page->Set_Windows_Data_From_SP_Read(m_image.get());
    QCOMPARE(Combo("comboBox_6")->currentIndex(), 0);
    QCOMPARE(Combo("comboBox_1")->currentIndex(), 0);
    Encode()->item(0, 0)->setText(QStringLiteral("1000"));
    m_page->Get_Windows_Data_To_SP_Write(m_image.get());
    QCOMPARE(Image_Bytes(*m_image), partial);
}

void Tst_Two_Tone_Page::reentryGuardSurvivesRetranslation()
{
    Decode_Block(Block_With({}));
    m_page->RetranslatePage();
    m_page->RetranslatePage();
    g_encodeRuleRuns = g_decodeRuleRuns = 0;
    g_previousHandler = qInstallMessageHandler(Count_Rule_Runs);
    Encode()->item(5, 0)->setText(QStringLiteral("1000"));
    Decode()->item(5, 0)->setText(QStringLiteral("1000"));
    qInstallMessageHandler(g_previousHandler);
    QCOMPARE(g_encodeRuleRuns, 1);
    QCOMPARE(g_decodeRuleRuns, 1);
    QCOMPARE(Text(Encode(), 5, 2), QStringLiteral("2TENC-05"));
    QCOMPARE(Text(Decode(), 5, 3), QStringLiteral("2TDEC-05"));
}

void Tst_Two_Tone_Page::cellEditorPatterns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    const int ok = QValidator::Acceptable;
    const int bad = QValidator::Invalid;
    QTest::newRow("tone digits") << 0 << "1000.5" << ok;
    QTest::newRow("tone empty") << 1 << "" << ok;
    QTest::newRow("tone letter") << 0 << "1e3" << bad;
    QTest::newRow("tone sign") << 1 << "-5" << bad;
    QTest::newRow("name punctuation") << 2 << "A-1_~!" << ok;
    QTest::newRow("name space") << 2 << "A B" << bad;
    QTest::newRow("name colon") << 2 << "A:" << bad;
    QTest::newRow("name semicolon") << 2 << "A;" << bad;
    QTest::newRow("name backslash") << 2 << "A\\" << bad;
    QTest::newRow("name non-ASCII") << 2 << "名" << bad;
    QTest::newRow("name empty") << 2 << "" << int(QValidator::Intermediate);
}

void Tst_Two_Tone_Page::cellEditorPatterns()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, state);
    // The decode table uses the same editors, its name being column 3.
    const QVector<QPair<QTableWidget*, int>> cells = {{Encode(), column}, {Decode(), column == 2 ? 3 : column}};
    for (const auto& cell : cells) {
        QTableWidget* table = cell.first;
        const QModelIndex index = table->model()->index(0, cell.second);
        QAbstractItemDelegate* delegate = table->itemDelegateForIndex(index);
        std::unique_ptr<QWidget> editor(delegate->createEditor(table->viewport(), QStyleOptionViewItem(), index));
        auto* lineEdit = qobject_cast<QLineEdit*>(editor.get());
        QVERIFY(lineEdit && lineEdit->validator());
        int pos = 0;
        QCOMPARE(int(lineEdit->validator()->validate(text, pos)), state);
    }
}

void Tst_Two_Tone_Page::responseColumnHasNoTextEditor()
{
    QVERIFY(Show_Decoded(Block_With({{0x100, From_Hex("10 27 00 00 01 41 00 00 00 00 00 00 00 00")}})));
    QTableWidget* table = Decode();
    QTest::keyClick(table, Qt::Key_X); // no entry starts with it
    Check_List_Cell_Keys(table, 0, 2, QStringLiteral("提"), Response_Tone);
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    table->edit(table->model()->index(0, 2));
    QVERIFY(!table->indexWidget(table->model()->index(0, 2)));
    QCOMPARE(Text(table, 0, 2), Response_Tone);
}

void Tst_Two_Tone_Page::doubleClickSendsEmptyRowToToneOne()
{
    QVERIFY(Show_Decoded(Block_With({{0x100 + 14, From_Hex("10 27 00 00 01 41 00 00 00 00 00 00 00 00")}})));
    QTableWidget* table = Encode();
    auto editorAt = [](QTableWidget* t, int row, int column) {
        return qobject_cast<QLineEdit*>(t->indexWidget(t->model()->index(row, column)));
    };

    // Any cell of an empty row, the name included, opens the editor on tone 1.
    Double_Click(table, 2, 2);
    QLineEdit* editor = editorAt(table, 2, 0);
    QVERIFY(editor);
    QVERIFY(!editorAt(table, 2, 2));
    QCOMPARE(table->editTriggers(), QAbstractItemView::EditTriggers(QAbstractItemView::AnyKeyPressed));
    QTest::keyClicks(editor, QStringLiteral("1000"));
    QTest::keyClick(editor, Qt::Key_Return); // commits through a queued call
    QTRY_COMPARE(Text(table, 2, 0), QStringLiteral("1000.0"));
    QCOMPARE(Text(table, 2, 2), QStringLiteral("2TENC-02"));

    // The row is in use now, the current cell has not moved: a double click on
    // the name does not edit it, a typed key does.
    Double_Click(table, 2, 2);
    QVERIFY(!editorAt(table, 2, 2));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Z);
    QVERIFY(editorAt(table, 2, 2));

    // The decode table's name column opens at once on a row in use.
    Double_Click(Decode(), 1, 3);
    QVERIFY(editorAt(Decode(), 1, 3));
    QCOMPARE(Decode()->editTriggers(),
             QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    // And its response cell of an empty row sends the editor to tone 1 as well.
    Double_Click(Decode(), 6, 2);
    QVERIFY(editorAt(Decode(), 6, 0));
    QVERIFY(!Decode()->cellWidget(6, 2));
}

void Tst_Two_Tone_Page::responseComboOpenChooseLeave()
{
    QVERIFY(Show_Decoded(Block_With({{0x100 + 14, From_Hex("10 27 00 00 01 41 00 00 00 00 00 00 00 00")}})));
    QTableWidget* table = Decode();

    Double_Click(table, 1, 2);
    auto* combo = qobject_cast<QComboBox*>(table->cellWidget(1, 2));
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(2), Response_Reply);
    QCOMPARE(combo->currentText(), Response_Tone);
    QVERIFY(!combo->view()->isVisible());

    combo->setCurrentIndex(2);
    emit combo->activated(2);
    QVERIFY(!table->cellWidget(1, 2));
    QCOMPARE(Text(table, 1, 2), Response_Reply);
    QCOMPARE(table->item(1, 2)->background().color(), QColor(223, 223, 223));
    QCOMPARE(table->item(1, 2)->textAlignment(), int(Qt::AlignCenter));

    // Leaving without choosing keeps the entry that was current.
    Double_Click(table, 1, 2);
    QVERIFY(table->cellWidget(1, 2));
    table->setCurrentCell(4, 0);
    QVERIFY(!table->cellWidget(1, 2));
    QCOMPARE(Text(table, 1, 2), Response_Reply);
    QCOMPARE(Encode_Block().at(0x100 + 14 + 4), char(2));
}

void Tst_Two_Tone_Page::unknownResponseIsStoredAsNone()
{
    QVERIFY(Show_Decoded(Block_With({{0x100 + 14, From_Hex("10 27 00 00 02 41 00 00 00 00 00 00 00 00")}})));
    QTableWidget* table = Decode();
    table->item(1, 2)->setText(QStringLiteral("Alert Tone")); // a text of another language
    QCOMPARE(Encode_Block().at(0x100 + 14 + 4), char(0));

    Double_Click(table, 1, 2);
    auto* combo = qobject_cast<QComboBox*>(table->cellWidget(1, 2));
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), -1);
    table->setCurrentCell(4, 0);
    QCOMPARE(Text(table, 1, 2), QString());
    const QByteArray out = Encode_Block();
    QCOMPARE(out.mid(0x100 + 14, 6), From_Hex("10 27 00 00 00 41"));
}

void Tst_Two_Tone_Page::responseBeyondListKeptUntilChosen()
{
    const QByteArray entry = From_Hex("10 27 00 00 09 41 00 00 00 00 00 00 00 00");
    QVERIFY(Show_Decoded(Block_With({{0x100 + 14, entry}, {0x100 + 28, entry}})));
    QTableWidget* table = Decode();
    QCOMPARE(Text(table, 1, 2), QString());
    Double_Click(table, 1, 2);
    table->setCurrentCell(4, 0); // left without a choice
    table->item(2, 0)->setText(QStringLiteral("1000")); // the row check gives an empty response the first
    QByteArray out = Encode_Block();
    QCOMPARE(out.at(0x100 + 14 + 4), char(9));
    QCOMPARE(out.at(0x100 + 28 + 4), char(0));

    Double_Click(table, 1, 2);
    auto* combo = qobject_cast<QComboBox*>(table->cellWidget(1, 2));
    QVERIFY(combo && combo->currentIndex() == -1);
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    QCOMPARE(Encode_Block().at(0x100 + 14 + 4), char(1));
}

void Tst_Two_Tone_Page::retranslateAndDecodeDismissOpenCombo()
{
    const QByteArray block = Block_With({{0x100 + 14, From_Hex("10 27 00 00 01 41 00 00 00 00 00 00 00 00")}});
    QVERIFY(Show_Decoded(block));
    QTableWidget* table = Decode();

    Double_Click(table, 1, 2);
    auto* combo = qobject_cast<QComboBox*>(table->cellWidget(1, 2));
    QVERIFY(combo);
    combo->setCurrentIndex(2); // shown, not chosen
    m_page->RetranslatePage();
    QVERIFY(!table->cellWidget(1, 2));
    m_page->Set_Windows_Data_From_SP_Read(m_image.get());
    table->setCurrentCell(5, 0);
    QCOMPARE(Text(table, 1, 2), Response_Tone);

    Double_Click(table, 1, 2);
    combo = qobject_cast<QComboBox*>(table->cellWidget(1, 2));
    QVERIFY(combo);
    combo->setCurrentIndex(0);
    m_page->Set_Windows_Data_From_SP_Read(m_image.get());
    QVERIFY(!table->cellWidget(1, 2));
    table->setCurrentCell(6, 0);
    QCOMPARE(Text(table, 1, 2), Response_Tone);
}

void Tst_Two_Tone_Page::rowHighlightAndTriggers()
{
    const QColor grey(223, 223, 223);
    const QColor white(255, 255, 255);
    for (QTableWidget* table : {Encode(), Decode()}) {
        table->setCurrentCell(3, 0);
        for (int column = 0; column < table->columnCount(); ++column)
            QCOMPARE(table->item(3, column)->background().color(), grey);
        QCOMPARE(table->editTriggers(), QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);

        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setCurrentCell(3, 1); // same row: only the triggers
        QCOMPARE(table->editTriggers(), QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);

        table->setCurrentCell(7, 1);
        for (int column = 0; column < table->columnCount(); ++column) {
            QCOMPARE(table->item(7, column)->background().color(), grey);
            QCOMPARE(table->item(3, column)->background().color(), white);
        }
        // Highlighting writes no cell text.
        QCOMPARE(Text(table, 7, 0), QString());
    }
}

QTEST_MAIN(Tst_Two_Tone_Page)
#include "tst_two_tone_page.moc"
