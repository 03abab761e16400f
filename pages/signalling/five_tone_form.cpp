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

// The lists that change with the language, as source texts.
const char* const Ptt_Id_Type_Texts[] = {
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "关闭"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "发射开始"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "发射结束"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "开始结束"),
};
const char* const Side_Tone_Texts[] = {
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "关闭"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "打开"),
};
const char* const Ani_Display_Texts[] = {
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "关闭"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "匹配ID"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "任意ID"),
};
const char* const Decode_Response_Texts[] = {
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "无"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "提示音"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "提示音并回复"),
};
const char* const Info_Code_Function_Texts[] = {
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "信息码选呼"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "信息码组呼"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "信息码全呼"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "遥晕"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "遥毙"),
    QT_TRANSLATE_NOOP("FIVE_TONE_FORM", "激活"),
};

// The widgets of the repeated rows, row by row.
struct Code_Row_Widgets
{
    QComboBox* Standard;
    QLineEdit* Code;
    QLineEdit* Name;
};

struct Ptt_Row_Widgets
{
    QComboBox* Type;
    QComboBox* Standard;
    QLineEdit* Begin;
    QLineEdit* End;
};

struct Info_Row_Widgets
{
    QComboBox* Function;
    QLineEdit* Code;
};

std::array<Code_Row_Widgets, Code_Row_Count> Code_Rows_Of(const Ui_FIVE_TONE_FORM& ui)
{
    return {{
        {ui.comboBox_30, ui.lineEdit_40, ui.lineEdit_72},
        {ui.comboBox_31, ui.lineEdit_41, ui.lineEdit_73},
        {ui.comboBox_32, ui.lineEdit_42, ui.lineEdit_74},
        {ui.comboBox_33, ui.lineEdit_43, ui.lineEdit_75},
        {ui.comboBox_34, ui.lineEdit_44, ui.lineEdit_76},
        {ui.comboBox_35, ui.lineEdit_45, ui.lineEdit_77},
        {ui.comboBox_36, ui.lineEdit_46, ui.lineEdit_78},
        {ui.comboBox_37, ui.lineEdit_47, ui.lineEdit_79},
        {ui.comboBox_38, ui.lineEdit_48, ui.lineEdit_80},
        {ui.comboBox_39, ui.lineEdit_49, ui.lineEdit_81},
        {ui.comboBox_40, ui.lineEdit_50, ui.lineEdit_82},
        {ui.comboBox_41, ui.lineEdit_51, ui.lineEdit_83},
        {ui.comboBox_42, ui.lineEdit_52, ui.lineEdit_84},
        {ui.comboBox_43, ui.lineEdit_53, ui.lineEdit_85},
        {ui.comboBox_44, ui.lineEdit_54, ui.lineEdit_86},
        {ui.comboBox_45, ui.lineEdit_55, ui.lineEdit_87},
    }};
}

std::array<Ptt_Row_Widgets, Ptt_Row_Count> Ptt_Rows_Of(const Ui_FIVE_TONE_FORM& ui)
{
    return {{
        {ui.comboBox_14, ui.comboBox_22, ui.lineEdit_56, ui.lineEdit_57},
        {ui.comboBox_15, ui.comboBox_23, ui.lineEdit_58, ui.lineEdit_59},
        {ui.comboBox_16, ui.comboBox_24, ui.lineEdit_60, ui.lineEdit_61},
        {ui.comboBox_17, ui.comboBox_25, ui.lineEdit_62, ui.lineEdit_63},
        {ui.comboBox_18, ui.comboBox_26, ui.lineEdit_64, ui.lineEdit_65},
        {ui.comboBox_19, ui.comboBox_27, ui.lineEdit_66, ui.lineEdit_67},
        {ui.comboBox_20, ui.comboBox_28, ui.lineEdit_68, ui.lineEdit_69},
        {ui.comboBox_21, ui.comboBox_29, ui.lineEdit_70, ui.lineEdit_71},
    }};
}

std::array<Info_Row_Widgets, Info_Row_Count> Info_Rows_Of(const Ui_FIVE_TONE_FORM& ui)
{
    return {{
        {ui.comboBox_46, ui.lineEdit_88},
        {ui.comboBox_47, ui.lineEdit_90},
        {ui.comboBox_48, ui.lineEdit_92},
        {ui.comboBox_49, ui.lineEdit_94},
        {ui.comboBox_50, ui.lineEdit_96},
        {ui.comboBox_51, ui.lineEdit_98},
        {ui.comboBox_52, ui.lineEdit_100},
        {ui.comboBox_53, ui.lineEdit_102},
        {ui.comboBox_54, ui.lineEdit_104},
        {ui.comboBox_55, ui.lineEdit_106},
        {ui.comboBox_56, ui.lineEdit_108},
        {ui.comboBox_57, ui.lineEdit_110},
        {ui.comboBox_58, ui.lineEdit_112},
        {ui.comboBox_59, ui.lineEdit_114},
        {ui.comboBox_60, ui.lineEdit_116},
        {ui.comboBox_61, ui.lineEdit_118},
    }};
}

