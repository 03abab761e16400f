#pragma once

#include "pages/settings/settings_rows.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class DATA_FILE_READ_WRITE;
class QComboBox;

namespace Ui {
class BLUETOOTH_FORM;
}

// The Bluetooth settings page: on/off, control of the radio's own microphone
// and speaker, and the Bluetooth microphone and speaker gain, five bytes of
// the settings block.
class BLUETOOTH_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit BLUETOOTH_FORM(QWidget* parent = nullptr);
    ~BLUETOOTH_FORM() override;

    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();

private:
    // The page's byte layout, shared by decoder and encoder.
    QList<Settings_Combo_Row> Combo_Rows() const;
    void FillComboLists();

    std::unique_ptr<Ui::BLUETOOTH_FORM> ui;
    QStringList OFF_ON_StringList;
    QStringList BT_MIC_GAIN_StringList;
    QStringList BT_SPEAKER_GAIN_StringList;
};
