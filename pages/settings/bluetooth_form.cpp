#include "pages/settings/bluetooth_form.h"

#include "ui_bluetooth_form.h"

#include "pages/settings/settings_block_layout.h"

#include <QDebug>

// The rows on screen run 0x40, 0x42, 0x41, 0x44, 0x43: the widget numbers
// follow the screen, not the bytes.
const Field_Map<BLUETOOTH_FORM, Ui_BLUETOOTH_FORM>& BLUETOOTH_FORM::Fields()
{
    using Map = Field_Map<BLUETOOTH_FORM, Ui_BLUETOOTH_FORM>;
    using Ui = Ui_BLUETOOTH_FORM;
    using Page = BLUETOOTH_FORM;
    using namespace Settings_Block::Bluetooth;
    using Settings_Block::Block;
    const char* const context = "BLUETOOTH_FORM";
    static const Map map(
        {
            {&Page::OFF_ON_StringList, {context, Settings_Lists::Bluetooth_Off_On}},
            {&Page::BT_MIC_GAIN_StringList, {context, Settings_Lists::Bluetooth_Gain}},
            {&Page::BT_SPEAKER_GAIN_StringList, {context, Settings_Lists::Bluetooth_Gain}},
        },
        {
            Map::List_Row(Block, On_Off, &Ui::comboBox_0, &Page::OFF_ON_StringList),
            Map::List_Row(Block, Own_Mic_Control, &Ui::comboBox_2, &Page::OFF_ON_StringList),
            Map::List_Row(Block, Own_Speaker_Control, &Ui::comboBox_1, &Page::OFF_ON_StringList),
            Map::List_Row(Block, Bt_Mic_Gain, &Ui::comboBox_4, &Page::BT_MIC_GAIN_StringList),
            Map::List_Row(Block, Bt_Speaker_Gain, &Ui::comboBox_3, &Page::BT_SPEAKER_GAIN_StringList),
        });
    return map;
}

const Field_Layout& BLUETOOTH_FORM::Layout()
{
    return Fields().Layout();
}

BLUETOOTH_FORM::BLUETOOTH_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(new Ui::BLUETOOTH_FORM)
    , m_frame(this, *ui, Fields())
{
    if (build == Page_Build::Now)
        Build_Page();
}

void BLUETOOTH_FORM::Build_Page()
{
    m_frame.Build();
}

BLUETOOTH_FORM::~BLUETOOTH_FORM() = default;

void BLUETOOTH_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "BLUETOOTH_FORM::Set_Windows_Data_From_SP_Read";
    m_frame.Decode(*Read_Wirte_Temp_File);
}

void BLUETOOTH_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "BLUETOOTH_FORM::Get_Windows_Data_To_SP_Write";
    m_frame.Encode(*Read_Wirte_Temp_File);
}

void BLUETOOTH_FORM::RetranslatePage()
{
    m_frame.Retranslate();
}

void BLUETOOTH_FORM::FillComboLists()
{
    m_frame.Fill_Lists();
}
