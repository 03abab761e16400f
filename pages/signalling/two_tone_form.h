#pragma once

#include "widgets/page_build.h"
#include "widgets/page_frame.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class DATA_FILE_READ_WRITE;
class QTableWidgetItem;
struct Two_Tone_Row;
class Table_Editor;
class Ui_TWO_TONE_FORM;

namespace Ui {
class TWO_TONE_FORM;
}

// The 2-tone page: six timing and side-tone settings, a 16-row encode table
// (tone 1, tone 2, name) and a 16-row decode table (tone 1, tone 2, response,
// name), all kept in the 2-tone block of the image (offsets in
// two_tone_codec.h, the widget of each field in the page's field map).
class TWO_TONE_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit TWO_TONE_FORM(QWidget* parent = nullptr, Page_Build build = Page_Build::Now);
    ~TWO_TONE_FORM() override;
    // Makes the page's widgets, once; a page made with Page_Build::Later has
    // none before.
    void Build_Page();
    bool Is_Built() const { return m_frame.Is_Built(); }
    // Where the page's bytes lie, from its field map; known before the page is built.
    static const Field_Layout& Layout();

    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();
    void FillComboLists();
    // The page's byte rows: its six settings bytes, in the order its decoder
    // and encoder walk them; empty until the page is built.
    const QVector<Byte_Row>& Byte_Rows() const { return m_frame.Rows(); }

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
    static const Field_Map<TWO_TONE_FORM, Ui_TWO_TONE_FORM>& Fields();
    void Set_Up();
    void Two_Tone_Table_Init();
    void Set_Line_Edit_Validators();
    void Tone_Cell_Normalise(QTableWidgetItem* item);
    void Name_Cell_Normalise(QTableWidgetItem* item);

    // The entries of the two tables, inside the block's text.
    void Show_Encode_Entries(QStringView block);
    void Store_Encode_Entries(QString& block);
    void Show_Decode_Entries(QStringView block);
    void Store_Decode_Entries(QString& block);

    Two_Tone_Row Row_Cells(const Table_Editor& table, int row) const;

    std::unique_ptr<Ui::TWO_TONE_FORM> ui;
    Page_Frame m_frame;
    std::unique_ptr<Table_Editor> m_encodeTable;
    std::unique_ptr<Table_Editor> m_decodeTable; // its response cells are chosen in a combo box

    QStringList TONE_TIME_StringList;
    QStringList INTERVAL_TIME_StringList;
    QStringList AUTO_RESET_TIME_StringList;
    QStringList SIDE_TONE_StringList;
    QStringList DECODE_RESPONSE_StringList;
};
