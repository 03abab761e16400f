#include "pages/settings/shortcuts_setting_form.h"

#include "ui_shortcuts_setting_form.h"

#include "image/data_file_read_write.h"
#include "pages/settings/settings_block_layout.h"
#include "widgets/combobyte.h"

#include <QDebug>

SHORTCUTS_SETTING_FORM::SHORTCUTS_SETTING_FORM(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::SHORTCUTS_SETTING_FORM)
{
    ui->setupUi(this);
    ui->retranslateUi(this);
    FillComboLists();
}

SHORTCUTS_SETTING_FORM::~SHORTCUTS_SETTING_FORM() = default;

QList<SHORTCUTS_SETTING_FORM::Combo_Row> SHORTCUTS_SETTING_FORM::Combo_Rows() const
{
    using namespace Settings_Block::Keys;
    // The lock group's second row (type) carries the higher widget number.
    return {
        {Side_Key_1_Short, ui->comboBox_1},
        {Side_Key_1_Long, ui->comboBox_2},
        {Side_Key_2_Short, ui->comboBox_3},
        {Side_Key_2_Long, ui->comboBox_4},
        {Top_Key_Short, ui->comboBox_5},
        {Top_Key_Long, ui->comboBox_6},
        {Auto_Lock, ui->comboBox_7},
        {Lock_Type, ui->comboBox_9},
        {Lock_Delay, ui->comboBox_8},
    };
}

void SHORTCUTS_SETTING_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "SHORTCUTS_SETTING_FORM::Set_Windows_Data_From_SP_Read";
    // A missing region reads as an empty text: every byte then reads as 0.
    const QString region = Read_Wirte_Temp_File->Read_String_From_Ram_File(Settings_Block::Addr, Settings_Block::Size);
    for (const Combo_Row& row : Combo_Rows())
        Set_Combo_From_Byte(row.Combo, region, 2 * row.Byte);
}

void SHORTCUTS_SETTING_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "SHORTCUTS_SETTING_FORM::Get_Windows_Data_To_SP_Write";
    QString region = Read_Wirte_Temp_File->Read_String_From_Ram_File(Settings_Block::Addr, Settings_Block::Size);
    if (!Settings_Block::Is_Whole_Region(region))
        return;
    for (const Combo_Row& row : Combo_Rows())
        Put_Combo_Byte(region, row.Byte, row.Combo);
    region = region.toUpper();
    Read_Wirte_Temp_File->Write_String_To_Ram_File(Settings_Block::Addr, region);
}

void SHORTCUTS_SETTING_FORM::RetranslatePage()
{
    ui->retranslateUi(this);
    FillComboLists();
}

void SHORTCUTS_SETTING_FORM::FillComboLists()
{
    AUTO_LOCK_StringList = Settings_Lists::Translate_List("SHORTCUTS_SETTING_FORM", Settings_Lists::Auto_Lock());
    LOCK_TYPE_StringList = Settings_Lists::Translate_List("SHORTCUTS_SETTING_FORM", Settings_Lists::Lock_Type());
    LOCK_DELAY_StringList = Settings_Lists::Translate_List("SHORTCUTS_SETTING_FORM", Settings_Lists::Lock_Delay());
    KEY_SHORT_PRESS_StringList = Settings_Lists::Translate_List("SHORTCUTS_SETTING_FORM", Settings_Lists::Key_Short_Press());
    KEY_LONG_PRESS_StringList = Settings_Lists::Translate_List("SHORTCUTS_SETTING_FORM", Settings_Lists::Key_Long_Press());

    const QList<QPair<QComboBox*, const QStringList*>> fills = {
        {ui->comboBox_1, &KEY_SHORT_PRESS_StringList},
        {ui->comboBox_2, &KEY_LONG_PRESS_StringList},
        {ui->comboBox_3, &KEY_SHORT_PRESS_StringList},
        {ui->comboBox_4, &KEY_LONG_PRESS_StringList},
        {ui->comboBox_5, &KEY_SHORT_PRESS_StringList},
        {ui->comboBox_6, &KEY_LONG_PRESS_StringList},
        {ui->comboBox_7, &AUTO_LOCK_StringList},
        {ui->comboBox_9, &LOCK_TYPE_StringList},
        {ui->comboBox_8, &LOCK_DELAY_StringList},
    };
    for (const auto& fill : fills) {
        fill.first->clear();
        fill.first->addItems(*fill.second);
    }
}
