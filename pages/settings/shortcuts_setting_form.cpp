#include "pages/settings/shortcuts_setting_form.h"

#include "ui_shortcuts_setting_form.h"

#include "pages/settings/settings_block_layout.h"

#include <QDebug>

// The lock group's second row (type) carries the higher widget number.
const Field_Map<SHORTCUTS_SETTING_FORM, Ui_SHORTCUTS_SETTING_FORM>& SHORTCUTS_SETTING_FORM::Fields()
{
    using Map = Field_Map<SHORTCUTS_SETTING_FORM, Ui_SHORTCUTS_SETTING_FORM>;
    using Ui = Ui_SHORTCUTS_SETTING_FORM;
    using Page = SHORTCUTS_SETTING_FORM;
    using namespace Settings_Block::Keys;
    using Settings_Block::Block;
    const char* const context = "SHORTCUTS_SETTING_FORM";
    static const Map map(
        {
            {&Page::AUTO_LOCK_StringList, {context, Settings_Lists::Auto_Lock}},
            {&Page::LOCK_TYPE_StringList, {context, Settings_Lists::Lock_Type}},
            {&Page::LOCK_DELAY_StringList, {context, Settings_Lists::Lock_Delay}},
            {&Page::KEY_SHORT_PRESS_StringList, {context, Settings_Lists::Key_Short_Press}},
            {&Page::KEY_LONG_PRESS_StringList, {context, Settings_Lists::Key_Long_Press}},
        },
        {
            Map::List_Row(Block, Side_Key_1_Short, &Ui::comboBox_1, &Page::KEY_SHORT_PRESS_StringList),
            Map::List_Row(Block, Side_Key_1_Long, &Ui::comboBox_2, &Page::KEY_LONG_PRESS_StringList),
            Map::List_Row(Block, Side_Key_2_Short, &Ui::comboBox_3, &Page::KEY_SHORT_PRESS_StringList),
            Map::List_Row(Block, Side_Key_2_Long, &Ui::comboBox_4, &Page::KEY_LONG_PRESS_StringList),
            Map::List_Row(Block, Top_Key_Short, &Ui::comboBox_5, &Page::KEY_SHORT_PRESS_StringList),
            Map::List_Row(Block, Top_Key_Long, &Ui::comboBox_6, &Page::KEY_LONG_PRESS_StringList),
            Map::List_Row(Block, Auto_Lock, &Ui::comboBox_7, &Page::AUTO_LOCK_StringList),
            Map::List_Row(Block, Lock_Type, &Ui::comboBox_9, &Page::LOCK_TYPE_StringList),
            Map::List_Row(Block, Lock_Delay, &Ui::comboBox_8, &Page::LOCK_DELAY_StringList),
        });
    return map;
}

const Field_Layout& SHORTCUTS_SETTING_FORM::Layout()
{
    return Fields().Layout();
}

SHORTCUTS_SETTING_FORM::SHORTCUTS_SETTING_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(new Ui::SHORTCUTS_SETTING_FORM)
    , m_frame(this, *ui, Fields())
{
    if (build == Page_Build::Now)
        Build_Page();
}

void SHORTCUTS_SETTING_FORM::Build_Page()
{
    m_frame.Build();
}

SHORTCUTS_SETTING_FORM::~SHORTCUTS_SETTING_FORM() = default;

void SHORTCUTS_SETTING_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "SHORTCUTS_SETTING_FORM::Set_Windows_Data_From_SP_Read";
    m_frame.Decode(*Read_Wirte_Temp_File);
}

void SHORTCUTS_SETTING_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "SHORTCUTS_SETTING_FORM::Get_Windows_Data_To_SP_Write";
    m_frame.Encode(*Read_Wirte_Temp_File);
}

void SHORTCUTS_SETTING_FORM::RetranslatePage()
{
    m_frame.Retranslate();
}

void SHORTCUTS_SETTING_FORM::FillComboLists()
{
    m_frame.Fill_Lists();
}
