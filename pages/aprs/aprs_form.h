#pragma once

#include "pages/aprs/aprs_codec.h"
#include "widgets/page_build.h"
#include "widgets/page_frame.h"

#include <QStringList>
#include <QVector>
#include <QWidget>
#include <memory>

class DATA_FILE_READ_WRITE;
class QTableWidgetItem;
class Table_Editor;
class Ui_APRS_FORM;

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
    bool Is_Built() const { return m_frame.Is_Built(); }
    // Where the page's bytes lie, from its field map; known before the page is built.
    static const Field_Layout& Layout();

    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();
    // Rebuilds the value lists in the current language and refills the
    // symbol-table, symbol and manual-interval combo boxes (their selections
    // start over at the first entry); the table's list cells show their
    // entries in the new lists.
    void FillComboLists();
    // The page's byte rows: every field of the block but the transmit
    // channels, in the order the decoder shows them; empty until the page
    // is built.
    const QVector<Byte_Row>& Byte_Rows() const { return m_frame.Rows(); }

private slots:
    void on_comboBox_3_currentIndexChanged(int index);
    void on_comboBox_4_currentIndexChanged(int index);
    void on_tableWidget_cellDoubleClicked(int row, int column);
    void on_tableWidget_currentCellChanged(int currentRow, int currentColumn, int previousRow, int previousColumn);
    void on_tableWidget_itemChanged(QTableWidgetItem* item);

private:
    static const Field_Map<APRS_FORM, Ui_APRS_FORM>& Fields();
    void Set_Up();
    void Set_Line_Edit_Validators();
    void APRS_Table_Init();
    void Refresh_Symbol_Picture();

    // The transmit channels, inside the block's text.
    void Show_Channels(QStringView block);
    void Store_Channels(QString& block);

    // Change handling of the table's cells.
    void on_tableWidget_itemChanged_Freq(QTableWidgetItem* item);
    void on_tableWidget_itemChanged_Tone_Type(QTableWidgetItem* item);

    // Cells of the transmit-channel table.
    QString Cell_Text(int row, int column) const;
    void Set_Cell_Text(int row, int column, const QString& text);
    // The entries a list cell offers (the tone values follow the row's tone type).
    QStringList Channel_Cell_List(int row, int column) const;

    std::unique_ptr<Ui::APRS_FORM> ui;
    Page_Frame m_frame;
    // The transmit-channel table; all but its frequency cells are chosen in a combo box.
    std::unique_ptr<Table_Editor> m_channels;

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
