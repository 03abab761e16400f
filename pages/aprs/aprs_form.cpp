#include "pages/aprs/aprs_form.h"

#include "image/data_file_read_write.h"
#include "image/hex_text.h"
#include "pages/aprs/aprs_field_kinds.h"
#include "pages/aprs/aprs_lists.h"
#include "ui_aprs_form.h"
#include "widgets/customdoublevalidator.h"
#include "widgets/customitemdelegrate.h"
#include "widgets/field_validator.h"
#include "widgets/table_editor.h"

#include <QComboBox>
#include <QDebug>
#include <QFile>
#include <QHeaderView>
#include <QImageReader>
#include <QPixmap>

// The symbol pictures are compiled into the static core library; its
// resources have to be registered by hand.
static void Init_Aprs_Symbol_Resources()
{
    Q_INIT_RESOURCE(aprs_symbols);
}

using namespace Aprs_Codec;

namespace {

const QString Header_Style = QStringLiteral(
    "QHeaderView::section{\n\tcolor: rgb(56, 245, 250);\n\tbackground-color: rgba(76, 76, 76, 255);\n"
    "\tborder: 1px solid rgb(110, 110, 110);\n\tpadding: 2px;\n}");

} // namespace

APRS_FORM::APRS_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(new Ui::APRS_FORM)
{
    if (build == Page_Build::Now)
        Build_Page();
}

void APRS_FORM::Build_Page()
{
    if (m_built)
        return;
    m_built = true;
    Init_Aprs_Symbol_Resources();
    ui->setupUi(this);
    Bind_Rows();

    // The A- and B-band decoding rows stay hidden; their bytes still pass
    // through the page.
    for (QWidget* hidden : {static_cast<QWidget*>(ui->checkBox_7), static_cast<QWidget*>(ui->label_16),
                            static_cast<QWidget*>(ui->line_11), static_cast<QWidget*>(ui->checkBox_8),
                            static_cast<QWidget*>(ui->label_17), static_cast<QWidget*>(ui->line_61)})
        hidden->hide();

    Set_Line_Edit_Validators();
    Refresh_Symbol_Picture();
    ui->retranslateUi(this);
    // Columns 1 to 4 take their values from their lists only (the cell combo
    // box): no text editor opens on them.
    m_channels = std::make_unique<Table_Editor>(
        ui->tableWidget, QAbstractItemView::EditKeyPressed,
        QList<int>{Column_Power, Column_Wn, Column_Tone_Type, Column_Tone_Value},
        [this](int row, int column) { return Channel_Cell_List(row, column); });
    APRS_Table_Init();
    m_channels->Reset_Cells();
    FillComboLists();
    ui->tableWidget->resizeColumnsToContents();
}

APRS_FORM::~APRS_FORM() = default;

