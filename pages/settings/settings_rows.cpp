#include "pages/settings/settings_rows.h"

#include "image/data_file_read_write.h"
#include "pages/settings/settings_block_layout.h"
#include "widgets/combobyte.h"

#include <QCheckBox>
#include <QComboBox>

void Decode_Settings_Rows(const DATA_FILE_READ_WRITE* image, const QList<Settings_Combo_Row>& combos,
                          const QList<Settings_Switch_Row>& switches)
{
    const QString region = image->Read_String_From_Ram_File(Settings_Block::Addr, Settings_Block::Size);
    for (const Settings_Switch_Row& row : switches)
        row.Check->setChecked(Settings_Block::Read_Switch_Byte(region, row.Byte));
    for (const Settings_Combo_Row& row : combos)
        Set_Combo_From_Byte(row.Combo, region, 2 * row.Byte);
}

void Encode_Settings_Rows(DATA_FILE_READ_WRITE* image, const QList<Settings_Combo_Row>& combos,
                          const QList<Settings_Switch_Row>& switches)
{
    QString region = image->Read_String_From_Ram_File(Settings_Block::Addr, Settings_Block::Size);
    if (!Settings_Block::Is_Whole_Region(region))
        return;
    for (const Settings_Switch_Row& row : switches)
        Settings_Block::Put_Switch_Byte(region, row.Byte, row.Check->isChecked());
    for (const Settings_Combo_Row& row : combos)
        Put_Combo_Byte(region, row.Byte, row.Combo);
    region = region.toUpper();
    image->Write_String_To_Ram_File(Settings_Block::Addr, region);
}

void Fill_Combo_Lists(const QList<QPair<QComboBox*, const QStringList*>>& fills)
{
    for (const auto& fill : fills) {
        fill.first->clear();
        fill.first->addItems(*fill.second);
    }
}
