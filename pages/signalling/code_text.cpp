#include "pages/signalling/code_text.h"

#include "image/hex_text.h"

#include <QByteArray>
#include <QDebug>

namespace {

bool Is_Code_Byte(int value)
{
    return (value >= 0x30 && value <= 0x39) || (value >= 0x41 && value <= 0x46) || value == 0x2A || value == 0x23;
}

bool Is_Name_Byte(int value)
{
    return value >= 0x01 && value <= 0x7E;
}

// Two digits per kept character, then "00" up to 2 x bytes digits.
QString Bytes_Hex(const QString& text, int bytes, bool (*keep)(int))
{
    QString hex;
    hex.reserve(qMax(2 * int(text.size()), 2 * bytes));
    for (QChar c : text) {
        if (keep(c.unicode()))
            hex += Byte_To_Hex(c.unicode());
    }
    while (hex.size() < 2 * bytes)
        hex += QLatin1String("00");
    return hex;
}

} // namespace

QString Ascii_Upper(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return upper;
}

QString Hex_String_To_Code_String(const QString& hex)
{
    QString code;
    for (int pos = 0; pos < hex.size(); pos += 2) {
        int value = 0;
        if (pos + 1 < hex.size()) {
            if (!Parse_Hex_Byte(hex, pos, &value))
                value = 0;
        } else {
            value = qMax(0, Hex_Digit_Value(hex[pos]));
        }
        if (Is_Code_Byte(value))
            code += QChar(value);
    }
    return code;
}

QString Code_String_To_Hex_String(const QString& code, int bytes)
{
    return Bytes_Hex(Ascii_Upper(code), bytes, Is_Code_Byte);
}

QString Name_To_Hex_String(const QString& name, int bytes)
{
    return Bytes_Hex(name, bytes, Is_Name_Byte);
}

QString Name_String_Array(const QString& hex)
{
    QByteArray bytes;
    for (int pos = 0; pos + 1 < hex.size(); pos += 2)
        bytes.append(char(Hex_Byte_Or_Zero(hex, pos)));
    qDebug() << "Name_String_Array" << bytes;

    QString name;
    for (char byte : bytes) {
        if (Is_Name_Byte(static_cast<unsigned char>(byte)))
            name += QChar(static_cast<unsigned char>(byte));
    }
    return name;
}

QString Code_Slot_Text(QStringView hex)
{
    return Hex_String_To_Code_String(hex.toString());
}

QString Code_Slot_Hex(const QString& text, int bytes)
{
    return Code_String_To_Hex_String(text.left(bytes), bytes);
}