void APRS_FORM::Bind_Rows()
{
    const Byte_Kind<QComboBox> index = Combo_Index_Byte();
    const Byte_Kind<QCheckBox> on = Switch_Byte();
    const Byte_Kind<QLineEdit> callsign
        = Text_Field(Callsign_From_Hex, [](const QString& text, int) { return Callsign_To_Hex(text); });
    const Byte_Kind<QLineEdit> comment
        = Text_Field(Comment_From_Hex, [](const QString& text, int) { return Comment_To_Hex(text); });
    // Position, altitude and path: written back as read until edited.
    const Byte_Kind<QLineEdit> path = Aprs_Field_Kinds::Path();
    const Byte_Kind<QLineEdit> altitude = Aprs_Field_Kinds::Altitude(ui->comboBox_14);

    // In the order the decoder shows them: the symbol table (0x07) comes
    // before the symbol (0x08), since a change of table relabels the symbol
    // list, and the altitude unit (0xE4) before the altitude.
    m_rows = {
        {Own_Callsign, Callsign_Size, callsign, ui->lineEdit_1},
        {0x06, 1, index, ui->comboBox_1},  // own SSID
        {0x07, 1, index, ui->comboBox_3},  // symbol table
        {0x08, 1, index, ui->comboBox_4},  // symbol
        {0x09, 1, on, ui->checkBox_7},     // A-band decoding (hidden row)
        {0x0A, 1, on, ui->checkBox_8},     // B-band decoding (hidden row)
        {0x0B, 1, on, ui->checkBox_9},     // MIC-E
        {0x0C, 1, on, ui->checkBox_10},    // position
        {0x0D, 1, on, ui->checkBox_11},    // weather
        {0x0E, 1, on, ui->checkBox_12},    // object
        {0x0F, 1, on, ui->checkBox_13},    // item
        {0x10, 1, on, ui->checkBox_14},    // status
        {0x11, 1, on, ui->checkBox_15},    // other
        {0x12, 1, index, ui->comboBox_32}, // pop-up times, same seven kinds
        {0x13, 1, index, ui->comboBox_33},
        {0x14, 1, index, ui->comboBox_34},
        {0x15, 1, index, ui->comboBox_35},
        {0x16, 1, index, ui->comboBox_36},
        {0x17, 1, index, ui->comboBox_37},
        {0x18, 1, index, ui->comboBox_38},
        {0x19, 1, on, ui->checkBox_39},    // bells, same seven kinds
        {0x1A, 1, on, ui->checkBox_40},
        {0x1B, 1, on, ui->checkBox_41},
        {0x1C, 1, on, ui->checkBox_42},
        {0x1D, 1, on, ui->checkBox_43},
        {0x1E, 1, on, ui->checkBox_44},
        {0x1F, 1, on, ui->checkBox_45},
        {0x20, 1, on, ui->checkBox_46},    // CRC check
        {0x27, 1, index, ui->comboBox_5},  // target SSID
        {0xC8, 1, index, ui->comboBox_31}, // transmit channel
        {0xC9, 1, index, ui->comboBox_6},  // beacon type
        {0xCA, 1, index, ui->comboBox_7},  // manual transmit mode
        {0xCB, 1, index, ui->comboBox_8},  // beacon timer
        {0xE4, 1, index, ui->comboBox_14}, // altitude unit
        {0xE5, 1, index, ui->comboBox_9},  // transmit preamble
        {0xE6, 1, index, ui->comboBox_10}, // transmit end delay
        {0xE7, 1, on, ui->checkBox_47},    // side tone
        {0xE8, 1, index, ui->comboBox_11}, // manual transmit interval
        {0xE9, 1, index, ui->comboBox_15}, // manual transmit band
        {Target_Callsign, Callsign_Size, callsign, ui->lineEdit_3},
        {Latitude, Word_Field_Size, Aprs_Field_Kinds::Position(ui->lineEdit_5, ui->comboBox_13), ui->lineEdit_5},
        {Longitude, Word_Field_Size, Aprs_Field_Kinds::Position(ui->lineEdit_4, ui->comboBox_12), ui->lineEdit_4},
        {Altitude, Word_Field_Size, altitude, ui->lineEdit_6},
        {Path_Count, Path_Field_Size, path, ui->lineEdit_23},
        {Comment, Comment_Size, comment, ui->lineEdit_24},
    };
}

// The table keeps its channels: its list cells show their entries in the new
// language.
void APRS_FORM::RetranslatePage()
{
    ui->retranslateUi(this);
    APRS_Table_Init();
    FillComboLists();
    ui->tableWidget->resizeColumnsToContents();
}

// ---- value lists ------------------------------------------------------------

