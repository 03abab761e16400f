#include "pages/signalling/two_tone_form.h"

TWO_TONE_FORM::TWO_TONE_FORM(QWidget* parent)
    : QWidget(parent)
{
}

void TWO_TONE_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void TWO_TONE_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* /*Read_Wirte_Temp_File*/)
{
}

void TWO_TONE_FORM::RetranslatePage()
{
}
