#include "pages/signalling/five_tone_form.h"

#include "image/data_file_read_write.h"
#include "image/hex_text.h"
#include "pages/signalling/code_text.h"
#include "pages/signalling/five_tone_layout.h"
#include "pages/signalling/five_tone_lists.h"
#include "ui_five_tone_form.h"
#include "widgets/field_validator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLineEdit>

namespace {

using namespace Five_Tone_Layout;
using Form = Ui_FIVE_TONE_FORM;

// The widgets of the repeated rows, row by row, as members of the form.
struct Code_Row_Widgets
{
    QComboBox* Form::*Standard;
    QLineEdit* Form::*Code;
    QLineEdit* Form::*Name;
};

struct Ptt_Row_Widgets
{
    QComboBox* Form::*Type;
    QComboBox* Form::*Standard;
    QLineEdit* Form::*Begin;
    QLineEdit* Form::*End;
};

struct Info_Row_Widgets
{
    QComboBox* Form::*Function;
    QLineEdit* Form::*Code;
};

const Code_Row_Widgets Code_Row_Fields[Code_Row_Count] = {
    {&Form::comboBox_30, &Form::lineEdit_40, &Form::lineEdit_72},
    {&Form::comboBox_31, &Form::lineEdit_41, &Form::lineEdit_73},
    {&Form::comboBox_32, &Form::lineEdit_42, &Form::lineEdit_74},
    {&Form::comboBox_33, &Form::lineEdit_43, &Form::lineEdit_75},
    {&Form::comboBox_34, &Form::lineEdit_44, &Form::lineEdit_76},
    {&Form::comboBox_35, &Form::lineEdit_45, &Form::lineEdit_77},
    {&Form::comboBox_36, &Form::lineEdit_46, &Form::lineEdit_78},
    {&Form::comboBox_37, &Form::lineEdit_47, &Form::lineEdit_79},
    {&Form::comboBox_38, &Form::lineEdit_48, &Form::lineEdit_80},
    {&Form::comboBox_39, &Form::lineEdit_49, &Form::lineEdit_81},
    {&Form::comboBox_40, &Form::lineEdit_50, &Form::lineEdit_82},
    {&Form::comboBox_41, &Form::lineEdit_51, &Form::lineEdit_83},
    {&Form::comboBox_42, &Form::lineEdit_52, &Form::lineEdit_84},
    {&Form::comboBox_43, &Form::lineEdit_53, &Form::lineEdit_85},
    {&Form::comboBox_44, &Form::lineEdit_54, &Form::lineEdit_86},
    {&Form::comboBox_45, &Form::lineEdit_55, &Form::lineEdit_87},
};

const Ptt_Row_Widgets Ptt_Row_Fields[Ptt_Row_Count] = {
    {&Form::comboBox_14, &Form::comboBox_22, &Form::lineEdit_56, &Form::lineEdit_57},
    {&Form::comboBox_15, &Form::comboBox_23, &Form::lineEdit_58, &Form::lineEdit_59},
    {&Form::comboBox_16, &Form::comboBox_24, &Form::lineEdit_60, &Form::lineEdit_61},
    {&Form::comboBox_17, &Form::comboBox_25, &Form::lineEdit_62, &Form::lineEdit_63},
    {&Form::comboBox_18, &Form::comboBox_26, &Form::lineEdit_64, &Form::lineEdit_65},
    {&Form::comboBox_19, &Form::comboBox_27, &Form::lineEdit_66, &Form::lineEdit_67},
    {&Form::comboBox_20, &Form::comboBox_28, &Form::lineEdit_68, &Form::lineEdit_69},
    {&Form::comboBox_21, &Form::comboBox_29, &Form::lineEdit_70, &Form::lineEdit_71},
};

const Info_Row_Widgets Info_Row_Fields[Info_Row_Count] = {
    {&Form::comboBox_46, &Form::lineEdit_88},
    {&Form::comboBox_47, &Form::lineEdit_90},
    {&Form::comboBox_48, &Form::lineEdit_92},
    {&Form::comboBox_49, &Form::lineEdit_94},
    {&Form::comboBox_50, &Form::lineEdit_96},
    {&Form::comboBox_51, &Form::lineEdit_98},
    {&Form::comboBox_52, &Form::lineEdit_100},
    {&Form::comboBox_53, &Form::lineEdit_102},
    {&Form::comboBox_54, &Form::lineEdit_104},
    {&Form::comboBox_55, &Form::lineEdit_106},
    {&Form::comboBox_56, &Form::lineEdit_108},
    {&Form::comboBox_57, &Form::lineEdit_110},
    {&Form::comboBox_58, &Form::lineEdit_112},
    {&Form::comboBox_59, &Form::lineEdit_114},
    {&Form::comboBox_60, &Form::lineEdit_116},
    {&Form::comboBox_61, &Form::lineEdit_118},
};

// The eight decode-digit boxes as one byte, bit 0 the first box.
Byte_Kind<QCheckBox> Digit_Mask_Byte(const Ui_FIVE_TONE_FORM& ui)
{
    const std::array<QCheckBox*, Digit_Mask_Bits> boxes = {ui.checkBox,   ui.checkBox_2, ui.checkBox_3,
                                                           ui.checkBox_4, ui.checkBox_5, ui.checkBox_6,
                                                           ui.checkBox_7, ui.checkBox_8};
    return {[boxes](QCheckBox*, QStringView hex) {
                const int mask = Hex_Byte_Or_Zero(hex, 0);
                for (int bit = 0; bit < Digit_Mask_Bits; ++bit)
                    boxes[bit]->setChecked(mask & (1 << bit));
            },
            [boxes](QCheckBox*, QStringView, int) {
                int mask = 0;
                for (int bit = 0; bit < Digit_Mask_Bits; ++bit) {
                    if (boxes[bit]->isChecked())
                        mask |= 1 << bit;
                }
                return Byte_To_Hex(mask);
            }};
}

} // namespace

