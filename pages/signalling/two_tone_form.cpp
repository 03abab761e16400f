#include "pages/signalling/two_tone_form.h"

#include "ui_two_tone_form.h"

#include "image/data_file_read_write.h"
#include "pages/signalling/two_tone_codec.h"
#include "pages/signalling/two_tone_lists.h"
#include "widgets/customitemdelegrate.h"
#include "widgets/table_editor.h"

#include <QDebug>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

namespace {

using namespace Two_Tone_Layout;

// Columns of the two tables.
constexpr int Tone_1_Column = 0;
constexpr int Tone_2_Column = 1;
constexpr int Encode_Name_Column = 2;
constexpr int Response_Column = 2;
constexpr int Decode_Name_Column = 3;

const char* const Encode_Row_Labels[] = {
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "0"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "1"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "2"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "3"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "4"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "5"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "6"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "7"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "8"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "9"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "A"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "B"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "C"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "D"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "E"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "F"),
};

const char* const Decode_Row_Labels[] = {
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "0"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "1"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "2"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "3"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "4"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "5"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "6"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "7"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "8"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "9"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "10"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "11"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "12"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "13"),
    QT_TRANSLATE_NOOP("TWO_TONE_FORM", "14"), QT_TRANSLATE_NOOP("TWO_TONE_FORM", "15"),
};

const char Header_Style[] =
    "QHeaderView::section{background-color: rgba(0, 0, 0, 150); color: rgb(0, 255, 255);"
    " border: 1px solid rgb(255, 255, 255);}"
    "QHeaderView::section:checked{background-color: rgb(0, 0, 0); color: rgb(255, 255, 255);}";
const char Vertical_Scroll_Style[] =
    "QScrollBar:vertical{width: 12px; background: transparent;}"
    "QScrollBar::handle:vertical{background: rgb(0, 0, 0); border: 1px solid rgb(255, 255, 255);"
    " border-radius: 4px; min-height: 20px;}"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}";
const char Horizontal_Scroll_Style[] =
    "QScrollBar:horizontal{height: 12px; background: transparent;}"
    "QScrollBar::handle:horizontal{background: rgb(0, 0, 0); border: 1px solid rgb(255, 255, 255);"
    " border-radius: 4px; min-width: 20px;}"
    "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal{width: 0px;}";

QFont Header_Font()
{
    QFont font(QStringLiteral("Segoe UI"), 12);
    font.setBold(true);
    return font;
}

} // namespace

// The settings in the order the decoder and the encoder walk them; the
// entries of the two tables travel through the entry functions of
// two_tone_codec.h.
const Field_Map<TWO_TONE_FORM, Ui_TWO_TONE_FORM>& TWO_TONE_FORM::Fields()
{
    using Map = Field_Map<TWO_TONE_FORM, Ui_TWO_TONE_FORM>;
    using Ui = Ui_TWO_TONE_FORM;
    using Page = TWO_TONE_FORM;
    using Image_Region::Two_Tone_Block_Region;
    const auto& block = Two_Tone_Block_Region;
    const char* const context = "TWO_TONE_FORM";
    static const Map map(
        {
            {&Page::DECODE_RESPONSE_StringList, {context, Two_Tone_Lists::Decode_Response}},
            {&Page::TONE_TIME_StringList, Value_List(Two_Tone_Lists::Tone_Times)},
            {&Page::INTERVAL_TIME_StringList, Value_List(Two_Tone_Lists::Interval_Times)},
            {&Page::AUTO_RESET_TIME_StringList, Value_List(Two_Tone_Lists::Auto_Reset_Times)},
            {&Page::SIDE_TONE_StringList, {context, Two_Tone_Lists::Side_Tone}},
        },
        {
            Map::List_Row(block, First_Tone_Time_Byte, &Ui::comboBox_1, &Page::TONE_TIME_StringList),
            Map::List_Row(block, Second_Tone_Time_Byte, &Ui::comboBox_2, &Page::TONE_TIME_StringList),
            Map::List_Row(block, Long_Tone_Time_Byte, &Ui::comboBox_3, &Page::TONE_TIME_StringList),
            Map::List_Row(block, Interval_Time_Byte, &Ui::comboBox_4, &Page::INTERVAL_TIME_StringList),
            Map::List_Row(block, Side_Tone_Byte, &Ui::comboBox_6, &Page::SIDE_TONE_StringList),
            Map::List_Row(block, Auto_Reset_Time_Byte, &Ui::comboBox_5, &Page::AUTO_RESET_TIME_StringList),
        },
        {
            {{{block, Encode_Entry_Addr, Entry_Count * Encode_Entry_Size}},
             &Page::Show_Encode_Entries,
             &Page::Store_Encode_Entries,
             nullptr,
             nullptr,
             Map::Shown_In(&Ui::tableWidget)},
            {{{block, Decode_Entry_Addr, Entry_Count * Decode_Entry_Size}},
             &Page::Show_Decode_Entries,
             &Page::Store_Decode_Entries,
             nullptr,
             nullptr,
             Map::Shown_In(&Ui::tableWidget_2)},
        });
    return map;
}

