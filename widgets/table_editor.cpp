#include "widgets/table_editor.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

#include <utility>

namespace {

const QColor Current_Row_Colour(223, 223, 223);
const QColor Other_Row_Colour(255, 255, 255);

} // namespace

bool Commit_Cell_Editor(QLineEdit* editor)
{
    QWidget* viewport = editor ? editor->parentWidget() : nullptr;
    auto* view = viewport ? qobject_cast<QAbstractItemView*>(viewport->parentWidget()) : nullptr;
    if (!view || view->viewport() != viewport || !view->model())
        return false;
    const QAbstractItemModel* model = view->model();
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row) {
        for (int column = 0; column < model->columnCount(root); ++column) {
            if (view->indexWidget(model->index(row, column, root)) == editor)
                return QMetaObject::invokeMethod(view, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
        }
    }
    return false;
}

Table_Editor::Table_Editor(QTableWidget* table, QObject* page, QAbstractItemView::EditTrigger keyTrigger,
                           QList<int> listColumns)
    : m_table(table)
    , m_page(page)
    , m_signal(QMetaMethod::fromSignal(&QTableWidget::itemChanged))
    , m_keyTrigger(keyTrigger)
    , m_listColumns(std::move(listColumns))
{
    const QByteArray slot = "on_" + table->objectName().toLatin1() + "_itemChanged(QTableWidgetItem*)";
    const int index = page->metaObject()->indexOfSlot(slot.constData());
    if (index < 0)
        qFatal("Table_Editor: %s has no slot %s", page->metaObject()->className(), slot.constData());
    m_rules = page->metaObject()->method(index);
}

Table_Editor::~Table_Editor()
{
    QObject::disconnect(m_comboChosen);
}

// ---- the item-changed connection ---------------------------------------------

Table_Editor::Pause::Pause(const Table_Editor& editor)
    : m_editor(editor)
    , m_wasConnected(editor.Drop_Item_Changed())
{
}

Table_Editor::Pause::~Pause()
{
    if (m_wasConnected)
        m_editor.Make_Item_Changed();
}

bool Table_Editor::Drop_Item_Changed() const
{
    return QObject::disconnect(m_table, m_signal, m_page, m_rules);
}

void Table_Editor::Make_Item_Changed() const
{
    QObject::connect(m_table, m_signal, m_page, m_rules, Qt::UniqueConnection);
}

Table_Editor::Frozen_Headers::Frozen_Headers(QTableWidget* table)
    : m_table(table)
{
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

Table_Editor::Frozen_Headers::~Frozen_Headers()
{
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

// ---- cells ---------------------------------------------------------------------

QTableWidgetItem* Table_Editor::New_Cell(int column, const QString& text) const
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    if (m_listColumns.contains(column))
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString Table_Editor::Cell_Text(int row, int column) const
{
    const QTableWidgetItem* item = m_table->item(row, column);
    return item ? item->text() : QString();
}

void Table_Editor::Set_Cell_Text(int row, int column, const QString& text)
{
    if (QTableWidgetItem* item = m_table->item(row, column))
        item->setText(text);
    else
        m_table->setItem(row, column, New_Cell(column, text));
}

// ---- current cell and text editors ---------------------------------------------

void Table_Editor::Current_Cell_Changed(int currentRow, int currentColumn, int previousRow)
{
    Commit_Combo();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    if (unsigned(currentColumn) < unsigned(m_table->columnCount()))
        Allow_Text_Editing();
    if (currentRow == previousRow)
        return;
    const Pause pause(*this);
    Set_Row_Background(currentRow, true);
    Set_Row_Background(previousRow, false);
}

void Table_Editor::Set_Row_Background(int row, bool current)
{
    if (unsigned(row) >= unsigned(m_table->rowCount()))
        return;
    for (int column = 0; column < m_table->columnCount(); ++column) {
        if (QTableWidgetItem* item = m_table->item(row, column))
            item->setBackground(current ? Current_Row_Colour : Other_Row_Colour);
    }
}

void Table_Editor::Allow_Text_Editing()
{
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | m_keyTrigger);
}

void Table_Editor::Edit_Empty_Row(int row, int column)
{
    Allow_Text_Editing();
    const Pause pause(*this);
    Set_Cell_Text(row, column, QString());
    QTableWidgetItem* item = m_table->item(row, column);
    m_table->editItem(item);
    m_table->setEditTriggers(m_keyTrigger);
    m_table->scrollToItem(item);
    m_table->clearSelection();
}

// ---- cell combo box -------------------------------------------------------------

void Table_Editor::Open_Combo(int row, int column, const QStringList& items)
{
    Commit_Combo();

    auto* combo = new QComboBox(m_table);
    combo->setFrame(false);
    QFont font(QStringLiteral("Segoe UI"), 11);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    combo->setFont(font);
    combo->addItems(items);
    combo->setCurrentIndex(int(items.indexOf(Cell_Text(row, column))));
    m_table->setCellWidget(row, column, combo);
    combo->hidePopup();

    m_combo = combo;
    m_comboRow = row;
    m_comboColumn = column;
    m_comboChosen = QObject::connect(combo, &QComboBox::activated, m_table, [this] { Commit_Combo(); });
}

void Table_Editor::Commit_Combo()
{
    int row = -1;
    int column = -1;
    if (!Forget_Combo(row, column))
        return;
    const QString text = m_combo ? m_combo->currentText() : Cell_Text(row, column);

    const Frozen_Headers frozen(m_table);
    m_table->removeCellWidget(row, column); // the table deletes it later
    QTableWidgetItem* item = New_Cell(column, text);
    item->setBackground(Current_Row_Colour);
    m_table->setItem(row, column, item); // the cell rules see the new text
    m_table->setFocus(Qt::OtherFocusReason);
}

void Table_Editor::Dismiss_Combo()
{
    int row = -1;
    int column = -1;
    QComboBox* combo = m_combo;
    if (!Forget_Combo(row, column) || !combo)
        return;
    combo->hidePopup();
    if (m_table->cellWidget(row, column) == combo) {
        const Frozen_Headers frozen(m_table);
        m_table->removeCellWidget(row, column);
    }
}

bool Table_Editor::Forget_Combo(int& row, int& column)
{
    if (!Combo_Open())
        return false;
    row = m_comboRow;
    column = m_comboColumn;
    m_comboRow = -1;
    QObject::disconnect(m_comboChosen); // it may not come back while it goes
    return true;
}
