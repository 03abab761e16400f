#pragma once

#include <QAbstractItemView>
#include <QList>
#include <QMetaMethod>
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
// by name; the editor pauses that connection around the page's own cell
// writes, keeps the current row highlighted, sets the edit triggers and shows
// the combo box through which a list cell is chosen.
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
    // The entries a list cell of a row in use offers; asked each time the
    // cell is opened or typed on.
    using Cell_List = std::function<QStringList(int row, int column)>;

    // Fails at once if `page` has no such slot: a pause could not undo the
    // connection otherwise.
    Table_Editor(QTableWidget* table, QObject* page, QAbstractItemView::EditTrigger keyTrigger,
                 QList<int> listColumns = {}, Cell_List cellList = {});
    ~Table_Editor() override;
    Table_Editor(const Table_Editor&) = delete;
    Table_Editor& operator=(const Table_Editor&) = delete;

    // While a Pause lives, the table's item changes do not reach the cell
    // rules. It re-makes the connection only if it found one, so a nested
    // pause leaves that to the outer one. The connection is dropped and made
    // by meta-method, like the by-name connection (a pointer-to-member
    // disconnect would not undo that one).
    class Pause
    {
    public:
        explicit Pause(const Table_Editor& editor);
        ~Pause();
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        const Table_Editor& m_editor;
        bool m_wasConnected;
    };

    QTableWidget* Table() const { return m_table; }

    // Runs a cell rule on `item` of this table: paused, so the rule's own
    // writes do not come back, and with the header sizes held meanwhile.
    template <typename Rule>
    void Run_Cell_Rule(QTableWidgetItem* item, Rule rule);

    // A centred cell for `column` with an explicit text, so that writing the
    // same text again raises no item change.
    QTableWidgetItem* New_Cell(int column, const QString& text) const;
    QString Cell_Text(int row, int column) const;
    // Writes through the table's change handling (the cell rules run unless
    // paused); a missing cell is made.
    void Set_Cell_Text(int row, int column, const QString& text);

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

    // Shows a combo box of `items` over a list cell, on the cell's text (one
    // already open is committed first). Choosing an entry, or leaving the
    // cell, takes the shown entry into the cell; closing its list without a
    // choice takes the combo box away and leaves the cell as it was. Like every combo box, it
    // takes the wheel only with the focus (Wheel_Guard).
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
    class Frozen_Headers;

    bool Row_In_Use(int row) const;
    bool Combo_Open_At(int row, int column) const;
    // A key on the table; true if it was taken here.
    bool Cell_Key(const QKeyEvent* key);
    void Show_List(int row, int column);
    void Choose_By_Character(int row, int column, const QString& typed);
    void List_Closed(QComboBox* combo);

    bool Drop_Item_Changed() const;
    void Make_Item_Changed() const;
    void Set_Row_Background(int row, bool current);
    // Where the open combo box stands; it is no longer open then, and its
    // choice no longer reaches the table. False if none was open.
    bool Forget_Combo(int& row, int& column);

    QTableWidget* m_table;
    QObject* m_page;
    QMetaMethod m_signal;
    QMetaMethod m_rules;
    QAbstractItemView::EditTrigger m_keyTrigger;
    QList<int> m_listColumns;
    Cell_List m_cellList;

    QPointer<QComboBox> m_combo; // the table owns it
    QMetaObject::Connection m_comboChosen;
    int m_comboRow = -1;
    int m_comboColumn = -1;
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
    const Pause pause(*this);
    const Frozen_Headers frozen(m_table);
    if (item && item->tableWidget() == m_table)
        rule(item);
}
