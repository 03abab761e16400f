#include "pages/settings/bluetooth_form.h"

BLUETOOTH_FORM::BLUETOOTH_FORM(QWidget* parent)
    : QWidget(parent)
{
}

void BLUETOOTH_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void BLUETOOTH_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void BLUETOOTH_FORM::RetranslatePage()
{
}