const Field_Layout& TWO_TONE_FORM::Layout()
{
    return Fields().Layout();
}

TWO_TONE_FORM::TWO_TONE_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TWO_TONE_FORM>())
    , m_frame(this, *ui, Fields())
{
    if (build == Page_Build::Now)
        Build_Page();
}

void TWO_TONE_FORM::Build_Page()
{
    // The tables' headers follow the form's texts; the response cells, the lists.
    m_frame.Build([this] { Set_Up(); }, [this] { Two_Tone_Table_Init(); },
                  [this] { m_decodeTable->Show_List_Entries(); });
}

TWO_TONE_FORM::~TWO_TONE_FORM() = default;

void TWO_TONE_FORM::Set_Up()
{
    m_encodeTable = std::make_unique<Table_Editor>(ui->tableWidget, QAbstractItemView::AnyKeyPressed);
    // Response cells take no typed text: the response is chosen in its combo box only.
    m_decodeTable = std::make_unique<Table_Editor>(ui->tableWidget_2, QAbstractItemView::AnyKeyPressed,
                                                   QList<int>{Response_Column},
                                                   [this](int, int) { return DECODE_RESPONSE_StringList; });
    m_encodeTable->Reset_Cells();
    m_decodeTable->Reset_Cells();
    Set_Line_Edit_Validators();
}

// ---- decode and encode -------------------------------------------------------

void TWO_TONE_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "TWO_TONE_FORM::Set_Windows_Data_From_SP_Read";
    if (!Read_Wirte_Temp_File)
        return;
    m_decodeTable->Dismiss_Combo();
    m_frame.Decode(*Read_Wirte_Temp_File);
}

void TWO_TONE_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "TWO_TONE_FORM::Get_Windows_Data_To_SP_Write";
    if (!Read_Wirte_Temp_File)
        return;
    // The image lacks the whole block: nothing is written.
    m_frame.Encode(*Read_Wirte_Temp_File);
}

// Nothing of the previous image may survive in a cell this decode does not
// write (an invalid tone 2). The texts read are those the cell rules keep.
void TWO_TONE_FORM::Show_Encode_Entries(QStringView block)
{
    Table_Editor& encode = *m_encodeTable;
    const Table_Editor::Rewrite rewrite(encode);
    encode.Clear_Cells();
    for (int row = 0; row < Entry_Count; ++row) {
        const Two_Tone_Entry entry = Read_Encode_Entry(block, row);
        if (!entry.In_Use)
            continue;
        encode.Set_Cell_Text(row, Tone_1_Column, entry.Tone_1);
        encode.Set_Cell_Text(row, Tone_2_Column, entry.Tone_2);
        encode.Set_Cell_Text(row, Encode_Name_Column, entry.Name);
    }
}

// The same; a response beyond the list shows nothing.
void TWO_TONE_FORM::Show_Decode_Entries(QStringView block)
{
    Table_Editor& decode = *m_decodeTable;
    const Table_Editor::Rewrite rewrite(decode);
    decode.Clear_Cells();
    for (int row = 0; row < Entry_Count; ++row) {
        const Two_Tone_Entry entry = Read_Decode_Entry(block, row);
        if (!entry.In_Use)
            continue;
        decode.Set_Cell_Text(row, Tone_1_Column, entry.Tone_1);
        decode.Set_Cell_Text(row, Tone_2_Column, entry.Tone_2);
        decode.Set_List_Cell(row, Response_Column, entry.Response_Byte);
        decode.Set_Cell_Text(row, Decode_Name_Column, entry.Name);
    }
}

void TWO_TONE_FORM::Store_Encode_Entries(QString& block)
{
    for (int row = 0; row < Entry_Count; ++row)
        Put_Encode_Entry(block, row, Row_Cells(*m_encodeTable, row));
}

void TWO_TONE_FORM::Store_Decode_Entries(QString& block)
{
    for (int row = 0; row < Entry_Count; ++row) {
        // A response beyond the list, not chosen since, goes back as read;
        // any other that shows no entry is stored as the first ("none").
        const int response = qMax(0, m_decodeTable->Stored_Index(row, Response_Column));
        Put_Decode_Entry(block, row, Row_Cells(*m_decodeTable, row), response);
    }
}

