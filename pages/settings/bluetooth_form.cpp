#include "pages/settings/bluetooth_form.h"

#include "ui_bluetooth_form.h"

#include "pages/settings/settings_block_layout.h"

#include <QDebug>

BLUETOOTH_FORM::BLUETOOTH_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(new Ui::BLUETOOTH_FORM)
{
    if (build == Page_Build::Now)
        Build_Page();
}

void BLUETOOTH_FORM::Build_Page()
{
    if (m_built)
        return;
    m_built = true;
    ui->setupUi(this);
    Bind_Rows();
    RetranslatePage();
}

BLUETOOTH_FORM::~BLUETOOTH_FORM() = default;

void BLUETOOTH_FORM::Bind_Rows()
{
    using namespace Settings_Block::Bluetooth;
    const Byte_Kind<QComboBox> index = Combo_Index_Byte();
    // The rows on screen run 64, 66, 65, 68, 67: the widget numbers follow
    // the screen, not the bytes.
    m_rows = {
        {On_Off, 1, index, ui->comboBox_0},
        {Own_Mic_Control, 1, index, ui->comboBox_2},
        {Own_Speaker_Control, 1, index, ui->comboBox_1},
        {Bt_Mic_Gain, 1, index, ui->comboBox_4},
        {Bt_Speaker_Gain, 1, index, ui->comboBox_3},
    };
}

void BLUETOOTH_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "BLUETOOTH_FORM::Set_Windows_Data_From_SP_Read";
    Decode_Settings_Rows(Read_Wirte_Temp_File, m_rows);
}

void BLUETOOTH_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "BLUETOOTH_FORM::Get_Windows_Data_To_SP_Write";
    Encode_Settings_Rows(Read_Wirte_Temp_File, m_rows);
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

    Fill_Combo_Lists({
        {ui->comboBox_0, &OFF_ON_StringList},
        {ui->comboBox_1, &OFF_ON_StringList},
        {ui->comboBox_2, &OFF_ON_StringList},
        {ui->comboBox_4, &BT_MIC_GAIN_StringList},
        {ui->comboBox_3, &BT_SPEAKER_GAIN_StringList},
    });
}