void APRS_FORM::FillComboLists()
{
    WN_StringList = Aprs_Lists::Translated(Aprs_Lists::Wn_Texts);
    TX_POWER_StringList = Aprs_Lists::Translated(Aprs_Lists::Tx_Power_Texts);
    TONE_TYPE_StringList = Aprs_Lists::Translated(Aprs_Lists::Tone_Type_Texts);
    NULL_StringList = Aprs_Lists::Translated(Aprs_Lists::Null_Texts);
    CTCSS_StringList = Aprs_Lists::Ctcss_Values();
    DTCSS_StringList = Aprs_Lists::Dcs_Codes();
    SYMBOL_PRIMARY_StringList = Aprs_Lists::Symbol_Names(false);
    SYMBOL_ALTERNATE_StringList = Aprs_Lists::Symbol_Names(true);
    SYMBOL_TABLE_StringList = Aprs_Lists::Translated(Aprs_Lists::Symbol_Table_Texts);
    SYMBOL_StringList = Aprs_Lists::Symbol_List(SYMBOL_PRIMARY_StringList);
    MANUAL_INTERVAL_StringList = Aprs_Lists::Translated(Aprs_Lists::Manual_Interval_Texts);

    // The table is filled before the symbols, so the symbol list is the
    // primary one when it goes into comboBox_4.
    ui->comboBox_3->clear();
    ui->comboBox_4->clear();
    ui->comboBox_11->clear();
    ui->comboBox_3->insertItems(ui->comboBox_3->count(), SYMBOL_TABLE_StringList);
    ui->comboBox_4->insertItems(ui->comboBox_4->count(), SYMBOL_StringList);
    ui->comboBox_11->insertItems(ui->comboBox_11->count(), MANUAL_INTERVAL_StringList);

    m_channels->Show_List_Entries();
}

// ---- symbol -------------------------------------------------------------------

void APRS_FORM::Refresh_Symbol_Picture()
{
    const QString base = ui->comboBox_3->currentIndex() == 0
                             ? QStringLiteral(":/ICON/APRS_Symbol/Primary/aprs-symbols-64-0_")
                             : QStringLiteral(":/ICON/APRS_Symbol/Alternate/aprs-symbols-64-1_");
    const QString path = base + QStringLiteral("%1").arg(ui->comboBox_4->currentIndex() + 1, 2, 10, QLatin1Char('0'))
                         + QStringLiteral(".gif");
    QPixmap picture;
    if (QFile::exists(path)) {
        // The pictures carry a .gif name; their content decides the format.
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        picture = QPixmap::fromImage(reader.read());
    }
    ui->label_11->setPixmap(picture);
}

void APRS_FORM::on_comboBox_3_currentIndexChanged(int /*index*/)
{
    Refresh_Symbol_Picture();
    SYMBOL_StringList = Aprs_Lists::Symbol_List(ui->comboBox_3->currentIndex() == 0 ? SYMBOL_PRIMARY_StringList
                                                                                     : SYMBOL_ALTERNATE_StringList);
    for (int i = 0; i < ui->comboBox_4->count(); ++i)
        ui->comboBox_4->setItemText(i, SYMBOL_StringList.value(i));
}

void APRS_FORM::on_comboBox_4_currentIndexChanged(int /*index*/)
{
    Refresh_Symbol_Picture();
}

// ---- decoder --------------------------------------------------------------------

void APRS_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "APRS_FORM::Set_Windows_Data_From_SP_Read";
    // A cell combo left open would otherwise commit an earlier image's text.
    m_channels->Dismiss_Combo();

    // Either case may be stored; the markers below are compared in upper case.
    const QString Aprs_Settings_String =
        Read_Wirte_Temp_File->Read_String_From_Ram_File(Block_Addr, Block_Size).toUpper();
    const QStringView block(Aprs_Settings_String);

    // The rows first: the fields, the symbol table before the symbol and the
    // altitude unit before the altitude.
    Show_Rows(m_rows, block);

    // The rows as the cell rules leave them: the frequency normalised, every
    // list cell on its entry (the tone type before the tone value, whose list
    // it chooses).
    const Table_Editor::Rewrite rewrite(*m_channels);
    for (int row = 0; row < Channel_Count; ++row) {
        const QStringView record = block.mid(2 * (Channel_Table + Channel_Record_Size * row), 2 * Channel_Record_Size);
        qDebug() << "ONE_CH_Data_String:" << record;
        const Channel_Row channel = Channel_From_Hex(record);
        m_channels->Set_Cell_Text(row, Column_Freq,
                                  channel.Freq.isEmpty() ? QString() : Normalize_Freq_String(channel.Freq));
        m_channels->Set_List_Cell(row, Column_Power, channel.Power);
        m_channels->Set_List_Cell(row, Column_Wn, channel.Wn);
        m_channels->Set_List_Cell(row, Column_Tone_Type, channel.Tone_Type);
        m_channels->Set_List_Cell(row, Column_Tone_Value, channel.Tone_Value);
    }
}

