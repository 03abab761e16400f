#pragma once

#include <QAbstractItemView>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTableWidget>

#include <functional>

class QComboBox;
class QKeyEvent;
class QLineEdit;

// If `editor` is the open text editor of a cell of an item view, hands its
// text to the view's model through that view, as the editor's own commit
// does, and says so. The editor stays open.
bool Commit_Cell_Editor(QLineEdit* editor);

// How a page edits one of its tables. The page keeps its cell rules in the
// slot on_<table name>_itemChanged(QTableWidgetItem*), which setupUi connects
// by name, and runs them through Run_Cell_Rule. The editor tells the page's
// own writes from every other change, keeps the current row highlighted,
// sets the edit triggers and shows the combo box through which a list cell
// is chosen.
//
// A list cell keeps, beside the text it shows, its entry's position in the
// cell's list (Index_Role; -1 for an empty cell or a text the list does not
// hold). A text that comes from outside (typed, chosen, or set on the item)
// is matched to its position before the cell rule runs; when the lists change
// language, the texts are written again from the positions. A cell the page
// set to a position its list does not hold shows nothing and keeps that
// position (Read_Role) until it shows a text, so that what was read can be
// stored again unchanged.
//
// Text cells open a line editor on a double click or on the page's key
// trigger. List cells never take typed text: a double click shows their combo
// box, and so do F2, Enter, Space and Alt+Down, with its list open; a list
// closed without a choice takes the combo box away again. A character typed
// on a list cell picks the next entry starting with it, as on a closed combo
// box (not with Ctrl, Alt or Meta held).
//
// A row whose first cell is empty is not in use: opening any of its cells,
// or typing on it, opens the first cell's editor instead.
class Table_Editor : public QObject
{
    Q_OBJECT
public:
    // The entries a list cell offers; asked each time the cell is opened,
    // typed on or written.
    using Cell_List = std::function<QStringList(int row, int column)>;

    static constexpr int Index_Role = Qt::UserRole;
    static constexpr int Read_Role = Qt::UserRole + 1;

    Table_Editor(QTableWidget* table, QAbstractItemView::EditTrigger keyTrigger, QList<int> listColumns = {},
                 Cell_List cellList = {});
    ~Table_Editor() override;
    Table_Editor(const Table_Editor&) = delete;
    Table_Editor& operator=(const Table_Editor&) = delete;

    // A run of the page's own writes, such as a decode: the cell rules do not
    // see them, and if any of them changed a text, the columns fit their
    // contents again afterwards, as after a cell rule.
    class Rewrite
    {
    public:
        explicit Rewrite(Table_Editor& editor);
        ~Rewrite();
        Rewrite(const Rewrite&) = delete;
        Rewrite& operator=(const Rewrite&) = delete;

    private:
        Table_Editor& m_editor;
        bool m_changedBefore;
    };

    QTableWidget* Table() const { return m_table; }

    // True while the table changes through the page's own writes: the page's
    // item-changed slot has nothing to do then.
    bool Own_Change() const { return m_ownWrites > 0; }

    // Runs a cell rule on `item` of this table after a change from outside
    // (a list cell's position is matched to its text first). The rule's own
    // writes do not come back, and the header sizes are held meanwhile.
    template <typename Rule>
    void Run_Cell_Rule(QTableWidgetItem* item, Rule rule);

    // ---- the page's own writes: the cell rules do not see them ------------

    // Every cell a new, empty one.
    void Reset_Cells();
    // Every cell's text empty, no list cell on an entry.
    void Clear_Cells();
    QString Cell_Text(int row, int column) const;
    // A list cell's position in its list; -1 when empty or not in the list.
    int Cell_Index(int row, int column) const;
    // The position a list cell stands for: its entry's, or while it shows
    // nothing, the one it was set to beyond its list; -1 if neither.
    int Stored_Index(int row, int column) const;
    // A missing cell is made; a list cell takes the text's position in its list.
    void Set_Cell_Text(int row, int column, const QString& text);
    // A list cell shows entry `index` of its list; -1 empties it. An index
    // beyond the list shows nothing, and the cell keeps it.
    void Set_List_Cell(int row, int column, int index);
    // A list cell takes its text's position in its list anew (after the list
    // it offers has changed); a cell that shows a text keeps no other.
    void Match_Index(int row, int column);
    // Every list cell shows its entry in its list as the list stands now
    // (after a change of language); a cell that shows no entry keeps its
    // text, which is matched to the list anew.
    void Show_List_Entries();

