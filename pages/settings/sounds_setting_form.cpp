#include "pages/settings/sounds_setting_form.h"

#include "ui_sounds_setting_form.h"

#include "pages/settings/settings_block_layout.h"

#include <QDebug>

SOUNDS_SETTING_FORM::SOUNDS_SETTING_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(new Ui::SOUNDS_SETTING_FORM)
{
    if (build == Page_Build::Now)
        Build_Page();
}

void SOUNDS_SETTING_FORM::Build_Page()
{
    if (m_built)
        return;
    m_built = true;
    ui->setupUi(this);
    Bind_Rows();
    ui->retranslateUi(this);
    FillComboLists();

    // Rows the radio does not offer: hidden, but still decoded and encoded.
    const QList<QWidget*> hiddenRows = {
        ui->label_3, ui->line_13,                    // voice announcement header
        ui->label_9, ui->checkBox_2, ui->line_8,     // announcement on/off
        ui->label_13, ui->comboBox_5, ui->line_10,   // announcement volume
        ui->label_8, ui->checkBox, ui->line_11,      // master switch of all tones
        ui->label_12, ui->comboBox_4, ui->line_15,   // tone volume
        ui->label_7, ui->comboBox_3, ui->line_16,    // announcement language
    };
    for (QWidget* w : hiddenRows)
        w->hide();
}

SOUNDS_SETTING_FORM::~SOUNDS_SETTING_FORM() = default;

void SOUNDS_SETTING_FORM::Bind_Rows()
{
    using namespace Settings_Block::Audio;
    const Byte_Kind<QCheckBox> on = Switch_Byte();
    const Byte_Kind<QComboBox> index = Combo_Index_Byte();
    m_rows = {
        {Voice_Announce, 1, on, ui->checkBox_2},
        {Tone_Master, 1, on, ui->checkBox},
        {Ai_Noise_Reduction, 1, on, ui->checkBox_6},
        {Ai_Voice_Control, 1, on, ui->checkBox_7},
        {Voice_Type, 1, index, ui->comboBox_3},
        {Voice_Volume, 1, index, ui->comboBox_5},
        {Key_Beep, 1, index, ui->comboBox_13},
        {Low_Battery_Tone, 1, index, ui->comboBox_11},
        {Tone_Volume, 1, index, ui->comboBox_4},
        {Call_Tone, 1, index, ui->comboBox_8},
        {Mic_Gain, 1, index, ui->comboBox_9},
        {Power_On_Tone, 1, index, ui->comboBox_10},
        {Tx_Timeout_Tone, 1, index, ui->comboBox_12},
        {Ai_Sensitivity, 1, index, ui->comboBox_6},
        {Ai_Delay, 1, index, ui->comboBox_7},
    };
}

void SOUNDS_SETTING_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "SOUNDS_SETTING_FORM::Set_Windows_Data_From_SP_Read";
    Decode_Settings_Rows(Read_Wirte_Temp_File, m_rows);
}

void SOUNDS_SETTING_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "SOUNDS_SETTING_FORM::Get_Windows_Data_To_SP_Write";
    Encode_Settings_Rows(Read_Wirte_Temp_File, m_rows);
}

void SOUNDS_SETTING_FORM::RetranslatePage()
{
    ui->retranslateUi(this);
    FillComboLists();
}

void SOUNDS_SETTING_FORM::FillComboLists()
{
    VOICE_TYPE_StringList = Settings_Lists::Translate_List("SOUNDS_SETTING_FORM", Settings_Lists::Voice_Type());
    AI_SENSITIVITY_StringList = Settings_Lists::Translate_List("SOUNDS_SETTING_FORM", Settings_Lists::Ai_Sensitivity());
    AI_DELAY_StringList = Settings_Lists::Translate_List("SOUNDS_SETTING_FORM", Settings_Lists::Ai_Delay());
    VOICE_VOLUME_StringList = Settings_Lists::Translate_List("SOUNDS_SETTING_FORM", Settings_Lists::Voice_Volume());
    TONE_VOLUME_StringList = Settings_Lists::Translate_List("SOUNDS_SETTING_FORM", Settings_Lists::Tone_Volume());
    CALL_TONE_StringList = Settings_Lists::Translate_List("SOUNDS_SETTING_FORM", Settings_Lists::Call_Tone());
    MIC_GAIN_StringList = Settings_Lists::Translate_List("SOUNDS_SETTING_FORM", Settings_Lists::Mic_Gain());
    OFF_ON_StringList = Settings_Lists::Translate_List("SOUNDS_SETTING_FORM", Settings_Lists::Audio_Off_On());

    Fill_Combo_Lists({
        {ui->comboBox_3, &VOICE_TYPE_StringList},
        {ui->comboBox_5, &VOICE_VOLUME_StringList},
        {ui->comboBox_4, &TONE_VOLUME_StringList},
        {ui->comboBox_6, &AI_SENSITIVITY_StringList},
        {ui->comboBox_7, &AI_DELAY_StringList},
        {ui->comboBox_8, &CALL_TONE_StringList},
        {ui->comboBox_9, &MIC_GAIN_StringList},
        {ui->comboBox_10, &OFF_ON_StringList},
        {ui->comboBox_11, &OFF_ON_StringList},
        {ui->comboBox_12, &OFF_ON_StringList},
        {ui->comboBox_13, &OFF_ON_StringList},
    });
}