// In block order.
const Field_Map<FIVE_TONE_FORM, Ui_FIVE_TONE_FORM>& FIVE_TONE_FORM::Fields()
{
    using Map = Field_Map<FIVE_TONE_FORM, Ui_FIVE_TONE_FORM>;
    using Page = FIVE_TONE_FORM;
    const char* const context = "FIVE_TONE_FORM";
    const Map::Text_Codec code{Code_Slot_Text, Code_Slot_Hex};
    const Map::Text_Codec name{Five_Tone_Name_Text, Five_Tone_Name_Hex};

    static const Map map = [&] {
        QVector<Map::Row> rows = {
            Map::Text_Row(Block, Own_Id, Own_Id_Size, &Form::lineEdit_3, code),
            Map::List_Row(Block, Side_Tone_Byte, &Form::comboBox_12, &Page::SIDE_TONE_StringList),
            Map::List_Row(Block, Pre_Carrier_Time_Byte, &Form::comboBox_9, &Page::DELAY_TIME_StringList),
            Map::List_Row(Block, End_Delay_Time_Byte, &Form::comboBox_8, &Page::DELAY_TIME_StringList),
            Map::List_Row(Block, First_Digit_Time_Byte, &Form::comboBox_10, &Page::DELAY_TIME_StringList),
            Map::Form_List_Row(Block, Pause_Code_Byte, &Form::comboBox_1),
            Map::List_Row(Block, Pause_Code_Length_Byte, &Form::comboBox_2, &Page::PAUSE_CODE_TIME_StringList),
            Map::List_Row(Block, After_Pause_Time_Byte, &Form::comboBox_3, &Page::DELAY_TIME_StringList),
            Map::List_Row(Block, Ptt_Id_Pause_Byte, &Form::comboBox_11, &Page::PTT_ID_PAUSE_StringList),
            Map::List_Row(Block, Decode_Standard_Byte, &Form::comboBox_4, &Page::STANDARD_StringList),
            // The mask's row stands for all eight boxes; its widget is the first.
            Map::Custom_Row(Block, Decode_Digit_Mask_Byte, 1, &Form::checkBox, Digit_Mask_Byte),
            Map::List_Row(Block, Decode_Response_Byte, &Form::comboBox_5, &Page::DECODE_RESPONSE_StringList),
            Map::List_Row(Block, Auto_Reset_Time_Byte, &Form::comboBox_6, &Page::AUTO_RESET_TIME_StringList),
            Map::List_Row(Block, Ani_Display_Byte, &Form::comboBox_7, &Page::ANI_DISPLAY_StringList),
        };
        int base = Code_Rows;
        for (const Code_Row_Widgets& row : Code_Row_Fields) {
            rows.append(Map::List_Row(Block, base, row.Standard, &Page::STANDARD_StringList));
            rows.append(Map::Text_Row(Block, base + 1, Code_Size, row.Code, code));
            rows.append(Map::Text_Row(Block, base + 1 + Code_Size, Name_Size, row.Name, name));
            base += Code_Row_Size;
        }
        base = Ptt_Rows;
        for (const Ptt_Row_Widgets& row : Ptt_Row_Fields) {
            rows.append(Map::List_Row(Block, base, row.Type, &Page::PTT_ID_TYPE_StringList));
            rows.append(Map::List_Row(Block, base + 1, row.Standard, &Page::STANDARD_StringList));
            rows.append(Map::Text_Row(Block, base + 2, Code_Size, row.Begin, code));
            rows.append(Map::Text_Row(Block, base + 2 + Code_Size, Code_Size, row.End, code));
            base += Ptt_Row_Size;
        }
        base = Info_Rows;
        for (const Info_Row_Widgets& row : Info_Row_Fields) {
            rows.append(Map::List_Row(Block, base, row.Function, &Page::INFO_CODE_FUNCTION_StringList));
            rows.append(Map::Text_Row(Block, base + 1, Code_Size, row.Code, code));
            base += Info_Row_Size;
        }
        return Map(
            {
                {&Page::STANDARD_StringList, Value_List(Five_Tone_Standard_Names)},
                {&Page::PTT_ID_TYPE_StringList, {context, Five_Tone_Ptt_Id_Types}},
                {&Page::SIDE_TONE_StringList, {context, Five_Tone_Side_Tone}},
                {&Page::DELAY_TIME_StringList, Value_List(Five_Tone_Delay_Times)},
                {&Page::PAUSE_CODE_TIME_StringList, Value_List(Five_Tone_Pause_Code_Times)},
                {&Page::PTT_ID_PAUSE_StringList, Value_List(Five_Tone_Ptt_Id_Pauses)},
                {&Page::ANI_DISPLAY_StringList, {context, Five_Tone_Ani_Display}},
                {&Page::DECODE_RESPONSE_StringList, {context, Five_Tone_Decode_Response}},
                {&Page::AUTO_RESET_TIME_StringList, Value_List(Five_Tone_Auto_Reset_Times)},
                {&Page::INFO_CODE_FUNCTION_StringList, {context, Five_Tone_Info_Code_Functions}},
            },
            rows, {},
            // The reference panel's selector offers the standards and stores nothing.
            {{&Form::comboBox_13, &Page::STANDARD_StringList}});
    }();
    return map;
}

