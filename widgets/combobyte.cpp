#include "widgets/combobyte.h"

#include "image/hex_text.h"

#include <QComboBox>

void Set_Combo_From_Byte(QComboBox* combo, QStringView region, int pos, int offset)
{
    combo->setCurrentIndex(Hex_Byte_Or_Zero(region, pos) - offset);
}

QString Combo_Byte_Hex(const QComboBox* combo, QStringView storedHex, int offset)
{
    const int index = combo->currentIndex();
    if (index < 0)
        return storedHex.left(2).toString().toUpper();
    return Byte_To_Hex(index + offset);
}

void Put_Combo_Byte(QString& region, int byteOffset, const QComboBox* combo, int offset)
{
    if (byteOffset < 0 || 2 * (byteOffset + 1) > region.size())
        return;
    const QString hex = Combo_Byte_Hex(combo, QStringView(region).mid(2 * byteOffset, 2), offset);
    region.replace(2 * byteOffset, 2, hex);
}
