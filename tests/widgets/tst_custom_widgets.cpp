#include "widgets/byte_row.h"
#include "widgets/customdoublevalidator.h"
#include "widgets/customitemdelegrate.h"
#include "widgets/table_editor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <memory>

// A page whose cell rule setupUi would connect by name: it counts its runs
// and writes a cell of its own each time.
class Rule_Page : public QWidget
{
    Q_OBJECT
public:
    Rule_Page()
    {
        m_table->setObjectName(QStringLiteral("table"));
        QMetaObject::connectSlotsByName(this);
    }
    QTableWidget* m_table = new QTableWidget(3, 2, this);
    std::unique_ptr<Table_Editor> Editor;
    int Runs = 0;

private slots:
    void on_table_itemChanged(QTableWidgetItem* item)
    {
        if (!Editor || Editor->Own_Change())
            return;
        Editor->Run_Cell_Rule(item, [this](QTableWidgetItem* cell) {
            ++Runs;
            Editor->Set_Cell_Text(cell->row(), 0, QString::number(Runs));
        });
    }
};

class Tst_Custom_Widgets : public QObject
{
    Q_OBJECT

private slots:
    void double_validator_data();
    void double_validator();
    void double_validator_fixup();
    void delegate_edits_through_its_pattern();
    void combo_byte_round_trip_data();
    void combo_byte_round_trip();
    void list_cells_keep_their_entries_and_own_writes_stay_out_of_the_rules();
};

void Tst_Custom_Widgets::double_validator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    const int inv = QValidator::Invalid;
    const int mid = QValidator::Intermediate;
    const int ok = QValidator::Acceptable;
    QTest::newRow("empty") << QString() << mid;
    QTest::newRow("0") << QStringLiteral("0") << mid;
    QTest::newRow("0.") << QStringLiteral("0.") << mid;
    QTest::newRow("0.0") << QStringLiteral("0.0") << mid;
    QTest::newRow("in range") << QStringLiteral("24.00000") << ok;
    QTest::newRow("top") << QStringLiteral("90") << ok;
    QTest::newRow("above top") << QStringLiteral("90.00001") << inv;
    QTest::newRow("below bottom") << QStringLiteral("-1") << inv;
    QTest::newRow("too many decimals") << QStringLiteral("1.123456") << inv;
    QTest::newRow("five decimals") << QStringLiteral("1.12345") << ok;
    QTest::newRow("no number") << QStringLiteral("abc") << inv;
    QTest::newRow("nan") << QStringLiteral("nan") << inv;
    QTest::newRow("inf") << QStringLiteral("inf") << inv;
    QTest::newRow("blank") << QStringLiteral(" 5") << inv;
    QTest::newRow("exponent") << QStringLiteral("1e1") << inv;
    QTest::newRow("lone point") << QStringLiteral(".") << mid;
    QTest::newRow("leading point") << QStringLiteral(".5") << ok;
    QTest::newRow("leading point, too many decimals") << QStringLiteral(".123456") << inv;
}

void Tst_Custom_Widgets::double_validator()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    CustomDoubleValidator validator;
    validator.setRange(0, 90, 5);
    validator.setNotation(QDoubleValidator::StandardNotation);
    int pos = 0;
    QCOMPARE(int(validator.validate(text, pos)), state);
}

void Tst_Custom_Widgets::double_validator_fixup()
{
    CustomDoubleValidator validator;
    validator.setRange(2.5, 90, 5);
    const auto fixed = [&validator](QString text) { validator.fixup(text); return text; };
    QCOMPARE(fixed(QStringLiteral("1")), QStringLiteral("2.5"));
    QCOMPARE(fixed(QStringLiteral("3")), QStringLiteral("3"));
    validator.setBottom(-1); // a sign allowed: "-" starts a number
    QString minus = QStringLiteral("-");
    int pos = 0;
    QCOMPARE(validator.validate(minus, pos), QValidator::Intermediate);
}

