#include "pages/settings/settings_rows.h"

#include "image/data_file_read_write.h"
#include "pages/settings/settings_block_layout.h"

#include <QComboBox>

void Decode_Settings_Rows(const DATA_FILE_READ_WRITE* image, const QVector<Byte_Row>& rows)
{
    const QString region = image->Read_String_From_Ram_File(Settings_Block::Addr, Settings_Block::Size);
    Show_Rows(rows, region);
}

void Encode_Settings_Rows(DATA_FILE_READ_WRITE* image, const QVector<Byte_Row>& rows)
{
    QString region = image->Read_String_From_Ram_File(Settings_Block::Addr, Settings_Block::Size);
    if (!Settings_Block::Is_Whole_Region(region))
        return;
    Store_Rows(rows, region);
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
