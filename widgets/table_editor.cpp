#include "widgets/table_editor.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

namespace {

const QColor Current_Row_Colour(223, 223, 223);
const QColor Other_Row_Colour(255, 255, 255);

// The first entry after `current` (-1: none), round past the end, that starts
// with `typed`, case aside; -1 if none does.
qsizetype Next_Entry_Starting_With(const QStringList& entries, qsizetype current, const QString& typed)
{
    for (qsizetype step = 1; step <= entries.size(); ++step) {
        const qsizetype index = (current + step) % entries.size();
        if (entries.at(index).startsWith(typed, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

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

Table_Editor::Table_Editor(QTableWidget* table, QAbstractItemView::EditTrigger keyTrigger, QList<int> listColumns,
                           Cell_List cellList)
    : m_table(table)
    , m_keyTrigger(keyTrigger)
    , m_listColumns(std::move(listColumns))
    , m_cellList(std::move(cellList))
{
    m_table->installEventFilter(this);
}

Table_Editor::~Table_Editor()
{
    QObject::disconnect(m_comboChosen);
}

Table_Editor::Rewrite::Rewrite(Table_Editor& editor)
    : m_editor(editor)
    , m_changedBefore(editor.m_textChanged)
{
    ++m_editor.m_ownWrites;
    m_editor.m_textChanged = false;
}

Table_Editor::Rewrite::~Rewrite()
{
    --m_editor.m_ownWrites;
    if (m_editor.m_textChanged)
        Fit_Columns(m_editor.m_table);
    m_editor.m_textChanged = m_editor.m_textChanged || m_changedBefore;
}

Table_Editor::Frozen_Headers::Frozen_Headers(QTableWidget* table)
    : m_table(table)
{
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

Table_Editor::Frozen_Headers::~Frozen_Headers()
{
    Fit_Columns(m_table);
}

void Table_Editor::Fit_Columns(QTableWidget* table)
{
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

// ---- cells ---------------------------------------------------------------------

QTableWidgetItem* Table_Editor::New_Cell(int column, const QString& text) const
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    if (Is_List_Column(column)) {
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        item->setData(Index_Role, -1);
    }
    return item;
}

QTableWidgetItem* Table_Editor::Cell(int row, int column)
{
    QTableWidgetItem* item = m_table->item(row, column);
    if (!item && unsigned(row) < unsigned(m_table->rowCount()) && unsigned(column) < unsigned(m_table->columnCount())) {
        const Own_Writes own(*this);
        item = New_Cell(column, QString());
        m_table->setItem(row, column, item);
    }
    return item;
}

QStringList Table_Editor::List_Of(int row, int column) const
{
    return Is_List_Column(column) && m_cellList ? m_cellList(row, column) : QStringList();
}

void Table_Editor::Reset_Cells()
{
    const Own_Writes own(*this);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column)
            m_table->setItem(row, column, New_Cell(column, QStringLiteral("")));
    }
}

void Table_Editor::Clear_Cells()
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            if (Is_List_Column(column))
                Set_List_Cell(row, column, -1);
            else
                Set_Cell_Text(row, column, QString());
        }
    }
}

QString Table_Editor::Cell_Text(int row, int column) const
{
    const QTableWidgetItem* item = m_table->item(row, column);
    return item ? item->text() : QString();
}

int Table_Editor::Cell_Index(int row, int column) const
{
    const QTableWidgetItem* item = m_table->item(row, column);
    // A text emptied behind the editor's back (signals blocked) has no entry.
    if (!item || item->text().isEmpty())
        return -1;
    bool ok = false;
    const int index = item->data(Index_Role).toInt(&ok);
    return ok ? index : -1;
}

void Table_Editor::Write_Text(QTableWidgetItem* item, const QString& text)
{
    if (item->text() == text)
        return;
    const Own_Writes own(*this);
    item->setText(text);
    m_textChanged = true;
}

int Table_Editor::Stored_Index(int row, int column) const
{
    const int index = Cell_Index(row, column);
    const QTableWidgetItem* item = m_table->item(row, column);
    if (index >= 0 || !item || !item->text().isEmpty())
        return index;
    bool ok = false;
    const int read = item->data(Read_Role).toInt(&ok);
    return ok ? read : -1;
}

void Table_Editor::Write_Index(QTableWidgetItem* item, int index)
{
    const Own_Writes own(*this);
    item->setData(Index_Role, index);
}

void Table_Editor::Write_Read(QTableWidgetItem* item, int read)
{
    const QVariant value = read >= 0 ? QVariant(read) : QVariant();
    if (item->data(Read_Role) == value)
        return;
    const Own_Writes own(*this);
    item->setData(Read_Role, value);
}

void Table_Editor::Set_Cell_Text(int row, int column, const QString& text)
{
    QTableWidgetItem* item = Cell(row, column);
    if (!item)
        return;
    Write_Text(item, text);
    if (Is_List_Column(column)) {
        Write_Read(item, -1);
        Match_Index(row, column);
    }
}

void Table_Editor::Set_List_Cell(int row, int column, int index)
{
    QTableWidgetItem* item = Cell(row, column);
    if (!item)
        return;
    const QStringList entries = index >= 0 ? List_Of(row, column) : QStringList();
    const int beyond = index >= entries.size() ? index : -1;
    if (beyond >= 0)
        index = -1;
    Write_Text(item, index >= 0 ? entries.at(index) : QString());
    Write_Index(item, index);
    Write_Read(item, beyond);
}

void Table_Editor::Match_Index(int row, int column)
{
    QTableWidgetItem* item = m_table->item(row, column);
    if (!item || !Is_List_Column(column))
        return;
    const QString text = item->text();
    Write_Index(item, text.isEmpty() ? -1 : int(List_Of(row, column).indexOf(text)));
    if (!text.isEmpty())
        Write_Read(item, -1);
}

void Table_Editor::Show_List_Entries()
{
    const Rewrite rewrite(*this);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column : m_listColumns) {
            const int index = Cell_Index(row, column);
            const QStringList entries = index >= 0 ? List_Of(row, column) : QStringList();
            if (index >= 0 && index < entries.size())
                Write_Text(m_table->item(row, column), entries.at(index));
            else
                Match_Index(row, column); // a text of no entry may name one now
        }
    }
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
    const Own_Writes own(*this);
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

