#include "pages/signalling/dtmf_form.h"

DTMF_FORM::DTMF_FORM(QWidget* parent)
    : QWidget(parent)
{
}

void DTMF_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void DTMF_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void DTMF_FORM::RetranslatePage()
{
}