// The eight decode-digit boxes as one byte, bit 0 the first box.
Byte_Kind<QCheckBox> Digit_Mask_Byte(const std::array<QCheckBox*, Digit_Mask_Bits>& boxes)
{
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

template <int N>
void Fill_Translated(QStringList& list, const char* const (&texts)[N])
{
    list.clear();
    for (const char* text : texts)
        list.append(FIVE_TONE_FORM::tr(text));
}

void Refill(QComboBox* box, const QStringList& list)
{
    box->clear();
    box->insertItems(box->count(), list);
}

} // namespace

FIVE_TONE_FORM::FIVE_TONE_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(std::make_unique<Ui_FIVE_TONE_FORM>())
{
    if (build == Page_Build::Now)
        Build_Page();
}

void FIVE_TONE_FORM::Build_Page()
{
    if (m_built)
        return;
    m_built = true;
    ui->setupUi(this);
    // The panel's edits for the table columns: digits 0-9, A-F, tone length,
    // group-call digit, repeat digit.
    m_panelEdits = {ui->lineEdit_4,  ui->lineEdit_5,  ui->lineEdit_6,  ui->lineEdit_7,  ui->lineEdit_8,
                    ui->lineEdit_9,  ui->lineEdit_10, ui->lineEdit_11, ui->lineEdit_12, ui->lineEdit_17,
                    ui->lineEdit_15, ui->lineEdit_14, ui->lineEdit_19, ui->lineEdit_20, ui->lineEdit_16,
                    ui->lineEdit_18, ui->lineEdit_13, ui->lineEdit_21, ui->lineEdit_22};
    Bind_Rows();
    FillComboLists();
    for (int standard = 0; standard < Five_Tone_Standard_Count; ++standard)
        Five_Tone_Standard_Table[standard] = Five_Tone_Standard_Row(standard);
    Set_Line_Edit_Validators();
}

FIVE_TONE_FORM::~FIVE_TONE_FORM() = default;

void FIVE_TONE_FORM::Bind_Rows()
{
    const Byte_Kind<QComboBox> index = Combo_Index_Byte();
    const Byte_Kind<QLineEdit> code = Text_Field(Code_Slot_Text, Code_Slot_Hex);
    const Byte_Kind<QLineEdit> name = Text_Field(Five_Tone_Name_Text, Five_Tone_Name_Hex);
    // The mask's row stands for all eight boxes; its widget is the first.
    const Byte_Kind<QCheckBox> mask = Digit_Mask_Byte({ui->checkBox, ui->checkBox_2, ui->checkBox_3, ui->checkBox_4,
                                                       ui->checkBox_5, ui->checkBox_6, ui->checkBox_7, ui->checkBox_8});

    // In block order.
    m_rows = {
        {Own_Id, Own_Id_Size, code, ui->lineEdit_3},
        {Side_Tone_Byte, 1, index, ui->comboBox_12},
        {Pre_Carrier_Time_Byte, 1, index, ui->comboBox_9},
        {End_Delay_Time_Byte, 1, index, ui->comboBox_8},
        {First_Digit_Time_Byte, 1, index, ui->comboBox_10},
        {Pause_Code_Byte, 1, index, ui->comboBox_1},
        {Pause_Code_Length_Byte, 1, index, ui->comboBox_2},
        {After_Pause_Time_Byte, 1, index, ui->comboBox_3},
        {Ptt_Id_Pause_Byte, 1, index, ui->comboBox_11},
        {Decode_Standard_Byte, 1, index, ui->comboBox_4},
        {Decode_Digit_Mask_Byte, 1, mask, ui->checkBox},
        {Decode_Response_Byte, 1, index, ui->comboBox_5},
        {Auto_Reset_Time_Byte, 1, index, ui->comboBox_6},
        {Ani_Display_Byte, 1, index, ui->comboBox_7},
    };
    int base = Code_Rows;
    for (const Code_Row_Widgets& row : Code_Rows_Of(*ui)) {
        m_rows.append({base, 1, index, row.Standard});
        m_rows.append({base + 1, Code_Size, code, row.Code});
        m_rows.append({base + 1 + Code_Size, Name_Size, name, row.Name});
        base += Code_Row_Size;
    }
    base = Ptt_Rows;
    for (const Ptt_Row_Widgets& row : Ptt_Rows_Of(*ui)) {
        m_rows.append({base, 1, index, row.Type});
        m_rows.append({base + 1, 1, index, row.Standard});
        m_rows.append({base + 2, Code_Size, code, row.Begin});
        m_rows.append({base + 2 + Code_Size, Code_Size, code, row.End});
        base += Ptt_Row_Size;
    }
    base = Info_Rows;
    for (const Info_Row_Widgets& row : Info_Rows_Of(*ui)) {
        m_rows.append({base, 1, index, row.Function});
        m_rows.append({base + 1, Code_Size, code, row.Code});
        base += Info_Row_Size;
    }
}