void Tst_Custom_Widgets::delegate_edits_through_its_pattern()
{
    QTableWidget table(1, 2);
    table.setItem(0, 0, new QTableWidgetItem(QStringLiteral("123")));
    table.setItem(0, 1, new QTableWidgetItem(QString()));
    auto* delegate = new CustomItemDelegrate(QRegularExpression(QStringLiteral("^$|^[0-9]{1,4}$")), &table);
    table.setItemDelegate(delegate);

    QWidget* editor = delegate->createEditor(table.viewport(), QStyleOptionViewItem(), table.model()->index(0, 0));
    auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    QVERIFY(lineEdit);
    QVERIFY(lineEdit->validator());
    delegate->setEditorData(editor, table.model()->index(0, 0));
    QCOMPARE(lineEdit->text(), QStringLiteral("123"));

    lineEdit->clear();
    QTest::keyClicks(lineEdit, QStringLiteral("9x8 76"));
    QCOMPARE(lineEdit->text(), QStringLiteral("9876")); // refused characters never appear

    QSignalSpy changed(&table, &QTableWidget::itemChanged);
    delegate->setModelData(editor, table.model(), table.model()->index(0, 1));
    QCOMPARE(table.item(0, 1)->text(), QStringLiteral("9876"));
    QCOMPARE(changed.count(), 1);
    delete editor;
}

void Tst_Custom_Widgets::combo_byte_round_trip_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("written");
    QTest::newRow("first") << QStringLiteral("00") << 0 << 0 << QStringLiteral("00");
    QTest::newRow("last") << QStringLiteral("02") << 0 << 2 << QStringLiteral("02");
    QTest::newRow("beyond the list") << QStringLiteral("03") << 0 << -1 << QStringLiteral("03");
    QTest::newRow("erased") << QStringLiteral("ff") << 0 << -1 << QStringLiteral("FF");
    QTest::newRow("malformed reads 0") << QStringLiteral("-1") << 0 << 0 << QStringLiteral("00");
    QTest::newRow("offset") << QStringLiteral("06") << 5 << 1 << QStringLiteral("06");
    QTest::newRow("below offset") << QStringLiteral("04") << 5 << -1 << QStringLiteral("04");
}

void Tst_Custom_Widgets::combo_byte_round_trip()
{
    QFETCH(QString, stored);
    QFETCH(int, offset);
    QFETCH(int, index);
    QFETCH(QString, written);
    QComboBox combo;
    combo.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    const QString region = QStringLiteral("AA") + stored + QStringLiteral("BB");
    const QVector<Byte_Row> rows = {{1, 1, Combo_Index_Byte(offset), &combo}};
    Show_Rows(rows, region);
    QCOMPARE(combo.currentIndex(), index);
    QString out = region;
    Store_Rows(rows, out);
    QCOMPARE(out, QStringLiteral("AA") + written + QStringLiteral("BB"));
}

// Random writes on a list column, from outside and by the page, and changes
// of the list's language: every list cell holds its text's position in the
// list, and the cell rule runs once for each change from outside only.
void Tst_Custom_Widgets::list_cells_keep_their_entries_and_own_writes_stay_out_of_the_rules()
{
    Rule_Page page;
    QStringList list = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    page.Editor = std::make_unique<Table_Editor>(page.m_table, QAbstractItemView::AnyKeyPressed, QList<int>{1},
                                                 [&list](int, int) { return list; });
    Table_Editor& editor = *page.Editor;
    editor.Reset_Cells();
    const QStringList texts = {"", "a", "b", "c", "x", "B"};
    QRandomGenerator random(20);
    int changes = 0;
    for (int step = 0; step < 400; ++step) {
        const int row = int(random.bounded(3));
        const QString text = texts.at(random.bounded(texts.size()));
        const int index = int(random.bounded(5)) - 1;
        QTableWidgetItem* item = page.m_table->item(row, 1);
        switch (random.bounded(5)) {
        case 0:
            changes += item->text() != text;
            item->setText(text);
            break;
        case 1: editor.Set_Cell_Text(row, 1, text); break;
        case 2: editor.Set_List_Cell(row, 1, index); break;
        case 3: {
            const Table_Editor::Rewrite outer(editor);
            const Table_Editor::Rewrite inner(editor);
            editor.Set_Cell_Text(row, 1, text);
            editor.Set_List_Cell(row, 1, index);
            break;
        }
        default:
            for (QString& entry : list)
                entry = entry == entry.toLower() ? entry.toUpper() : entry.toLower();
            editor.Show_List_Entries();
            break;
        }
        for (int r = 0; r < 3; ++r) {
            const QString shown = editor.Cell_Text(r, 1);
            QCOMPARE(editor.Cell_Index(r, 1), shown.isEmpty() ? -1 : int(list.indexOf(shown)));
        }
        QCOMPARE(page.Runs, changes);
    }
    QVERIFY(changes > 50);
}

QTEST_MAIN(Tst_Custom_Widgets)
#include "tst_custom_widgets.moc"
