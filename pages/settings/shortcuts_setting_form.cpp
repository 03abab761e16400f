#include "pages/settings/shortcuts_setting_form.h"

SHORTCUTS_SETTING_FORM::SHORTCUTS_SETTING_FORM(QWidget* parent)
    : QWidget(parent)
{
}

void SHORTCUTS_SETTING_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void SHORTCUTS_SETTING_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void SHORTCUTS_SETTING_FORM::RetranslatePage()
{
}
