#pragma once

#include "widgets/byte_row.h"
#include "widgets/page_build.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>

class DATA_FILE_READ_WRITE;
class QColor;
class QComboBox;
class QTableWidget;
class QTableWidgetItem;
struct Two_Tone_Row;

namespace Ui {
class TWO_TONE_FORM;
}

// The 2-tone page: six timing and side-tone settings, a 16-row encode table
// (tone 1, tone 2, name) and a 16-row decode table (tone 1, tone 2, response,
// name), all kept in the 2-tone block of the image.
class TWO_TONE_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit TWO_TONE_FORM(QWidget* parent = nullptr, Page_Build build = Page_Build::Now);
    ~TWO_TONE_FORM() override;
    // Makes the page's widgets, once; a page made with Page_Build::Later has
    // none before.
    void Build_Page();
    bool Is_Built() const { return m_built; }

    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();
    void FillComboLists();

    void Encode_List_Row_Check(QTableWidgetItem* item);
    void Decode_List_Row_Check(QTableWidgetItem* item);

private slots:
    void on_tableWidget_itemChanged(QTableWidgetItem* item);
    void on_tableWidget_2_itemChanged(QTableWidgetItem* item);
    void on_tableWidget_currentCellChanged(int currentRow, int currentColumn, int previousRow, int previousColumn);
    void on_tableWidget_2_currentCellChanged(int currentRow, int currentColumn, int previousRow, int previousColumn);
    void on_tableWidget_cellDoubleClicked(int row, int column);
    void on_tableWidget_2_cellDoubleClicked(int row, int column);

private:
    void Two_Tone_Table_Init();
    void Set_Line_Edit_Validators();
    void Tone_Cell_Normalise(QTableWidgetItem* item);
    void Name_Cell_Normalise(QTableWidgetItem* item);

    // The response combo box. Only these two members connect to it; they
    // are plain members since no form object carries their names.
    void on_tableWidget_2_cellDoubleClicked_Decoder_Response(int row, int column);
    void on_combox_item_changed(int index);
    void Show_Response_Combobox(int row, int column, QStringList list);
    bool Response_Combobox_Open() const;
    // Removes an open response combo box; `commit` takes its text into its cell.
    void Close_Response_Combobox(bool commit);

    // The itemChanged connection of a table to its cell rule, dropped and
    // re-made by signature, the mechanism by which the form code made it (a
    // pointer-to-member disconnect would not undo it). Drop says whether there
    // was a connection, so a nested pause leaves re-making it to the outer one.
    bool Drop_Item_Changed(QTableWidget* table);
    void Make_Item_Changed(QTableWidget* table);

    // Edit triggers and row highlight after the current cell moved.
    void Current_Cell_Changed(QTableWidget* table, int currentRow, int currentColumn, int previousRow);
    void Set_Row_Background(QTableWidget* table, int row, const QColor& colour);
    void Send_Editor_To_Tone_1(QTableWidget* table, int row);
    void Set_Edit_Triggers_For_Column(QTableWidget* table, int column);
    static void Freeze_Headers(QTableWidget* table);
    static void Release_Headers(QTableWidget* table);

    Two_Tone_Row Row_Cells(QTableWidget* table, int row) const;
    static QString Cell_Text(const QTableWidget* table, int row, int column);
    void Set_Cell_Text(QTableWidget* table, int row, int column, const QString& text);

    std::unique_ptr<Ui::TWO_TONE_FORM> ui;
    bool m_built = false;
    QVector<Byte_Row> m_settingRows;

    QStringList TONE_TIME_StringList;
    QStringList INTERVAL_TIME_StringList;
    QStringList AUTO_RESET_TIME_StringList;
    QStringList SIDE_TONE_StringList;
    QStringList DECODE_RESPONSE_StringList;

    QPointer<QComboBox> Table_Cell_Combobox;
    int Combobox_Row = -1;
    int Combobox_Column = -1;
};
