#include "pages/signalling/five_tone_form.h"

#include "image/data_file_read_write.h"
#include "image/hex_text.h"
#include "image/image_regions.h"
#include "pages/signalling/five_tone_layout.h"
#include "pages/signalling/five_tone_lists.h"
#include "ui_five_tone_form.h"
#include "widgets/combobyte.h"
#include "widgets/field_validator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLineEdit>

namespace {

constexpr int Block_Addr = Image_Region::Five_Tone_Block_Addr;
constexpr int Block_Size = Image_Region::Five_Tone_Block_Size;

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

// The panel's edits for the table columns: digits 0-9, A-F, tone length,
// group-call digit, repeat digit.
const char* const Panel_Edits[Five_Tone_Standard_Columns] = {
    "lineEdit_4",  "lineEdit_5",  "lineEdit_6",  "lineEdit_7",  "lineEdit_8",  "lineEdit_9",  "lineEdit_10",
    "lineEdit_11", "lineEdit_12", "lineEdit_17", "lineEdit_15", "lineEdit_14", "lineEdit_19", "lineEdit_20",
    "lineEdit_16", "lineEdit_18", "lineEdit_13", "lineEdit_21", "lineEdit_22",
};

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
    FillComboLists();
    for (int standard = 0; standard < Five_Tone_Standard_Count; ++standard)
        Five_Tone_Standard_Table[standard] = Five_Tone_Standard_Row(standard);
    Resolve_Field_Widgets();
    Set_Line_Edit_Validators();
}

FIVE_TONE_FORM::~FIVE_TONE_FORM() = default;

void FIVE_TONE_FORM::Resolve_Field_Widgets()
{
    for (const Five_Tone_Field& field : Five_Tone_Fields()) {
        QWidget* widget = findChild<QWidget*>(field.Widget);
        Q_ASSERT_X(widget, "FIVE_TONE_FORM", qPrintable(field.Widget));
        m_fieldWidgets.append(widget);
    }
    for (const QString& name : Five_Tone_Mask_Boxes()) {
        QCheckBox* box = findChild<QCheckBox*>(name);
        Q_ASSERT(box);
        m_maskBoxes.append(box);
    }
}

QComboBox* FIVE_TONE_FORM::Combo_Box(int number) const
{
    return findChild<QComboBox*>(QStringLiteral("comboBox_%1").arg(number));
}

void FIVE_TONE_FORM::FillComboLists()
{
    STANDARD_StringList = Five_Tone_Standard_Names();
    Refill(ui->comboBox_4, STANDARD_StringList);
    Refill(ui->comboBox_13, STANDARD_StringList);
    for (int number = 22; number <= 45; ++number)
        Refill(Combo_Box(number), STANDARD_StringList);

    Fill_Translated(PTT_ID_TYPE_StringList, Ptt_Id_Type_Texts);
    for (int number = 14; number <= 21; ++number)
        Refill(Combo_Box(number), PTT_ID_TYPE_StringList);

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
    for (int number = 46; number <= 61; ++number)
        Refill(Combo_Box(number), INFO_CODE_FUNCTION_StringList);
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

    const QVector<Five_Tone_Field>& fields = Five_Tone_Fields();
    for (int i = 0; i < fields.size(); ++i) {
        const Five_Tone_Field& field = fields[i];
        auto* edit = qobject_cast<QLineEdit*>(m_fieldWidgets[i]);
        if (!edit)
            continue;
        if (field.Kind == Five_Tone_Field_Kind::Name) {
            Apply_Field_Rule(edit, name);
            continue;
        }
        Apply_Field_Rule(edit, edit == ui->lineEdit_3 ? ownId : code);
        // Once left, a code shows what it is stored as: a-f in upper case.
        // Its own digits are read back, so the field stands at offset 0.
        Five_Tone_Field alone = field;
        alone.Offset = 0;
        Show_Stored_Form_When_Left(edit, [alone](const QString& text) {
            return Five_Tone_Field_Text(alone, Five_Tone_Field_Hex(alone, text));
        });
    }
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
        findChild<QLineEdit*>(QLatin1String(Panel_Edits[column]))->setText(row.value(column));
}

void FIVE_TONE_FORM::Clear_Panel()
{
    for (const char* edit : Panel_Edits)
        findChild<QLineEdit*>(QLatin1String(edit))->clear();
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

    const QVector<Five_Tone_Field>& fields = Five_Tone_Fields();
    for (int i = 0; i < fields.size(); ++i) {
        const Five_Tone_Field& field = fields[i];
        QWidget* widget = m_fieldWidgets[i];
        switch (field.Kind) {
        case Five_Tone_Field_Kind::Index:
            Set_Combo_From_Byte(static_cast<QComboBox*>(widget), block, 2 * field.Offset);
            break;
        case Five_Tone_Field_Kind::Mask: {
            const int mask = Hex_Byte_Or_Zero(block, 2 * field.Offset);
            for (int bit = 0; bit < m_maskBoxes.size(); ++bit)
                m_maskBoxes[bit]->setChecked(mask & (1 << bit));
            break;
        }
        case Five_Tone_Field_Kind::Code:
        case Five_Tone_Field_Kind::Name:
            Show_Stored_Text(static_cast<QLineEdit*>(widget), Five_Tone_Field_Text(field, block));
            break;
        }
    }

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

    const QVector<Five_Tone_Field>& fields = Five_Tone_Fields();
    for (int i = 0; i < fields.size(); ++i) {
        const Five_Tone_Field& field = fields[i];
        QWidget* widget = m_fieldWidgets[i];
        switch (field.Kind) {
        case Five_Tone_Field_Kind::Index:
            Put_Combo_Byte(block, field.Offset, static_cast<QComboBox*>(widget));
            break;
        case Five_Tone_Field_Kind::Mask: {
            int mask = 0;
            for (int bit = 0; bit < m_maskBoxes.size(); ++bit) {
                if (m_maskBoxes[bit]->isChecked())
                    mask |= 1 << bit;
            }
            Replace_Hex_Field(block, field.Offset, 1, Byte_To_Hex(mask));
            break;
        }
        case Five_Tone_Field_Kind::Code:
        case Five_Tone_Field_Kind::Name:
            Replace_Hex_Field(block, field.Offset, field.Width,
                              Five_Tone_Field_Hex(field, static_cast<QLineEdit*>(widget)->text()));
            break;
        }
    }

    block = block.toUpper();
    Read_Wirte_Temp_File->Write_String_To_Ram_File(Block_Addr, block);
}