// ---- language and set-up -----------------------------------------------------

// The tables keep their entries: the response cells show theirs in the new
// language.
void TWO_TONE_FORM::RetranslatePage()
{
    // An open response combo box holds texts of the old language: drop it
    // without taking its text anywhere.
    m_decodeTable->Dismiss_Combo();
    m_frame.Retranslate();
}

void TWO_TONE_FORM::FillComboLists()
{
    m_frame.Fill_Lists();
    m_decodeTable->Show_List_Entries();
}

// The tables' columns, headers and looks; their cells stay.
void TWO_TONE_FORM::Two_Tone_Table_Init()
{
    const QStringList encodeHeaders = {tr("音频1\n[Hz]"), tr("音频2\n[Hz]"), tr("    名称    ")};
    const QStringList decodeHeaders = {tr("音频1\n[Hz]"), tr("音频2\n[Hz]"), tr("  解码响应  "), tr("    名称    ")};
    QStringList encodeRows;
    for (const char* label : Encode_Row_Labels)
        encodeRows << tr(label);
    QStringList decodeRows;
    for (const char* label : Decode_Row_Labels)
        decodeRows << tr(label);

    for (Table_Editor* editor : {m_encodeTable.get(), m_decodeTable.get()}) {
        QTableWidget* table = editor->Table();
        const bool decodeTable = editor == m_decodeTable.get();
        const QStringList& headers = decodeTable ? decodeHeaders : encodeHeaders;
        const QStringList& rowLabels = decodeTable ? decodeRows : encodeRows;
        table->horizontalHeader()->setResizeContentsPrecision(0);
        table->verticalHeader()->setResizeContentsPrecision(0);

        table->setColumnCount(headers.size());
        table->setHorizontalHeaderLabels(headers);
        table->setVerticalHeaderLabels(rowLabels);

        table->setAlternatingRowColors(false);
        table->verticalHeader()->setStyleSheet(QLatin1String(Header_Style));
        table->verticalHeader()->setFont(Header_Font());
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->horizontalHeader()->setFont(Header_Font());
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        table->horizontalHeader()->setStyleSheet(QLatin1String(Header_Style));
        table->verticalScrollBar()->setStyleSheet(QLatin1String(Vertical_Scroll_Style));
        table->horizontalScrollBar()->setStyleSheet(QLatin1String(Horizontal_Scroll_Style));
    }
}

void TWO_TONE_FORM::Set_Line_Edit_Validators()
{
    // Tones: digits and points, or nothing (an emptied tone 1 clears its row).
    const Field_Rule toneRule(QStringLiteral("^[0-9.]*$"), Field_Rule::Storage::Single_Byte);
    // Names: printable ASCII but the space, ":", ";" and "\"; never empty;
    // at most the 8 bytes of the name field.
    const Field_Rule nameRule(QStringLiteral("^[!-9<-\\[\\]-~]+$"), Field_Rule::Storage::Single_Byte, Name_Bytes);

    // One delegate per table: a delegate shared by two views sends its
    // commit and close signals to both, and the other view complains.
    auto* encodeTone = new CustomItemDelegrate(toneRule, this);
    auto* encodeName = new CustomItemDelegrate(nameRule, this);
    ui->tableWidget->setItemDelegateForColumn(Tone_1_Column, encodeTone);
    ui->tableWidget->setItemDelegateForColumn(Tone_2_Column, encodeTone);
    ui->tableWidget->setItemDelegateForColumn(Encode_Name_Column, encodeName);

    auto* decodeTone = new CustomItemDelegrate(toneRule, this);
    auto* decodeName = new CustomItemDelegrate(nameRule, this);
    ui->tableWidget_2->setItemDelegateForColumn(Tone_1_Column, decodeTone);
    ui->tableWidget_2->setItemDelegateForColumn(Tone_2_Column, decodeTone);
    ui->tableWidget_2->setItemDelegateForColumn(Decode_Name_Column, decodeName);
}

// ---- cell rules --------------------------------------------------------------

void TWO_TONE_FORM::on_tableWidget_itemChanged(QTableWidgetItem* item)
{
    if (m_encodeTable->Own_Change())
        return;
    qDebug() << "on_tableWidget_itemChanged";
    m_encodeTable->Run_Cell_Rule(item, [this](QTableWidgetItem* cell) {
        switch (cell->column()) {
        case Tone_1_Column: Encode_List_Row_Check(cell); break;
        case Tone_2_Column: Tone_Cell_Normalise(cell); break;
        case Encode_Name_Column: Name_Cell_Normalise(cell); break;
        default: break;
        }
    });
}

