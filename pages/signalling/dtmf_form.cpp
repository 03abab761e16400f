#include "pages/signalling/dtmf_form.h"
#include "ui_dtmf_form.h"

#include "image/data_file_read_write.h"
#include "pages/signalling/code_text.h"
#include "pages/signalling/dtmf_layout.h"
#include "widgets/field_validator.h"

#include <QDebug>

namespace {

// Appends "<from><unit>" to "<to><unit>" in steps of `step`.
void Append_Steps(QStringList& list, int from, int to, int step, const char* unit)
{
    for (int value = from; value <= to; value += step)
        list.append(QString::number(value) + QLatin1String(unit));
}

// Clears `list` and the combo boxes it feeds, fills it and hands it to them.
void Fill_List(QStringList& list, const QStringList& texts, std::initializer_list<QComboBox*> combos)
{
    list.clear();
    for (QComboBox* combo : combos)
        combo->clear();
    list.append(texts);
    for (QComboBox* combo : combos)
        combo->insertItems(combo->count(), list);
}

} // namespace

DTMF_FORM::DTMF_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DTMF_FORM>())
{
    if (build == Page_Build::Now)
        Build_Page();
}

void DTMF_FORM::Build_Page()
{
    if (m_built)
        return;
    m_built = true;
    ui->setupUi(this);
    Bind_Rows();
    ui->retranslateUi(this);
    FillComboLists();
    Set_Line_Edit_Validators();
}

DTMF_FORM::~DTMF_FORM() = default;

void DTMF_FORM::Bind_Rows()
{
    using namespace Dtmf_Layout;
    const Byte_Kind<QComboBox> index = Combo_Index_Byte();
    // One byte per character, 0x00 to the end of the slot.
    const Byte_Kind<QLineEdit> code = Text_Field(Code_Slot_Text, Code_Slot_Hex);

    m_rows = {
        {Own_Id_Offset, Own_Id_Size, code, ui->lineEdit_3},
        {Separator_Byte, 1, index, ui->comboBox_2},
        {Group_Call_Code_Byte, 1, index, ui->comboBox_3},
        {Dialer_Type_Byte, 1, index, ui->comboBox_13},
        {Side_Tone_Byte, 1, index, ui->comboBox_7},
        {Send_Time_Byte, 1, index, ui->comboBox_1},
        {First_Digit_Time_Byte, 1, index, ui->comboBox_6},
        {Pre_Carrier_Time_Byte, 1, index, ui->comboBox_8},
        {Delay_After_Sending_Byte, 1, index, ui->comboBox_9},
        {D_Code_Pause_Byte, 1, index, ui->comboBox_11},
        {Ptt_Id_Pause_Byte, 1, index, ui->comboBox_10},
        {Decode_Response_Byte, 1, index, ui->comboBox_4},
        {Auto_Reset_Time_Byte, 1, index, ui->comboBox_5},
        {Ani_Display_Byte, 1, index, ui->comboBox_12},
        {Kill_Code_Offset, Code_Slot_Size, code, ui->lineEdit_6},
        {Stun_Code_Offset, Code_Slot_Size, code, ui->lineEdit_7},
        {Wake_Code_Offset, Code_Slot_Size, code, ui->lineEdit_8},
    };

    QLineEdit* const memories[Code_Memory_Count] = {
        ui->lineEdit_40, ui->lineEdit_41, ui->lineEdit_42, ui->lineEdit_43, ui->lineEdit_44, ui->lineEdit_45,
        ui->lineEdit_46, ui->lineEdit_47, ui->lineEdit_48, ui->lineEdit_49, ui->lineEdit_50, ui->lineEdit_51,
        ui->lineEdit_52, ui->lineEdit_53, ui->lineEdit_54, ui->lineEdit_55};
    for (int k = 0; k < Code_Memory_Count; ++k)
        m_rows.append({Code_Memory_Offset + Code_Slot_Size * k, Code_Slot_Size, code, memories[k]});

    // PTT ID row r: type, begin code, end code.
    const struct {
        QComboBox* Type;
        QLineEdit* Begin;
        QLineEdit* End;
    } ptt[Ptt_Id_Row_Count] = {
        {ui->comboBox_14, ui->lineEdit_56, ui->lineEdit_57}, {ui->comboBox_15, ui->lineEdit_58, ui->lineEdit_59},
        {ui->comboBox_16, ui->lineEdit_60, ui->lineEdit_61}, {ui->comboBox_17, ui->lineEdit_62, ui->lineEdit_63},
        {ui->comboBox_18, ui->lineEdit_64, ui->lineEdit_65}, {ui->comboBox_19, ui->lineEdit_66, ui->lineEdit_67},
        {ui->comboBox_20, ui->lineEdit_68, ui->lineEdit_69}, {ui->comboBox_21, ui->lineEdit_70, ui->lineEdit_71}};
    for (int r = 0; r < Ptt_Id_Row_Count; ++r) {
        const int row = Ptt_Id_Offset + Ptt_Id_Row_Size * r;
        m_rows.append({row, 1, index, ptt[r].Type});
        m_rows.append({row + 1, Code_Slot_Size, code, ptt[r].Begin});
        m_rows.append({row + 1 + Code_Slot_Size, Code_Slot_Size, code, ptt[r].End});
    }
}

