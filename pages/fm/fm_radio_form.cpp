#include "pages/fm/fm_radio_form.h"

FM_RADIO_FORM::FM_RADIO_FORM(QWidget* parent)
    : QWidget(parent)
{
}

void FM_RADIO_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void FM_RADIO_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void FM_RADIO_FORM::RetranslatePage()
{
}
