#pragma once

#include <QWidget>

class DATA_FILE_READ_WRITE;

// Placeholder until the page is built: takes part in decode and encode
// without touching the image.
class SOUNDS_SETTING_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit SOUNDS_SETTING_FORM(QWidget* parent = nullptr);

    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();
};