void DTMF_FORM::RetranslatePage()
{
    ui->retranslateUi(this);
    FillComboLists();
}

void DTMF_FORM::FillComboLists()
{
    QStringList texts;

    Append_Steps(texts, 0, 10, 1, "S");
    Append_Steps(texts, 12, 20, 2, "S");
    Append_Steps(texts, 25, 50, 5, "S");
    Append_Steps(texts, 60, 100, 10, "S");
    Append_Steps(texts, 120, 200, 20, "S");
    Append_Steps(texts, 225, 300, 25, "S");
    Fill_List(AUTO_RESET_TIME_StringList, texts, {ui->comboBox_5});

    texts = QStringList{QStringLiteral("50ms"), QStringLiteral("75ms"), QStringLiteral("100ms"),
                        QStringLiteral("200ms"), QStringLiteral("300ms"), QStringLiteral("500ms")};
    Fill_List(DTMF_SEND_TIME_StringList, texts, {ui->comboBox_1});

    texts.clear();
    Append_Steps(texts, 0, 2500, 50, "ms");
    Fill_List(FIRST_DIGIT_TIME_StringList, texts, {ui->comboBox_6});

    texts.clear();
    Append_Steps(texts, 10, 100, 10, "ms");
    Append_Steps(texts, 120, 200, 20, "ms");
    Append_Steps(texts, 225, 300, 25, "ms");
    Append_Steps(texts, 350, 500, 50, "ms");
    Append_Steps(texts, 600, 2500, 100, "ms");
    Fill_List(CARRIER_TIME_StringList, texts, {ui->comboBox_8, ui->comboBox_9});

    // Shown as it stands in every language, "关闭" included.
    texts = QStringList{QStringLiteral("关闭")};
    Append_Steps(texts, 1, 15, 1, "S");
    Fill_List(D_CODE_PAUSE_StringList, texts, {ui->comboBox_11});

    texts.clear();
    Append_Steps(texts, 0, 10, 1, "S");
    Append_Steps(texts, 12, 20, 2, "S");
    Append_Steps(texts, 25, 100, 5, "S");
    Fill_List(PTT_ID_PAUSE_StringList, texts, {ui->comboBox_10});

    Fill_List(SIDE_TONE_StringList, {tr("关闭"), tr("打开")}, {ui->comboBox_7});
    Fill_List(DIALER_TYPE_StringList, {tr("手动"), tr("自动")}, {ui->comboBox_13});
    Fill_List(PTT_ID_TYPE_StringList, {tr("关闭"), tr("发射开始"), tr("发射结束"), tr("开始结束")},
              {ui->comboBox_14, ui->comboBox_15, ui->comboBox_16, ui->comboBox_17, ui->comboBox_18,
               ui->comboBox_19, ui->comboBox_20, ui->comboBox_21});
    Fill_List(ANI_DISPLAY_StringList, {tr("关闭"), tr("匹配ID"), tr("任意ID")}, {ui->comboBox_12});
    Fill_List(DECODE_RESPONSE_StringList, {tr("无"), tr("提示音"), tr("提示音并回复")}, {ui->comboBox_4});
}

void DTMF_FORM::Set_Line_Edit_Validators()
{
    // Both accept the empty text, so an emptied field still finishes its edit.
    const Field_Rule code(QStringLiteral("^[0-9abcdefABCDEF*#]*$"), Field_Rule::Storage::Single_Byte);
    const Field_Rule digits(QStringLiteral("^[0-9]*$"), Field_Rule::Storage::Single_Byte);
    for (const Byte_Row& row : m_rows) {
        if (auto* lineEdit = qobject_cast<QLineEdit*>(row.Widget))
            Apply_Field_Rule(lineEdit, lineEdit == ui->lineEdit_3 ? digits : code);
    }
}

