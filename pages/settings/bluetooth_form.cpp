#include "pages/settings/bluetooth_form.h"

#include "ui_bluetooth_form.h"

#include "image/data_file_read_write.h"
#include "pages/settings/settings_block_layout.h"
#include "widgets/combobyte.h"

#include <QDebug>

BLUETOOTH_FORM::BLUETOOTH_FORM(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::BLUETOOTH_FORM)
{
    ui->setupUi(this);
    RetranslatePage();
}

BLUETOOTH_FORM::~BLUETOOTH_FORM() = default;

QList<BLUETOOTH_FORM::Combo_Row> BLUETOOTH_FORM::Combo_Rows() const
{
    using namespace Settings_Block::Bluetooth;
    // The rows on screen run 64, 66, 65, 68, 67: the widget numbers follow
    // the screen, not the bytes.
    return {
        {On_Off, ui->comboBox_0},
        {Own_Mic_Control, ui->comboBox_2},
        {Own_Speaker_Control, ui->comboBox_1},
        {Bt_Mic_Gain, ui->comboBox_4},
        {Bt_Speaker_Gain, ui->comboBox_3},
    };
}

void BLUETOOTH_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "BLUETOOTH_FORM::Set_Windows_Data_From_SP_Read";
    // A missing region reads as an empty text: every byte then reads as 0.
    const QString region = Read_Wirte_Temp_File->Read_String_From_Ram_File(Settings_Block::Addr, Settings_Block::Size);
    for (const Combo_Row& row : Combo_Rows())
        Set_Combo_From_Byte(row.Combo, region, 2 * row.Byte);
}

void BLUETOOTH_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "BLUETOOTH_FORM::Get_Windows_Data_To_SP_Write";
    QString region = Read_Wirte_Temp_File->Read_String_From_Ram_File(Settings_Block::Addr, Settings_Block::Size);
    if (!Settings_Block::Is_Whole_Region(region))
        return;
    for (const Combo_Row& row : Combo_Rows())
        Put_Combo_Byte(region, row.Byte, row.Combo);
    region = region.toUpper();
    Read_Wirte_Temp_File->Write_String_To_Ram_File(Settings_Block::Addr, region);
}

void BLUETOOTH_FORM::RetranslatePage()
{
    ui->retranslateUi(this);
    FillComboLists();
}

void BLUETOOTH_FORM::FillComboLists()
{
    OFF_ON_StringList = Settings_Lists::Translate_List("BLUETOOTH_FORM", Settings_Lists::Bluetooth_Off_On());
    BT_MIC_GAIN_StringList = Settings_Lists::Translate_List("BLUETOOTH_FORM", Settings_Lists::Bluetooth_Gain());
    BT_SPEAKER_GAIN_StringList = Settings_Lists::Translate_List("BLUETOOTH_FORM", Settings_Lists::Bluetooth_Gain());

    const QList<QPair<QComboBox*, const QStringList*>> fills = {
        {ui->comboBox_0, &OFF_ON_StringList},
        {ui->comboBox_1, &OFF_ON_StringList},
        {ui->comboBox_2, &OFF_ON_StringList},
        {ui->comboBox_4, &BT_MIC_GAIN_StringList},
        {ui->comboBox_3, &BT_SPEAKER_GAIN_StringList},
    };
    for (const auto& fill : fills) {
        fill.first->clear();
        fill.first->addItems(*fill.second);
    }
}
