#include "widgets/combo_byte.h"

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
