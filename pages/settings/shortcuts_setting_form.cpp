#include "pages/settings/shortcuts_setting_form.h"

#include "ui_shortcuts_setting_form.h"

#include "pages/settings/settings_block_layout.h"

#include <QDebug>

SHORTCUTS_SETTING_FORM::SHORTCUTS_SETTING_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(new Ui::SHORTCUTS_SETTING_FORM)
{
    if (build == Page_Build::Now)
        Build_Page();
}

void SHORTCUTS_SETTING_FORM::Build_Page()
{
    if (m_built)
        return;
    m_built = true;
    ui->setupUi(this);
    Bind_Rows();
    ui->retranslateUi(this);
    FillComboLists();
}

SHORTCUTS_SETTING_FORM::~SHORTCUTS_SETTING_FORM() = default;

void SHORTCUTS_SETTING_FORM::Bind_Rows()
{
    using namespace Settings_Block::Keys;
    const Byte_Kind<QComboBox> index = Combo_Index_Byte();
    // The lock group's second row (type) carries the higher widget number.
    m_rows = {
        {Side_Key_1_Short, 1, index, ui->comboBox_1},
        {Side_Key_1_Long, 1, index, ui->comboBox_2},
        {Side_Key_2_Short, 1, index, ui->comboBox_3},
        {Side_Key_2_Long, 1, index, ui->comboBox_4},
        {Top_Key_Short, 1, index, ui->comboBox_5},
        {Top_Key_Long, 1, index, ui->comboBox_6},
        {Auto_Lock, 1, index, ui->comboBox_7},
        {Lock_Type, 1, index, ui->comboBox_9},
        {Lock_Delay, 1, index, ui->comboBox_8},
    };
}

void SHORTCUTS_SETTING_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "SHORTCUTS_SETTING_FORM::Set_Windows_Data_From_SP_Read";
    Decode_Settings_Rows(Read_Wirte_Temp_File, m_rows);
}

void SHORTCUTS_SETTING_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "SHORTCUTS_SETTING_FORM::Get_Windows_Data_To_SP_Write";
    Encode_Settings_Rows(Read_Wirte_Temp_File, m_rows);
}

void SHORTCUTS_SETTING_FORM::RetranslatePage()
{
    ui->retranslateUi(this);
    FillComboLists();
}

void SHORTCUTS_SETTING_FORM::FillComboLists()
{
    AUTO_LOCK_StringList = Settings_Lists::Translate_List("SHORTCUTS_SETTING_FORM", Settings_Lists::Auto_Lock());
    LOCK_TYPE_StringList = Settings_Lists::Translate_List("SHORTCUTS_SETTING_FORM", Settings_Lists::Lock_Type());
    LOCK_DELAY_StringList = Settings_Lists::Translate_List("SHORTCUTS_SETTING_FORM", Settings_Lists::Lock_Delay());
    KEY_SHORT_PRESS_StringList = Settings_Lists::Translate_List("SHORTCUTS_SETTING_FORM", Settings_Lists::Key_Short_Press());
    KEY_LONG_PRESS_StringList = Settings_Lists::Translate_List("SHORTCUTS_SETTING_FORM", Settings_Lists::Key_Long_Press());

    Fill_Combo_Lists({
        {ui->comboBox_1, &KEY_SHORT_PRESS_StringList},
        {ui->comboBox_2, &KEY_LONG_PRESS_StringList},
        {ui->comboBox_3, &KEY_SHORT_PRESS_StringList},
        {ui->comboBox_4, &KEY_LONG_PRESS_StringList},
        {ui->comboBox_5, &KEY_SHORT_PRESS_StringList},
        {ui->comboBox_6, &KEY_LONG_PRESS_StringList},
        {ui->comboBox_7, &AUTO_LOCK_StringList},
        {ui->comboBox_9, &LOCK_TYPE_StringList},
        {ui->comboBox_8, &LOCK_DELAY_StringList},
    });
}