// ---- encoder ----------------------------------------------------------------------

void APRS_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "APRS_FORM::Get_Windows_Data_To_SP_Write";
    QString Aprs_Settings_String = Read_Wirte_Temp_File->Read_String_From_Ram_File(Block_Addr, Block_Size).toUpper();
    if (Aprs_Settings_String.size() != 2 * Block_Size || !Is_Hex_Text(Aprs_Settings_String))
        return; // no whole block to patch: write nothing
    QString& text = Aprs_Settings_String;

    Store_Rows(m_rows, text);

    for (int row = 0; row < Channel_Count; ++row) {
        const Channel_Row channel{Cell_Text(row, Column_Freq), m_channels->Cell_Index(row, Column_Power),
                                  m_channels->Cell_Index(row, Column_Wn), m_channels->Cell_Index(row, Column_Tone_Type),
                                  m_channels->Cell_Index(row, Column_Tone_Value)};
        Replace_Hex_Field(text, Channel_Table + Channel_Record_Size * row, Channel_Record_Size, Channel_Hex(channel));
    }

    Read_Wirte_Temp_File->Write_String_To_Ram_File(Block_Addr, text);
}

// ---- validators ------------------------------------------------------------------------

void APRS_FORM::Set_Line_Edit_Validators()
{
    // Callsigns and comment hold what their bytes can: 6 and 64 of UTF-8.
    const Field_Rule callsign(QStringLiteral("[A-Z0-9]+"), Field_Rule::Storage::Utf8, Callsign_Size);
    Apply_Field_Rule(ui->lineEdit_1, callsign);
    Apply_Field_Rule(ui->lineEdit_3, callsign);
    Apply_Field_Rule(ui->lineEdit_23, Field_Rule(QStringLiteral("^[A-Z0-9\\,\\-]+$")));
    Apply_Field_Rule(ui->lineEdit_24, Field_Rule(QString(), Field_Rule::Storage::Utf8, Comment_Size));

    // Once left, the path and the numbers show what they are stored as.
    Show_Stored_Form_When_Left(ui->lineEdit_23, Stored_Path_Text);
    Show_Stored_Form_When_Left(ui->lineEdit_5, Stored_Position_Text);
    Show_Stored_Form_When_Left(ui->lineEdit_4, Stored_Position_Text);
    // The unit box, not the page's form: a focus change while the page is
    // being destroyed comes after the form is gone.
    QComboBox* unit = ui->comboBox_14;
    Show_Stored_Form_When_Left(ui->lineEdit_6, [unit](const QString& text) {
        return Stored_Altitude_Text(text, unit->currentIndex() == Altitude_Unit_Feet);
    });

    const auto number = [this](QLineEdit* edit, double top, int decimals) {
        auto* validator = new CustomDoubleValidator(this);
        validator->setRange(0.0, top, decimals);
        validator->setNotation(QDoubleValidator::StandardNotation);
        edit->setValidator(validator);
    };
    number(ui->lineEdit_5, 90.0, 6);     // latitude
    number(ui->lineEdit_4, 180.0, 6);    // longitude
    number(ui->lineEdit_6, 99999.9, 1);  // altitude

    // An empty text empties the channel; anything else is normalised.
    ui->tableWidget->setItemDelegateForColumn(
        Column_Freq, new CustomItemDelegrate(QRegularExpression(QStringLiteral("^$|^[0-9\\.]+$")), this));
}

// ---- transmit-channel table ----------------------------------------------------------------

QString APRS_FORM::Cell_Text(int row, int column) const
{
    return m_channels->Cell_Text(row, column);
}

void APRS_FORM::Set_Cell_Text(int row, int column, const QString& text)
{
    m_channels->Set_Cell_Text(row, column, text);
}

