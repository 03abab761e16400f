#include "pages/signalling/dtmf_form.h"
#include "ui_dtmf_form.h"

#include "image/data_file_read_write.h"
#include "pages/signalling/code_text.h"
#include "pages/signalling/dtmf_layout.h"
#include "pages/signalling/dtmf_lists.h"
#include "widgets/field_validator.h"

#include <QDebug>

const Field_Map<DTMF_FORM, Ui_DTMF_FORM>& DTMF_FORM::Fields()
{
    using Map = Field_Map<DTMF_FORM, Ui_DTMF_FORM>;
    using Ui = Ui_DTMF_FORM;
    using Page = DTMF_FORM;
    using namespace Dtmf_Layout;
    const char* const context = "DTMF_FORM";
    // One byte per character, 0x00 to the end of the slot.
    const Map::Text_Codec code{Code_Slot_Text, Code_Slot_Hex};

    static const Map map = [&] {
        QVector<Map::Row> rows = {
            Map::Text_Row(Block, Own_Id_Offset, Own_Id_Size, &Ui::lineEdit_3, code),
            Map::Form_List_Row(Block, Separator_Byte, &Ui::comboBox_2),
            Map::Form_List_Row(Block, Group_Call_Code_Byte, &Ui::comboBox_3),
            Map::List_Row(Block, Dialer_Type_Byte, &Ui::comboBox_13, &Page::DIALER_TYPE_StringList),
            Map::List_Row(Block, Side_Tone_Byte, &Ui::comboBox_7, &Page::SIDE_TONE_StringList),
            Map::List_Row(Block, Send_Time_Byte, &Ui::comboBox_1, &Page::DTMF_SEND_TIME_StringList),
            Map::List_Row(Block, First_Digit_Time_Byte, &Ui::comboBox_6, &Page::FIRST_DIGIT_TIME_StringList),
            Map::List_Row(Block, Pre_Carrier_Time_Byte, &Ui::comboBox_8, &Page::CARRIER_TIME_StringList),
            Map::List_Row(Block, Delay_After_Sending_Byte, &Ui::comboBox_9, &Page::CARRIER_TIME_StringList),
            Map::List_Row(Block, D_Code_Pause_Byte, &Ui::comboBox_11, &Page::D_CODE_PAUSE_StringList),
            Map::List_Row(Block, Ptt_Id_Pause_Byte, &Ui::comboBox_10, &Page::PTT_ID_PAUSE_StringList),
            Map::List_Row(Block, Decode_Response_Byte, &Ui::comboBox_4, &Page::DECODE_RESPONSE_StringList),
            Map::List_Row(Block, Auto_Reset_Time_Byte, &Ui::comboBox_5, &Page::AUTO_RESET_TIME_StringList),
            Map::List_Row(Block, Ani_Display_Byte, &Ui::comboBox_12, &Page::ANI_DISPLAY_StringList),
            Map::Text_Row(Block, Kill_Code_Offset, Code_Slot_Size, &Ui::lineEdit_6, code),
            Map::Text_Row(Block, Stun_Code_Offset, Code_Slot_Size, &Ui::lineEdit_7, code),
            Map::Text_Row(Block, Wake_Code_Offset, Code_Slot_Size, &Ui::lineEdit_8, code),
        };

        QLineEdit* Ui::*const memories[Code_Memory_Count] = {
            &Ui::lineEdit_40, &Ui::lineEdit_41, &Ui::lineEdit_42, &Ui::lineEdit_43, &Ui::lineEdit_44, &Ui::lineEdit_45,
            &Ui::lineEdit_46, &Ui::lineEdit_47, &Ui::lineEdit_48, &Ui::lineEdit_49, &Ui::lineEdit_50, &Ui::lineEdit_51,
            &Ui::lineEdit_52, &Ui::lineEdit_53, &Ui::lineEdit_54, &Ui::lineEdit_55};
        for (int k = 0; k < Code_Memory_Count; ++k)
            rows.append(
                Map::Text_Row(Block, Code_Memory_Offset + Code_Slot_Size * k, Code_Slot_Size, memories[k], code));

        // PTT ID row r: type, begin code, end code.
        const struct {
            QComboBox* Ui::*Type;
            QLineEdit* Ui::*Begin;
            QLineEdit* Ui::*End;
        } ptt[Ptt_Id_Row_Count] = {
            {&Ui::comboBox_14, &Ui::lineEdit_56, &Ui::lineEdit_57},
            {&Ui::comboBox_15, &Ui::lineEdit_58, &Ui::lineEdit_59},
            {&Ui::comboBox_16, &Ui::lineEdit_60, &Ui::lineEdit_61},
            {&Ui::comboBox_17, &Ui::lineEdit_62, &Ui::lineEdit_63},
            {&Ui::comboBox_18, &Ui::lineEdit_64, &Ui::lineEdit_65},
            {&Ui::comboBox_19, &Ui::lineEdit_66, &Ui::lineEdit_67},
            {&Ui::comboBox_20, &Ui::lineEdit_68, &Ui::lineEdit_69},
            {&Ui::comboBox_21, &Ui::lineEdit_70, &Ui::lineEdit_71},
        };
        for (int r = 0; r < Ptt_Id_Row_Count; ++r) {
            const int row = Ptt_Id_Offset + Ptt_Id_Row_Size * r;
            rows.append(Map::List_Row(Block, row, ptt[r].Type, &Page::PTT_ID_TYPE_StringList));
            rows.append(Map::Text_Row(Block, row + 1, Code_Slot_Size, ptt[r].Begin, code));
            rows.append(Map::Text_Row(Block, row + 1 + Code_Slot_Size, Code_Slot_Size, ptt[r].End, code));
        }

        return Map(
            {
                {&Page::AUTO_RESET_TIME_StringList, Value_List(Dtmf_Lists::Auto_Reset_Times)},
                {&Page::DTMF_SEND_TIME_StringList, Value_List(Dtmf_Lists::Send_Times)},
                {&Page::FIRST_DIGIT_TIME_StringList, Value_List(Dtmf_Lists::First_Digit_Times)},
                {&Page::CARRIER_TIME_StringList, Value_List(Dtmf_Lists::Carrier_Times)},
                {&Page::D_CODE_PAUSE_StringList, Value_List(Dtmf_Lists::D_Code_Pauses)},
                {&Page::PTT_ID_PAUSE_StringList, Value_List(Dtmf_Lists::Ptt_Id_Pauses)},
                {&Page::SIDE_TONE_StringList, {context, Dtmf_Lists::Side_Tone}},
                {&Page::DIALER_TYPE_StringList, {context, Dtmf_Lists::Dialer_Type}},
                {&Page::PTT_ID_TYPE_StringList, {context, Dtmf_Lists::Ptt_Id_Type}},
                {&Page::ANI_DISPLAY_StringList, {context, Dtmf_Lists::Ani_Display}},
                {&Page::DECODE_RESPONSE_StringList, {context, Dtmf_Lists::Decode_Response}},
            },
            rows);
    }();
    return map;
}

