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

// Position, altitude and path: written back as read until edited (their
// hemisphere and unit boxes are part of them).
Byte_Kind<QLineEdit> Latitude_Kind(const Ui_APRS_FORM& ui)
{
    return Aprs_Field_Kinds::Position(ui.lineEdit_5, ui.comboBox_13);
}

Byte_Kind<QLineEdit> Longitude_Kind(const Ui_APRS_FORM& ui)
{
    return Aprs_Field_Kinds::Position(ui.lineEdit_4, ui.comboBox_12);
}

Byte_Kind<QLineEdit> Altitude_Kind(const Ui_APRS_FORM& ui)
{
    return Aprs_Field_Kinds::Altitude(ui.comboBox_14);
}

Byte_Kind<QLineEdit> Path_Kind(const Ui_APRS_FORM&)
{
    return Aprs_Field_Kinds::Path();
}

QString Callsign_Field_Hex(const QString& text, int)
{
    return Callsign_To_Hex(text);
}

QString Comment_Field_Hex(const QString& text, int)
{
    return Comment_To_Hex(text);
}

} // namespace

// In the order the decoder shows them: the symbol table (0x07) comes before
// the symbol (0x08), since a change of table relabels the symbol list, and
// the altitude unit (0xE4) before the altitude.
const Field_Map<APRS_FORM, Ui_APRS_FORM>& APRS_FORM::Fields()
{
    using Map = Field_Map<APRS_FORM, Ui_APRS_FORM>;
    using Ui = Ui_APRS_FORM;
    using Page = APRS_FORM;
    using Image_Region::Aprs_Block_Region;
    const auto& block = Aprs_Block_Region;
    const char* const context = "APRS_FORM";
    const Map::Text_Codec callsign{Callsign_From_Hex, Callsign_Field_Hex};
    const Map::Text_Codec comment{Comment_From_Hex, Comment_Field_Hex};

    static const Map map = [&] {
        QVector<Map::Row> rows = {
            Map::Text_Row(block, Own_Callsign, Callsign_Size, &Ui::lineEdit_1, callsign),
            Map::Form_List_Row(block, Own_Ssid, &Ui::comboBox_1),
            Map::List_Row(block, Symbol_Table, &Ui::comboBox_3, &Page::SYMBOL_TABLE_StringList),
            Map::List_Row(block, Symbol, &Ui::comboBox_4, &Page::SYMBOL_StringList),
            // The A- and B-band decoding rows are hidden; their bytes still pass through.
            Map::Switch_Row(block, A_Band_Decoding, &Ui::checkBox_7),
            Map::Switch_Row(block, B_Band_Decoding, &Ui::checkBox_8),
        };
        // By kind of packet: MIC-E, position, weather, object, item, status, other.
        QCheckBox* Ui::*const filters[Packet_Kinds] = {&Ui::checkBox_9,  &Ui::checkBox_10, &Ui::checkBox_11,
                                                       &Ui::checkBox_12, &Ui::checkBox_13, &Ui::checkBox_14,
                                                       &Ui::checkBox_15};
        QComboBox* Ui::*const popups[Packet_Kinds] = {&Ui::comboBox_32, &Ui::comboBox_33, &Ui::comboBox_34,
                                                      &Ui::comboBox_35, &Ui::comboBox_36, &Ui::comboBox_37,
                                                      &Ui::comboBox_38};
        QCheckBox* Ui::*const bells[Packet_Kinds] = {&Ui::checkBox_39, &Ui::checkBox_40, &Ui::checkBox_41,
                                                     &Ui::checkBox_42, &Ui::checkBox_43, &Ui::checkBox_44,
                                                     &Ui::checkBox_45};
        for (int k = 0; k < Packet_Kinds; ++k)
            rows.append(Map::Switch_Row(block, Decode_Filters + k, filters[k]));
        for (int k = 0; k < Packet_Kinds; ++k)
            rows.append(Map::Form_List_Row(block, Popup_Times + k, popups[k]));
        for (int k = 0; k < Packet_Kinds; ++k)
            rows.append(Map::Switch_Row(block, Bells + k, bells[k]));
        rows += {
            Map::Switch_Row(block, Crc_Check, &Ui::checkBox_46),
            Map::Form_List_Row(block, Target_Ssid, &Ui::comboBox_5),
            Map::Form_List_Row(block, Tx_Channel, &Ui::comboBox_31),
            Map::Form_List_Row(block, Beacon_Type, &Ui::comboBox_6),
            Map::Form_List_Row(block, Manual_Tx_Mode, &Ui::comboBox_7),
            Map::Form_List_Row(block, Beacon_Timer, &Ui::comboBox_8),
            Map::Form_List_Row(block, Altitude_Unit, &Ui::comboBox_14),
            Map::Form_List_Row(block, Tx_Preamble, &Ui::comboBox_9),
            Map::Form_List_Row(block, Tx_End_Delay, &Ui::comboBox_10),
            Map::Switch_Row(block, Side_Tone, &Ui::checkBox_47),
            Map::List_Row(block, Manual_Tx_Interval, &Ui::comboBox_11, &Page::MANUAL_INTERVAL_StringList),
            Map::Form_List_Row(block, Manual_Tx_Band, &Ui::comboBox_15),
            Map::Text_Row(block, Target_Callsign, Callsign_Size, &Ui::lineEdit_3, callsign),
            Map::Custom_Row(block, Latitude, Word_Field_Size, &Ui::lineEdit_5, Latitude_Kind),
            Map::Custom_Row(block, Longitude, Word_Field_Size, &Ui::lineEdit_4, Longitude_Kind),
            Map::Custom_Row(block, Altitude, Word_Field_Size, &Ui::lineEdit_6, Altitude_Kind),
            Map::Custom_Row(block, Path_Count, Path_Field_Size, &Ui::lineEdit_23, Path_Kind),
            Map::Text_Row(block, Comment, Comment_Size, &Ui::lineEdit_24, comment),
        };

        // The eight transmit channels, shown in the page's table.
        const Map::Entry_Table channels{{{block, Channel_Table, Channel_Count * Channel_Record_Size}},
                                        &Page::Show_Channels,
                                        &Page::Store_Channels,
                                        nullptr,
                                        nullptr,
                                        Map::Shown_In(&Ui::tableWidget)};

        using namespace Aprs_Lists;
        return Map(
            {
                // The cells of the transmit-channel table show the first six.
                {&Page::WN_StringList, {context, Wn_Texts}},
                {&Page::TX_POWER_StringList, {context, Tx_Power_Texts}},
                {&Page::TONE_TYPE_StringList, {context, Tone_Type_Texts}},
                {&Page::NULL_StringList, {context, Null_Texts}},
                {&Page::CTCSS_StringList, Value_List([] { return Ctcss_Values(); })},
                {&Page::DTCSS_StringList, Value_List([] { return Dcs_Codes(); })},
                {&Page::SYMBOL_PRIMARY_StringList, Value_List([] { return Symbol_Names(false); })},
                {&Page::SYMBOL_ALTERNATE_StringList, Value_List([] { return Symbol_Names(true); })},
                // The symbol list follows the table; the box starts on the first table.
                {&Page::SYMBOL_TABLE_StringList, {context, Symbol_Table_Texts}},
                {&Page::SYMBOL_StringList, Value_List([] { return Symbol_List(Symbol_Names(false)); })},
                {&Page::MANUAL_INTERVAL_StringList, {context, Manual_Interval_Texts}},
            },
            rows, {channels}, {}, Block_Codec::Digits::Upper_Case_Read);
    }();
    return map;
}