void FIVE_TONE_FORM::FillComboLists()
{
    STANDARD_StringList = Five_Tone_Standard_Names();
    Refill(ui->comboBox_4, STANDARD_StringList);
    Refill(ui->comboBox_13, STANDARD_StringList);
    for (const Ptt_Row_Widgets& row : Ptt_Rows_Of(*ui))
        Refill(row.Standard, STANDARD_StringList);
    for (const Code_Row_Widgets& row : Code_Rows_Of(*ui))
        Refill(row.Standard, STANDARD_StringList);

    Fill_Translated(PTT_ID_TYPE_StringList, Ptt_Id_Type_Texts);
    for (const Ptt_Row_Widgets& row : Ptt_Rows_Of(*ui))
        Refill(row.Type, PTT_ID_TYPE_StringList);

    Fill_Translated(SIDE_TONE_StringList, Side_Tone_Texts);
    Refill(ui->comboBox_12, SIDE_TONE_StringList);

    DELAY_TIME_StringList = Five_Tone_Delay_Times();
    for (QComboBox* box : {ui->comboBox_8, ui->comboBox_9, ui->comboBox_10, ui->comboBox_3})
        Refill(box, DELAY_TIME_StringList);

    PAUSE_CODE_TIME_StringList = Five_Tone_Pause_Code_Times();
    Refill(ui->comboBox_2, PAUSE_CODE_TIME_StringList);

    PTT_ID_PAUSE_StringList = Five_Tone_Ptt_Id_Pauses();
    Refill(ui->comboBox_11, PTT_ID_PAUSE_StringList);

    Fill_Translated(ANI_DISPLAY_StringList, Ani_Display_Texts);
    Refill(ui->comboBox_7, ANI_DISPLAY_StringList);

    Fill_Translated(DECODE_RESPONSE_StringList, Decode_Response_Texts);
    Refill(ui->comboBox_5, DECODE_RESPONSE_StringList);

    AUTO_RESET_TIME_StringList = Five_Tone_Auto_Reset_Times();
    Refill(ui->comboBox_6, AUTO_RESET_TIME_StringList);

    Fill_Translated(INFO_CODE_FUNCTION_StringList, Info_Code_Function_Texts);
    for (const Info_Row_Widgets& row : Info_Rows_Of(*ui))
        Refill(row.Function, INFO_CODE_FUNCTION_StringList);
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
    for (const Code_Row_Widgets& row : Code_Rows_Of(*ui)) {
        codeField(row.Code, code, Code_Size);
        Apply_Field_Rule(row.Name, name);
    }
    for (const Ptt_Row_Widgets& row : Ptt_Rows_Of(*ui)) {
        codeField(row.Begin, code, Code_Size);
        codeField(row.End, code, Code_Size);
    }
    for (const Info_Row_Widgets& row : Info_Rows_Of(*ui))
        codeField(row.Code, code, Code_Size);
}

void FIVE_TONE_FORM::RetranslatePage()
{
    ui->retranslateUi(this);
    FillComboLists();
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

    const QString read = Read_Wirte_Temp_File->Read_String_From_Ram_File(Block_Addr, Block_Size);
    // Without the whole block every field reads as zero bytes.
    const QStringView block = read.size() == 2 * Block_Size ? QStringView(read) : QStringView();

    Show_Rows(m_rows, block);

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
    QString block = Read_Wirte_Temp_File->Read_String_From_Ram_File(Block_Addr, Block_Size);
    if (block.size() != 2 * Block_Size)
        return;

    Store_Rows(m_rows, block);

    block = block.toUpper();
    Read_Wirte_Temp_File->Write_String_To_Ram_File(Block_Addr, block);
}
