#pragma once

#include "widgets/byte_row.h"
#include "widgets/page_build.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class DATA_FILE_READ_WRITE;
class QTableWidgetItem;
struct Two_Tone_Row;
class Table_Editor;

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

    Two_Tone_Row Row_Cells(const Table_Editor& table, int row) const;

    std::unique_ptr<Ui::TWO_TONE_FORM> ui;
    bool m_built = false;
    std::unique_ptr<Table_Editor> m_encodeTable;
    std::unique_ptr<Table_Editor> m_decodeTable; // its response cells are chosen in a combo box
    QVector<Byte_Row> m_settingRows;

    QStringList TONE_TIME_StringList;
    QStringList INTERVAL_TIME_StringList;
    QStringList AUTO_RESET_TIME_StringList;
    QStringList SIDE_TONE_StringList;
    QStringList DECODE_RESPONSE_StringList;
};