const Field_Layout& APRS_FORM::Layout()
{
    return Fields().Layout();
}

APRS_FORM::APRS_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(new Ui::APRS_FORM)
    , m_frame(this, *ui, Fields())
{
    if (build == Page_Build::Now)
        Build_Page();
}

void APRS_FORM::Build_Page()
{
    if (Is_Built())
        return;
    Init_Aprs_Symbol_Resources();
    // The table's headers follow the form's texts; its columns fit the lists' entries.
    m_frame.Build([this] { Set_Up(); }, [this] { APRS_Table_Init(); },
                  [this] {
                      m_channels->Show_List_Entries();
                      ui->tableWidget->resizeColumnsToContents();
                  });
}

APRS_FORM::~APRS_FORM() = default;

void APRS_FORM::Set_Up()
{
    // The A- and B-band decoding rows stay hidden; their bytes still pass
    // through the page.
    for (QWidget* hidden : {static_cast<QWidget*>(ui->checkBox_7), static_cast<QWidget*>(ui->label_16),
                            static_cast<QWidget*>(ui->line_11), static_cast<QWidget*>(ui->checkBox_8),
                            static_cast<QWidget*>(ui->label_17), static_cast<QWidget*>(ui->line_61)})
        hidden->hide();

    Set_Line_Edit_Validators();
    Refresh_Symbol_Picture();
    // Columns 1 to 4 take their values from their lists only (the cell combo
    // box): no text editor opens on them.
    m_channels = std::make_unique<Table_Editor>(
        ui->tableWidget, QAbstractItemView::EditKeyPressed,
        QList<int>{Column_Power, Column_Wn, Column_Tone_Type, Column_Tone_Value},
        [this](int row, int column) { return Channel_Cell_List(row, column); });
    ui->tableWidget->setRowCount(Channel_Count);
    ui->tableWidget->setColumnCount(Column_Count);
    m_channels->Reset_Cells();
}