void DTMF_FORM::on_Dtmf_Memory_lineEdit_editingFinished(QLineEdit* lineEdit)
{
    // A code the user has not touched stays as it was loaded ("E" and "F" too).
    if (lineEdit->isModified())
        lineEdit->setText(Dtmf_Code_Field_Rule(lineEdit->text()));
}

void DTMF_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "DTMF_FORM::Set_Windows_Data_From_SP_Read";
    // Empty when the image lacks the block: every field then reads as empty
    // text or index 0. A text longer than its field takes is cut to the
    // field's maximum length.
    const QString block
        = Read_Wirte_Temp_File->Read_String_From_Ram_File(Dtmf_Layout::Block_Addr, Dtmf_Layout::Block_Size);
    Show_Rows(m_rows, block);
}

void DTMF_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "DTMF_FORM::Get_Windows_Data_To_SP_Write";
    QString block
        = Read_Wirte_Temp_File->Read_String_From_Ram_File(Dtmf_Layout::Block_Addr, Dtmf_Layout::Block_Size);
    // Only a whole block is rewritten; a missing or partly present one stays
    // as it is.
    if (block.size() != 2 * Dtmf_Layout::Block_Size)
        return;

    // The texts as they stand: the shell finishes the edit in progress first.
    // Lower-case letters are stored in upper case.
    Store_Rows(m_rows, block);

    block = block.toUpper();
    Read_Wirte_Temp_File->Write_String_To_Ram_File(Dtmf_Layout::Block_Addr, block);
}

// Each field applies the code-field rule when its editing finishes; the
// settings and code-memory fields also name themselves on the debug stream.
void DTMF_FORM::on_lineEdit_3_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_3); }
void DTMF_FORM::on_lineEdit_6_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_6); }
void DTMF_FORM::on_lineEdit_7_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_7); }
void DTMF_FORM::on_lineEdit_8_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_8); }
void DTMF_FORM::on_lineEdit_40_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_40); }
void DTMF_FORM::on_lineEdit_41_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_41); }
void DTMF_FORM::on_lineEdit_42_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_42); }
void DTMF_FORM::on_lineEdit_43_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_43); }
void DTMF_FORM::on_lineEdit_44_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_44); }
void DTMF_FORM::on_lineEdit_45_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_45); }
void DTMF_FORM::on_lineEdit_46_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_46); }
void DTMF_FORM::on_lineEdit_47_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_47); }
void DTMF_FORM::on_lineEdit_48_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_48); }
void DTMF_FORM::on_lineEdit_49_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_49); }
void DTMF_FORM::on_lineEdit_50_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_50); }
void DTMF_FORM::on_lineEdit_51_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_51); }
void DTMF_FORM::on_lineEdit_52_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_52); }
void DTMF_FORM::on_lineEdit_53_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_53); }
void DTMF_FORM::on_lineEdit_54_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_54); }
void DTMF_FORM::on_lineEdit_55_editingFinished() { qDebug() << __func__; on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_55); }

// PTT ID codes: begin lineEdit_(56+2r), end lineEdit_(57+2r); no debug line.
void DTMF_FORM::on_lineEdit_56_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_56); }
void DTMF_FORM::on_lineEdit_57_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_57); }
void DTMF_FORM::on_lineEdit_58_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_58); }
void DTMF_FORM::on_lineEdit_59_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_59); }
void DTMF_FORM::on_lineEdit_60_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_60); }
void DTMF_FORM::on_lineEdit_61_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_61); }
void DTMF_FORM::on_lineEdit_62_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_62); }
void DTMF_FORM::on_lineEdit_63_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_63); }
void DTMF_FORM::on_lineEdit_64_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_64); }
void DTMF_FORM::on_lineEdit_65_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_65); }
void DTMF_FORM::on_lineEdit_66_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_66); }
void DTMF_FORM::on_lineEdit_67_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_67); }
void DTMF_FORM::on_lineEdit_68_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_68); }
void DTMF_FORM::on_lineEdit_69_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_69); }
void DTMF_FORM::on_lineEdit_70_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_70); }
void DTMF_FORM::on_lineEdit_71_editingFinished() { on_Dtmf_Memory_lineEdit_editingFinished(ui->lineEdit_71); }
