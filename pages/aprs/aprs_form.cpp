#include "pages/aprs/aprs_form.h"

APRS_FORM::APRS_FORM(QWidget* parent)
    : QWidget(parent)
{
}

void APRS_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void APRS_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void APRS_FORM::RetranslatePage()
{
}