    // The current cell moved: an open combo box takes its text into its cell,
    // the triggers allow editing on a cell, and the current row is highlighted.
    void Current_Cell_Changed(int currentRow, int currentColumn, int previousRow);
    // A double click or the key trigger opens a text cell's editor.
    void Allow_Text_Editing();
    // An empty row is filled from `column` on: its editor opens there.
    void Edit_Empty_Row(int row, int column);
    // What a double click on a cell opens besides the triggers: the first
    // cell's editor in a row not in use, the combo box of a list cell.
    void Open_Cell(int row, int column);

    // Shows a combo box of `items` over a list cell, on the cell's entry (one
    // already open is committed first). Choosing an entry, or leaving the
    // cell, takes the shown entry into the cell (a cell that shows nothing
    // stays as it is while none is shown); closing its list without a choice
    // takes the combo box away and leaves the cell as it was. Like every
    // combo box, it takes the wheel only with the focus (Wheel_Guard).
    void Open_Combo(int row, int column, const QStringList& items);
    bool Combo_Open() const { return m_comboRow >= 0; }
    // Takes an open combo box's text into its cell, through the cell rules.
    void Commit_Combo();
    // Takes an open combo box away without writing its text anywhere (its
    // texts may be of an earlier image or language).
    void Dismiss_Combo();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Own_Writes;
    class Frozen_Headers;

    // The columns fit their contents again (soon after); the rows keep their heights.
    static void Fit_Columns(QTableWidget* table);
    bool Is_List_Column(int column) const { return m_listColumns.contains(column); }
    QStringList List_Of(int row, int column) const;
    // A centred cell for `column` with an explicit text, so that writing the
    // same text again raises no item change.
    QTableWidgetItem* New_Cell(int column, const QString& text) const;
    QTableWidgetItem* Cell(int row, int column);
    void Write_Text(QTableWidgetItem* item, const QString& text);
    void Write_Index(QTableWidgetItem* item, int index);
    // The position beyond its list a cell keeps; -1 keeps none.
    void Write_Read(QTableWidgetItem* item, int read);

    bool Row_In_Use(int row) const;
    bool Combo_Open_At(int row, int column) const;
    // A key on the table; true if it was taken here.
    bool Cell_Key(const QKeyEvent* key);
    void Show_List(int row, int column);
    void Choose_By_Character(int row, int column, const QString& typed);
    void List_Closed(QComboBox* combo);

    void Set_Row_Background(int row, bool current);
    // Where the open combo box stands; it is no longer open then, and its
    // choice no longer reaches the table. False if none was open.
    bool Forget_Combo(int& row, int& column);

    QTableWidget* m_table;
    QAbstractItemView::EditTrigger m_keyTrigger;
    QList<int> m_listColumns;
    Cell_List m_cellList;
    int m_ownWrites = 0;
    bool m_textChanged = false; // by an own write, since the last Rewrite began

    QPointer<QComboBox> m_combo; // the table owns it
    QMetaObject::Connection m_comboChosen;
    int m_comboRow = -1;
    int m_comboColumn = -1;
};

// While one lives, the table's changes are the page's own.
class Table_Editor::Own_Writes
{
public:
    explicit Own_Writes(Table_Editor& editor)
        : m_editor(editor)
    {
        ++m_editor.m_ownWrites;
    }
    ~Own_Writes() { --m_editor.m_ownWrites; }
    Own_Writes(const Own_Writes&) = delete;
    Own_Writes& operator=(const Own_Writes&) = delete;

private:
    Table_Editor& m_editor;
};

// Holds the table's header sizes while cells change, and lets the columns
// fit their contents again afterwards.
class Table_Editor::Frozen_Headers
{
public:
    explicit Frozen_Headers(QTableWidget* table);
    ~Frozen_Headers();
    Frozen_Headers(const Frozen_Headers&) = delete;
    Frozen_Headers& operator=(const Frozen_Headers&) = delete;

private:
    QTableWidget* m_table;
};

template <typename Rule>
void Table_Editor::Run_Cell_Rule(QTableWidgetItem* item, Rule rule)
{
    if (Own_Change())
        return;
    const Own_Writes own(*this);
    const Frozen_Headers frozen(m_table);
    if (!item || item->tableWidget() != m_table)
        return;
    if (Is_List_Column(item->column()))
        Match_Index(item->row(), item->column());
    rule(item);
}