bool Table_Editor::Row_In_Use(int row) const
{
    return !Cell_Text(row, 0).isEmpty();
}

void Table_Editor::Open_Cell(int row, int column)
{
    if (!Row_In_Use(row))
        Edit_Empty_Row(row, 0);
    else if (Is_List_Column(column) && m_cellList)
        Open_Combo(row, column, m_cellList(row, column));
}

void Table_Editor::Edit_Empty_Row(int row, int column)
{
    Allow_Text_Editing();
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
    const int index = Cell_Index(row, column);
    combo->setCurrentIndex(index < items.size() ? index : -1);
    m_table->setCellWidget(row, column, combo);
    combo->hidePopup();
    combo->view()->window()->installEventFilter(this); // the list's popup

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
    if (text.isEmpty() && Cell_Text(row, column).isEmpty()) {
        // Nothing chosen for a cell that shows nothing: it stays, with what it keeps.
        m_table->setFocus(Qt::OtherFocusReason);
        return;
    }
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

bool Table_Editor::Combo_Open_At(int row, int column) const
{
    return Combo_Open() && m_comboRow == row && m_comboColumn == column;
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

// ---- keyboard on list cells -----------------------------------------------------

bool Table_Editor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress)
        return Cell_Key(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::Hide && m_combo && watched == m_combo->view()->window()) {
        // A choice in the list comes after the list has closed: look once it
        // had its turn.
        QMetaObject::invokeMethod(this, [this, combo = m_combo] { List_Closed(combo); }, Qt::QueuedConnection);
    }
    return false;
}

bool Table_Editor::Cell_Key(const QKeyEvent* key)
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return false;
    const int row = current.row();
    const int column = current.column();
    // The table's own keys, and those its cell's combo box passes on (Enter);
    // not those a text editor passes on.
    const QWidget* focus = QApplication::focusWidget();
    if (focus != m_table && !(focus == m_combo && Combo_Open_At(row, column)))
        return false;

    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const QString typed = key->text();
    const bool character = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
                        && !typed.isEmpty() && typed.at(0).isPrint();

    if (!m_listColumns.contains(column)) {
        // A character that would start editing a later cell of a row not in
        // use starts its first cell instead, as a double click does.
        const bool typing = character && (m_table->editTriggers() & QAbstractItemView::AnyKeyPressed);
        if (column == 0 || Row_In_Use(row) || !typing)
            return false;
        Edit_Empty_Row(row, 0);
        if (QWidget* editor = m_table->indexWidget(m_table->model()->index(row, 0))) {
            QKeyEvent forwarded(key->type(), key->key(), key->modifiers(), typed, key->isAutoRepeat(), key->count());
            QApplication::sendEvent(editor, &forwarded);
        }
        return true;
    }

    const bool plain = modifiers == Qt::NoModifier;
    switch (key->key()) {
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!plain)
            return false;
        Show_List(row, column);
        return true;
    case Qt::Key_Down:
        if (modifiers != Qt::AltModifier)
            return false;
        Show_List(row, column);
        return true;
    default:
        break;
    }
    if (!character)
        return false;
    Choose_By_Character(row, column, typed);
    return true; // a list cell takes no text, and the table moves to no other row
}

void Table_Editor::Show_List(int row, int column)
{
    if (!Combo_Open_At(row, column)) // one already shown keeps what it shows
        Open_Cell(row, column);
    if (Combo_Open_At(row, column) && m_combo) {
        m_combo->setFocus(Qt::OtherFocusReason);
        m_combo->showPopup();
    }
}

void Table_Editor::Choose_By_Character(int row, int column, const QString& typed)
{
    if (!Row_In_Use(row) || !m_cellList)
        return;
    const QStringList entries = m_cellList(row, column);
    const qsizetype next = Next_Entry_Starting_With(entries, Cell_Index(row, column), typed);
    if (next < 0)
        return;
    if (Combo_Open_At(row, column))
        Dismiss_Combo(); // it would write its own entry over this one
    if (QTableWidgetItem* item = m_table->item(row, column))
        item->setText(entries.at(next)); // as a choice in the list: through the cell rules
}

void Table_Editor::List_Closed(QComboBox* combo)
{
    if (!combo || combo != m_combo || !Combo_Open() || combo->view()->isVisible())
        return; // chosen, taken away or open again meanwhile
    // Its window's focus (the list, a window of its own, may hold the
    // application's meanwhile).
    const bool hadFocus = combo->window()->focusWidget() == combo;
    Dismiss_Combo();
    if (hadFocus)
        m_table->setFocus(Qt::OtherFocusReason);
}