const Field_Layout& FIVE_TONE_FORM::Layout()
{
    return Fields().Layout();
}

FIVE_TONE_FORM::FIVE_TONE_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(std::make_unique<Ui_FIVE_TONE_FORM>())
    , m_frame(this, *ui, Fields())
{
    if (build == Page_Build::Now)
        Build_Page();
}

void FIVE_TONE_FORM::Build_Page()
{
    m_frame.Build([this] {
        // The panel's edits for the table columns: digits 0-9, A-F, tone
        // length, group-call digit, repeat digit.
        m_panelEdits = {ui->lineEdit_4,  ui->lineEdit_5,  ui->lineEdit_6,  ui->lineEdit_7,  ui->lineEdit_8,
                        ui->lineEdit_9,  ui->lineEdit_10, ui->lineEdit_11, ui->lineEdit_12, ui->lineEdit_17,
                        ui->lineEdit_15, ui->lineEdit_14, ui->lineEdit_19, ui->lineEdit_20, ui->lineEdit_16,
                        ui->lineEdit_18, ui->lineEdit_13, ui->lineEdit_21, ui->lineEdit_22};
        for (int standard = 0; standard < Five_Tone_Standard_Count; ++standard)
            Five_Tone_Standard_Table[standard] = Five_Tone_Standard_Row(standard);
        Set_Line_Edit_Validators();
    });
}

FIVE_TONE_FORM::~FIVE_TONE_FORM() = default;

