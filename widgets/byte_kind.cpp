#include "widgets/byte_kind.h"

#include "image/hex_text.h"
#include "widgets/combo_byte.h"
#include "widgets/field_validator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

Byte_Kind<QComboBox> Combo_Index_Byte(int indexOffset)
{
    return {[indexOffset](QComboBox* combo, QStringView hex) { Set_Combo_From_Byte(combo, hex, 0, indexOffset); },
            [indexOffset](QComboBox* combo, QStringView stored, int) {
                return Combo_Byte_Hex(combo, stored, indexOffset);
            }};
}

Byte_Kind<QCheckBox> Switch_Byte()
{
    return {[](QCheckBox* check, QStringView hex) { check->setChecked(Hex_Byte_Or_Zero(hex, 0) != 0); },
            [](QCheckBox* check, QStringView, int) { return Byte_To_Hex(check->isChecked() ? 1 : 0); }};
}

Byte_Kind<QLineEdit> Text_Field(std::function<QString(QStringView hex)> text,
                                std::function<QString(const QString& text, int width)> hex)
{
    return {[text](QLineEdit* edit, QStringView digits) { Show_Stored_Text(edit, text(digits)); },
            [hex](QLineEdit* edit, QStringView, int width) { return hex(edit->text(), width); }};
}
