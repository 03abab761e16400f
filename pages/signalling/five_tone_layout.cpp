#include "pages/signalling/five_tone_layout.h"

#include "image/hex_text.h"
#include "pages/signalling/code_text.h"

namespace {

QString Numbered(const char* base, int number)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(number);
}

QVector<Five_Tone_Field> Build_Fields()
{
    using K = Five_Tone_Field_Kind;
    QVector<Five_Tone_Field> fields = {
        {0x000, 8, K::Code, QStringLiteral("lineEdit_3")},   // own ID
        {0x00A, 1, K::Index, QStringLiteral("comboBox_12")}, // side tone
        {0x00B, 1, K::Index, QStringLiteral("comboBox_9")},  // pre-carrier time
        {0x00C, 1, K::Index, QStringLiteral("comboBox_8")},  // end delay time
        {0x00D, 1, K::Index, QStringLiteral("comboBox_10")}, // first digit time
        {0x00E, 1, K::Index, QStringLiteral("comboBox_1")},  // pause code
        {0x00F, 1, K::Index, QStringLiteral("comboBox_2")},  // pause code length
        {0x010, 1, K::Index, QStringLiteral("comboBox_3")},  // first code after the pause
        {0x011, 1, K::Index, QStringLiteral("comboBox_11")}, // PTT ID pause time
        {0x01E, 1, K::Index, QStringLiteral("comboBox_4")},  // decode standard
        {0x01F, 1, K::Mask, QStringLiteral("checkBox")},     // decode digit setting
        {0x020, 1, K::Index, QStringLiteral("comboBox_5")},  // decode response
        {0x021, 1, K::Index, QStringLiteral("comboBox_6")},  // auto reset time
        {0x022, 1, K::Index, QStringLiteral("comboBox_7")},  // ANI display
    };
    for (int row = 0; row < 16; ++row) { // code rows "0"-"9", "A"-"D", "*", "#"
        const int base = 0x100 + 34 * row;
        fields.append({base, 1, K::Index, Numbered("comboBox", 30 + row)});
        fields.append({base + 1, 24, K::Code, Numbered("lineEdit", 40 + row)});
        fields.append({base + 25, 9, K::Name, Numbered("lineEdit", 72 + row)});
    }
    for (int row = 0; row < 8; ++row) { // PTT ID rows
        const int base = 0x340 + 50 * row;
        fields.append({base, 1, K::Index, Numbered("comboBox", 14 + row)});
        fields.append({base + 1, 1, K::Index, Numbered("comboBox", 22 + row)});
        fields.append({base + 2, 24, K::Code, Numbered("lineEdit", 56 + 2 * row)});
        fields.append({base + 26, 24, K::Code, Numbered("lineEdit", 57 + 2 * row)});
    }
    for (int row = 0; row < 16; ++row) { // information-code rows
        const int base = 0x540 + 25 * row;
        fields.append({base, 1, K::Index, Numbered("comboBox", 46 + row)});
        fields.append({base + 1, 24, K::Code, Numbered("lineEdit", 88 + 2 * row)});
    }
    return fields;
}

} // namespace

const QVector<Five_Tone_Field>& Five_Tone_Fields()
{
    static const QVector<Five_Tone_Field> fields = Build_Fields();
    return fields;
}

const QStringList& Five_Tone_Mask_Boxes()
{
    static const QStringList boxes = {
        QStringLiteral("checkBox"),   QStringLiteral("checkBox_2"), QStringLiteral("checkBox_3"),
        QStringLiteral("checkBox_4"), QStringLiteral("checkBox_5"), QStringLiteral("checkBox_6"),
        QStringLiteral("checkBox_7"), QStringLiteral("checkBox_8"),
    };
    return boxes;
}

int Five_Tone_Text_Limit(const Five_Tone_Field& field)
{
    return field.Kind == Five_Tone_Field_Kind::Name ? field.Width - 1 : field.Width;
}

QString Five_Tone_Field_Text(const Five_Tone_Field& field, QStringView block)
{
    const QString hex = block.mid(2 * field.Offset, 2 * field.Width).toString();
    return field.Kind == Five_Tone_Field_Kind::Name ? Name_String_Array(hex) : Hex_String_To_Code_String(hex);
}

QString Five_Tone_Field_Hex(const Five_Tone_Field& field, const QString& text)
{
    const QString kept = text.left(Five_Tone_Text_Limit(field));
    return field.Kind == Five_Tone_Field_Kind::Name ? Name_To_Hex_String(kept, field.Width)
                                                    : Code_String_To_Hex_String(kept, field.Width);
}