// The table keeps its channels: its list cells show their entries in the new
// language.
void APRS_FORM::RetranslatePage()
{
    m_frame.Retranslate();
}

// ---- value lists ------------------------------------------------------------

void APRS_FORM::FillComboLists()
{
    m_frame.Fill_Lists();
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

// ---- decoder and encoder ------------------------------------------------------------

// Either case of digits may be stored; the page reads and writes the block in
// upper case, so the empty markers compare in one case.
void APRS_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "APRS_FORM::Set_Windows_Data_From_SP_Read";
    // A cell combo left open would otherwise commit an earlier image's text.
    m_channels->Dismiss_Combo();
    // The fields first, the symbol table before the symbol and the altitude
    // unit before the altitude; then the transmit channels.
    m_frame.Decode(*Read_Wirte_Temp_File);
}

void APRS_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "APRS_FORM::Get_Windows_Data_To_SP_Write";
    // Without the whole block nothing is written.
    m_frame.Encode(*Read_Wirte_Temp_File);
}

// The rows as the cell rules leave them: the frequency normalised, every list
// cell on its entry (the tone type before the tone value, whose list it
// chooses).
void APRS_FORM::Show_Channels(QStringView block)
{
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

// A list cell that shows nothing for a byte beyond its list, and has not been
// chosen since, stores that byte again.
void APRS_FORM::Store_Channels(QString& block)
{
    const Table_Editor& cells = *m_channels;
    for (int row = 0; row < Channel_Count; ++row) {
        const int offset = Channel_Table + Channel_Record_Size * row;
        const Channel_Row channel{Cell_Text(row, Column_Freq), cells.Stored_Index(row, Column_Power),
                                  cells.Stored_Index(row, Column_Wn), cells.Stored_Index(row, Column_Tone_Type),
                                  cells.Stored_Index(row, Column_Tone_Value)};
        const QString record = Channel_Hex(channel, QStringView(block).mid(2 * offset, 2 * Channel_Record_Size));
        Replace_Hex_Field(block, offset, Channel_Record_Size, record);
    }
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

    // Once left, the path and the numbers show what they are stored as (a
    // position left at 0 with N/E). The list boxes, not the page's form: a
    // focus change while the page is being destroyed comes after the form is
    // gone.
    Show_Stored_Form_When_Left(ui->lineEdit_23, Stored_Path_Text);
    Show_Stored_Form_When_Left(ui->lineEdit_5, Aprs_Field_Kinds::Stored_Position_Form(ui->comboBox_13));
    Show_Stored_Form_When_Left(ui->lineEdit_4, Aprs_Field_Kinds::Stored_Position_Form(ui->comboBox_12));
    QComboBox* unit = ui->comboBox_14;
    Show_Stored_Form_When_Left(ui->lineEdit_6, [unit](const QString& text) {
        return Stored_Altitude_Text(text, unit->currentIndex() == Altitude_Unit_Feet);
    });
    // A comment read with a 00 byte inside keeps it; what deleting leaves
    // before it reads back without it.
    Show_Stored_Form_When_Left(ui->lineEdit_24,
                               [](const QString& text) { return Comment_From_Hex(Comment_To_Hex(text)); });

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