void TWO_TONE_FORM::on_tableWidget_2_itemChanged(QTableWidgetItem* item)
{
    if (m_decodeTable->Own_Change())
        return;
    qDebug() << "on_tableWidget_2_itemChanged";
    m_decodeTable->Run_Cell_Rule(item, [this](QTableWidgetItem* cell) {
        switch (cell->column()) {
        case Tone_1_Column: Decode_List_Row_Check(cell); break;
        case Tone_2_Column: Tone_Cell_Normalise(cell); break;
        case Decode_Name_Column: Name_Cell_Normalise(cell); break;
        default: break; // the response changes only through its combo box
        }
    });
}

void TWO_TONE_FORM::Encode_List_Row_Check(QTableWidgetItem* item)
{
    Table_Editor& table = *m_encodeTable;
    if (!item || item->tableWidget() != table.Table())
        return;
    const int row = item->row();
    Two_Tone_Row cells = Row_Cells(table, row);
    Encode_Row_Check(cells, row);
    table.Set_Cell_Text(row, Tone_1_Column, cells.Tone_1);
    table.Set_Cell_Text(row, Tone_2_Column, cells.Tone_2);
    table.Set_Cell_Text(row, Encode_Name_Column, cells.Name);
}

void TWO_TONE_FORM::Decode_List_Row_Check(QTableWidgetItem* item)
{
    Table_Editor& table = *m_decodeTable;
    if (!item || item->tableWidget() != table.Table())
        return;
    const int row = item->row();
    Two_Tone_Row cells = Row_Cells(table, row);
    Decode_Row_Check(cells, row, DECODE_RESPONSE_StringList.value(0));
    table.Set_Cell_Text(row, Tone_1_Column, cells.Tone_1);
    table.Set_Cell_Text(row, Tone_2_Column, cells.Tone_2);
    table.Set_Cell_Text(row, Response_Column, cells.Response);
    table.Set_Cell_Text(row, Decode_Name_Column, cells.Name);
}

void TWO_TONE_FORM::Tone_Cell_Normalise(QTableWidgetItem* item)
{
    // An emptied tone 2 means "no second tone" and stays empty.
    item->setText(Tone_2_Cell_Text(item->text()));
}

void TWO_TONE_FORM::Name_Cell_Normalise(QTableWidgetItem* item)
{
    item->setText(Name_Cell_Text(item->text()));
}

// ---- current cell and double click -------------------------------------------

void TWO_TONE_FORM::on_tableWidget_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                                      int /*previousColumn*/)
{
    qDebug() << "on_tableWidget_currentCellChanged";
    m_encodeTable->Current_Cell_Changed(currentRow, currentColumn, previousRow);
}

void TWO_TONE_FORM::on_tableWidget_2_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                                        int /*previousColumn*/)
{
    qDebug() << "on_tableWidget_2_currentCellChanged";
    m_decodeTable->Current_Cell_Changed(currentRow, currentColumn, previousRow);
}

void TWO_TONE_FORM::on_tableWidget_cellDoubleClicked(int row, int column)
{
    qDebug() << "on_tableWidget_cellDoubleClicked";
    Table_Editor& table = *m_encodeTable;
    if (column == Tone_1_Column || column == Tone_2_Column)
        table.Allow_Text_Editing();
    table.Open_Cell(row, column); // an empty row is filled from its tone 1 on
}

void TWO_TONE_FORM::on_tableWidget_2_cellDoubleClicked(int row, int column)
{
    qDebug() << "on_tableWidget_2_cellDoubleClicked";
    Table_Editor& table = *m_decodeTable;
    if (column == Tone_1_Column || column == Tone_2_Column || column == Decode_Name_Column)
        table.Allow_Text_Editing();
    table.Open_Cell(row, column); // tone 1 of an empty row, or the response list
}

Two_Tone_Row TWO_TONE_FORM::Row_Cells(const Table_Editor& table, int row) const
{
    Two_Tone_Row cells;
    cells.Tone_1 = table.Cell_Text(row, Tone_1_Column);
    cells.Tone_2 = table.Cell_Text(row, Tone_2_Column);
    if (&table == m_decodeTable.get()) {
        cells.Response = table.Cell_Text(row, Response_Column);
        cells.Name = table.Cell_Text(row, Decode_Name_Column);
    } else {
        cells.Name = table.Cell_Text(row, Encode_Name_Column);
    }
    return cells;
}
