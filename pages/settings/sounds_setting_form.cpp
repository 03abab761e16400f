#include "pages/settings/sounds_setting_form.h"

SOUNDS_SETTING_FORM::SOUNDS_SETTING_FORM(QWidget* parent)
    : QWidget(parent)
{
}

void SOUNDS_SETTING_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void SOUNDS_SETTING_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void SOUNDS_SETTING_FORM::RetranslatePage()
{
}
