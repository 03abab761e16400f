#pragma once

#include "pages/aprs/aprs_codec.h"
#include "widgets/byte_row.h"
#include "widgets/page_build.h"

#include <QStringList>
#include <QVector>
#include <QWidget>
#include <memory>

class DATA_FILE_READ_WRITE;
class QTableWidgetItem;
class Table_Editor;

namespace Ui {
class APRS_FORM;
}

// The APRS settings page: callsigns, symbol, decoding filters with their
// pop-ups and bells, the eight transmit channels, beacon and transmit timing,
// fixed position, digipeater path and comment, all in APRS_Block.
class APRS_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit APRS_FORM(QWidget* parent = nullptr, Page_Build build = Page_Build::Now);
    ~APRS_FORM() override;
    // Makes the page's widgets, once; a page made with Page_Build::Later has
    // none before.
    void Build_Page();
    bool Is_Built() const { return m_built; }

    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();
    // Rebuilds the value lists in the current language and refills the
    // symbol-table, symbol and manual-interval combo boxes (their selections
    // start over at the first entry); the table's list cells show their
    // entries in the new lists.
    void FillComboLists();

private slots:
    void on_comboBox_3_currentIndexChanged(int index);
    void on_comboBox_4_currentIndexChanged(int index);
    void on_tableWidget_cellDoubleClicked(int row, int column);
    void on_tableWidget_currentCellChanged(int currentRow, int currentColumn, int previousRow, int previousColumn);
    void on_tableWidget_itemChanged(QTableWidgetItem* item);

private:
    void Bind_Rows();
    void Set_Line_Edit_Validators();
    void APRS_Table_Init();
    void Refresh_Symbol_Picture();

    // Change handling of the table's cells.
    void on_tableWidget_itemChanged_Freq(QTableWidgetItem* item);
    void on_tableWidget_itemChanged_Tone_Type(QTableWidgetItem* item);

    // Cells of the transmit-channel table.
    QString Cell_Text(int row, int column) const;
    void Set_Cell_Text(int row, int column, const QString& text);
    // The entries a list cell offers (the tone values follow the row's tone type).
    QStringList Channel_Cell_List(int row, int column) const;

    std::unique_ptr<Ui::APRS_FORM> ui;
    bool m_built = false;
    // The transmit-channel table; all but its frequency cells are chosen in a combo box.
    std::unique_ptr<Table_Editor> m_channels;
    // The page's byte table: every field of the block but the transmit
    // channels, in the order the decoder shows them.
    QVector<Byte_Row> m_rows;

    QStringList SYMBOL_TABLE_StringList;
    QStringList SYMBOL_StringList;
    QStringList SYMBOL_PRIMARY_StringList;
    QStringList SYMBOL_ALTERNATE_StringList;
    QStringList TX_POWER_StringList;
    QStringList WN_StringList;
    QStringList TONE_TYPE_StringList;
    QStringList CTCSS_StringList;
    QStringList DTCSS_StringList;
    QStringList NULL_StringList;
    QStringList MANUAL_INTERVAL_StringList;
};