void FIVE_TONE_FORM::FillComboLists()
{
    m_frame.Fill_Lists();
}

void FIVE_TONE_FORM::Set_Line_Edit_Validators()
{
    // Own ID and codes may be emptied; nothing else but the listed characters
    // gets in (the decoder would drop anything else). Names: printable ASCII
    // but a blank, ":", ";" and the backslash.
    using Storage = Field_Rule::Storage;
    const Field_Rule ownId(QStringLiteral("^$|^[0-9]+$"), Storage::Single_Byte);
    const Field_Rule code(QStringLiteral("^$|^[0-9abcdefABCDEF*#]+$"), Storage::Single_Byte);
    const Field_Rule name(QStringLiteral("^[A-Za-z0-9!\"\"#$%&'()*+,-./<=>?@\\[\\]\\^_`{|}~]+$"), Storage::Single_Byte);

    // Once left, a code shows what it is stored as: a-f in upper case.
    const auto codeField = [](QLineEdit* edit, const Field_Rule& rule, int width) {
        Apply_Field_Rule(edit, rule);
        Show_Stored_Form_When_Left(edit, [width](const QString& text) {
            return Code_Slot_Text(Code_Slot_Hex(text, width));
        });
    };
    codeField(ui->lineEdit_3, ownId, Own_Id_Size);
    const Ui_FIVE_TONE_FORM& form = *ui;
    for (const Code_Row_Widgets& row : Code_Row_Fields) {
        codeField(form.*row.Code, code, Code_Size);
        Apply_Field_Rule(form.*row.Name, name);
    }
    for (const Ptt_Row_Widgets& row : Ptt_Row_Fields) {
        codeField(form.*row.Begin, code, Code_Size);
        codeField(form.*row.End, code, Code_Size);
    }
    for (const Info_Row_Widgets& row : Info_Row_Fields)
        codeField(form.*row.Code, code, Code_Size);
}

void FIVE_TONE_FORM::RetranslatePage()
{
    m_frame.Retranslate();
}

// ---- reference panel ----------------------------------------------------------

void FIVE_TONE_FORM::Show_Standard(int index)
{
    if (index < 0 || index >= Five_Tone_Standard_Count)
        return;
    const QStringList& row = Five_Tone_Standard_Table[index];
    for (int column = 0; column < Five_Tone_Standard_Columns; ++column)
        m_panelEdits[column]->setText(row.value(column));
}

void FIVE_TONE_FORM::Clear_Panel()
{
    for (QLineEdit* edit : m_panelEdits)
        edit->clear();
}

void FIVE_TONE_FORM::Follow_Standard(int index)
{
    if (Page_Data_Ready)
        ui->comboBox_13->setCurrentIndex(index);
}

void FIVE_TONE_FORM::on_comboBox_13_currentIndexChanged(int index)
{
    if (Page_Data_Ready)
        Show_Standard(index);
}

void FIVE_TONE_FORM::on_comboBox_4_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_22_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_23_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_24_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_25_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_26_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_27_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_28_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_29_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_30_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_31_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_32_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_33_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_34_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_35_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_36_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_37_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_38_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_39_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_40_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_41_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_42_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_43_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_44_currentIndexChanged(int index) { Follow_Standard(index); }
void FIVE_TONE_FORM::on_comboBox_45_currentIndexChanged(int index) { Follow_Standard(index); }

// ---- codec ----------------------------------------------------------------------

void FIVE_TONE_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "FIVE_TONE_FORM::Set_Windows_Data_From_SP_Read";
    Page_Data_Ready = false;

    // Without the whole block every field reads as zero bytes.
    m_frame.Decode(*Read_Wirte_Temp_File);

    Page_Data_Ready = true;
    // The panel shows the decode standard. It is filled here as well, since
    // selecting the index the panel already stands at signals nothing.
    const int standard = ui->comboBox_4->currentIndex();
    ui->comboBox_13->setCurrentIndex(standard);
    if (standard < 0)
        Clear_Panel();
    else
        Show_Standard(standard);
}

void FIVE_TONE_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "FIVE_TONE_FORM::Get_Windows_Data_To_SP_Write";
    m_frame.Encode(*Read_Wirte_Temp_File);
}
