#include "pages/signalling/dtmf_form.h"
#include "ui_dtmf_form.h"

#include "image/data_file_read_write.h"
#include "image/hex_text.h"
#include "pages/signalling/code_text.h"
#include "pages/signalling/dtmf_layout.h"
#include "widgets/combobyte.h"
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
    , ui(new Ui::DTMF_FORM)
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
    ui->retranslateUi(this);
    FillComboLists();
    Set_Line_Edit_Validators();
}

DTMF_FORM::~DTMF_FORM()
{
    delete ui;
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
    for (const Dtmf_Field& field : Dtmf_Block_Fields()) {
        if (field.Kind != Dtmf_Field_Kind::Code_Text)
            continue;
        if (auto* lineEdit = findChild<QLineEdit*>(QLatin1String(field.Widget)))
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
    // text or index 0.
    const QString block
        = Read_Wirte_Temp_File->Read_String_From_Ram_File(Dtmf_Layout::Block_Addr, Dtmf_Layout::Block_Size);

    for (const Dtmf_Field& field : Dtmf_Block_Fields()) {
        const QLatin1String name(field.Widget);
        if (field.Kind == Dtmf_Field_Kind::Index_Byte) {
            if (auto* combo = findChild<QComboBox*>(name))
                Set_Combo_From_Byte(combo, block, 2 * field.Offset);
        } else if (auto* lineEdit = findChild<QLineEdit*>(name)) {
            // A text longer than the field takes is cut to its maximum length.
            Show_Stored_Text(lineEdit, Hex_String_To_Code_String(block.mid(2 * field.Offset, 2 * field.Width)));
        }
    }
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

    for (const Dtmf_Field& field : Dtmf_Block_Fields()) {
        const QLatin1String name(field.Widget);
        if (field.Kind == Dtmf_Field_Kind::Index_Byte) {
            if (auto* combo = findChild<QComboBox*>(name))
                Put_Combo_Byte(block, field.Offset, combo);
        } else if (auto* lineEdit = findChild<QLineEdit*>(name)) {
            // The text as it stands: the shell finishes the edit in progress
            // first. Lower-case letters are stored in upper case.
            const QString code = lineEdit->text().left(field.Width);
            Replace_Hex_Field(block, field.Offset, field.Width, Code_String_To_Hex_String(code, field.Width));
        }
    }

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