// The table's rows, columns, headers and edit triggers; its cells stay.
void APRS_FORM::APRS_Table_Init()
{
    m_channels->Dismiss_Combo();

    QTableWidget* table = ui->tableWidget;
    table->setRowCount(Channel_Count);
    table->setColumnCount(Column_Count);
    table->setHorizontalHeaderLabels({tr("发码频率[MHz]"), tr("发码功率"), tr("宽窄带"), tr("亚音类型"), tr("亚音数值")});
    QStringList rowLabels;
    for (int row = 0; row < Channel_Count; ++row)
        rowLabels.append(QString::number(row));
    table->setVerticalHeaderLabels(rowLabels);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setStyleSheet(Header_Style);
    table->verticalHeader()->setStyleSheet(Header_Style);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

void APRS_FORM::on_tableWidget_cellDoubleClicked(int row, int column)
{
    qDebug() << "on_tableWidget_cellDoubleClicked";
    if (column == Column_Freq)
        m_channels->Allow_Text_Editing();
    // An empty channel: whatever was clicked, its frequency is entered first.
    // The frequency of a channel in use: the column's line editor opens.
    m_channels->Open_Cell(row, column);
}

QStringList APRS_FORM::Channel_Cell_List(int row, int column) const
{
    switch (column) {
    case Column_Power: return TX_POWER_StringList;
    case Column_Wn: return WN_StringList;
    case Column_Tone_Type: return TONE_TYPE_StringList;
    case Column_Tone_Value:
        switch (m_channels->Cell_Index(row, Column_Tone_Type)) {
        case Tone_Ctcss: return CTCSS_StringList;
        case Tone_Dcs: return DTCSS_StringList;
        default: return NULL_StringList;
        }
    default: return {};
    }
}

void APRS_FORM::on_tableWidget_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                                  int /*previousColumn*/)
{
    qDebug() << "on_tableWidget_currentCellChanged";
    m_channels->Current_Cell_Changed(currentRow, currentColumn, previousRow);
}

void APRS_FORM::on_tableWidget_itemChanged(QTableWidgetItem* item)
{
    if (m_channels->Own_Change())
        return;
    qDebug() << "on_tableWidget_itemChanged";
    m_channels->Run_Cell_Rule(item, [this](QTableWidgetItem* cell) {
        if (cell->column() == Column_Freq)
            on_tableWidget_itemChanged_Freq(cell);
        else if (cell->column() == Column_Tone_Type)
            on_tableWidget_itemChanged_Tone_Type(cell);
    });
}

void APRS_FORM::on_tableWidget_itemChanged_Freq(QTableWidgetItem* item)
{
    const int row = item->row();
    if (item->text().isEmpty()) {
        for (int column = Column_Power; column < Column_Count; ++column)
            m_channels->Set_List_Cell(row, column, -1);
        return;
    }
    Set_Cell_Text(row, Column_Freq, Normalize_Freq_String(item->text()));

    const QString defaults[Column_Count] = {QString(), TX_POWER_StringList.value(2), WN_StringList.value(0),
                                            TONE_TYPE_StringList.value(0), NULL_StringList.value(0)};
    for (int column = Column_Power; column < Column_Count; ++column) {
        if (Cell_Text(row, column).isEmpty())
            Set_Cell_Text(row, column, defaults[column]);
    }
}

// The tone value follows its type: the first entry of the type's list,
// unless the value is one of its entries already.
void APRS_FORM::on_tableWidget_itemChanged_Tone_Type(QTableWidgetItem* item)
{
    const int row = item->row();
    const int toneType = m_channels->Cell_Index(row, Column_Tone_Type);
    const bool keeps = toneType == Tone_Ctcss || toneType == Tone_Dcs
                           ? Channel_Cell_List(row, Column_Tone_Value).contains(Cell_Text(row, Column_Tone_Value))
                           : toneType != Tone_None; // a type outside the list changes nothing
    if (keeps)
        m_channels->Match_Index(row, Column_Tone_Value); // in the list of its new type
    else
        m_channels->Set_List_Cell(row, Column_Tone_Value, 0);
}
