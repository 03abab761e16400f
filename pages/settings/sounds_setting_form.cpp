#include "pages/settings/sounds_setting_form.h"

#include "ui_sounds_setting_form.h"

#include "pages/settings/settings_block_layout.h"

#include <QDebug>

const Field_Map<SOUNDS_SETTING_FORM, Ui_SOUNDS_SETTING_FORM>& SOUNDS_SETTING_FORM::Fields()
{
    using Map = Field_Map<SOUNDS_SETTING_FORM, Ui_SOUNDS_SETTING_FORM>;
    using Ui = Ui_SOUNDS_SETTING_FORM;
    using Page = SOUNDS_SETTING_FORM;
    using namespace Settings_Block::Audio;
    using Settings_Block::Block;
    const char* const context = "SOUNDS_SETTING_FORM";
    static const Map map(
        {
            {&Page::VOICE_TYPE_StringList, {context, Settings_Lists::Voice_Type}},
            {&Page::AI_SENSITIVITY_StringList, {context, Settings_Lists::Ai_Sensitivity}},
            {&Page::AI_DELAY_StringList, {context, Settings_Lists::Ai_Delay}},
            {&Page::VOICE_VOLUME_StringList, {context, Settings_Lists::Voice_Volume}},
            {&Page::TONE_VOLUME_StringList, {context, Settings_Lists::Tone_Volume}},
            {&Page::CALL_TONE_StringList, {context, Settings_Lists::Call_Tone}},
            {&Page::MIC_GAIN_StringList, {context, Settings_Lists::Mic_Gain}},
            {&Page::OFF_ON_StringList, {context, Settings_Lists::Audio_Off_On}},
        },
        {
            Map::Switch_Row(Block, Voice_Announce, &Ui::checkBox_2),
            Map::Switch_Row(Block, Tone_Master, &Ui::checkBox),
            Map::Switch_Row(Block, Ai_Noise_Reduction, &Ui::checkBox_6),
            Map::Switch_Row(Block, Ai_Voice_Control, &Ui::checkBox_7),
            Map::List_Row(Block, Voice_Type, &Ui::comboBox_3, &Page::VOICE_TYPE_StringList),
            Map::List_Row(Block, Voice_Volume, &Ui::comboBox_5, &Page::VOICE_VOLUME_StringList),
            Map::List_Row(Block, Key_Beep, &Ui::comboBox_13, &Page::OFF_ON_StringList),
            Map::List_Row(Block, Low_Battery_Tone, &Ui::comboBox_11, &Page::OFF_ON_StringList),
            Map::List_Row(Block, Tone_Volume, &Ui::comboBox_4, &Page::TONE_VOLUME_StringList),
            Map::List_Row(Block, Call_Tone, &Ui::comboBox_8, &Page::CALL_TONE_StringList),
            Map::List_Row(Block, Mic_Gain, &Ui::comboBox_9, &Page::MIC_GAIN_StringList),
            Map::List_Row(Block, Power_On_Tone, &Ui::comboBox_10, &Page::OFF_ON_StringList),
            Map::List_Row(Block, Tx_Timeout_Tone, &Ui::comboBox_12, &Page::OFF_ON_StringList),
            Map::List_Row(Block, Ai_Sensitivity, &Ui::comboBox_6, &Page::AI_SENSITIVITY_StringList),
            Map::List_Row(Block, Ai_Delay, &Ui::comboBox_7, &Page::AI_DELAY_StringList),
        });
    return map;
}

const Field_Layout& SOUNDS_SETTING_FORM::Layout()
{
    return Fields().Layout();
}

SOUNDS_SETTING_FORM::SOUNDS_SETTING_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(new Ui::SOUNDS_SETTING_FORM)
    , m_frame(this, *ui, Fields())
{
    if (build == Page_Build::Now)
        Build_Page();
}

void SOUNDS_SETTING_FORM::Build_Page()
{
    m_frame.Build([this] { Hide_Rows(); });
}

SOUNDS_SETTING_FORM::~SOUNDS_SETTING_FORM() = default;

void SOUNDS_SETTING_FORM::Hide_Rows()
{
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

void SOUNDS_SETTING_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "SOUNDS_SETTING_FORM::Set_Windows_Data_From_SP_Read";
    m_frame.Decode(*Read_Wirte_Temp_File);
}

void SOUNDS_SETTING_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "SOUNDS_SETTING_FORM::Get_Windows_Data_To_SP_Write";
    m_frame.Encode(*Read_Wirte_Temp_File);
}

void SOUNDS_SETTING_FORM::RetranslatePage()
{
    m_frame.Retranslate();
}

void SOUNDS_SETTING_FORM::FillComboLists()
{
    m_frame.Fill_Lists();
}