const Field_Layout& DTMF_FORM::Layout()
{
    return Fields().Layout();
}

DTMF_FORM::DTMF_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DTMF_FORM>())
    , m_frame(this, *ui, Fields())
{
    if (build == Page_Build::Now)
        Build_Page();
}

void DTMF_FORM::Build_Page()
{
    m_frame.Build([this] { Set_Line_Edit_Validators(); });
}

DTMF_FORM::~DTMF_FORM() = default;

void DTMF_FORM::RetranslatePage()
{
    m_frame.Retranslate();
}

void DTMF_FORM::FillComboLists()
{
    m_frame.Fill_Lists();
}

void DTMF_FORM::Set_Line_Edit_Validators()
{
    // Both accept the empty text, so an emptied field still finishes its edit.
    const Field_Rule code(QStringLiteral("^[0-9abcdefABCDEF*#]*$"), Field_Rule::Storage::Single_Byte);
    const Field_Rule digits(QStringLiteral("^[0-9]*$"), Field_Rule::Storage::Single_Byte);
    for (const Byte_Row& row : m_frame.Rows()) {
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
    // Without the whole block every field reads as empty text or index 0. A
    // text longer than its field takes is cut to the field's maximum length.
    m_frame.Decode(*Read_Wirte_Temp_File);
}

void DTMF_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "DTMF_FORM::Get_Windows_Data_To_SP_Write";
    // The texts as they stand (the shell finishes the edit in progress
    // first); lower-case letters are stored in upper case. A missing or
    // partly present block stays as it is.
    m_frame.Encode(*Read_Wirte_Temp_File);
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
