#include "pages/signalling/code_text.h"

#include "image/hex_text.h"

#include <QByteArray>
#include <QDebug>

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
        const bool keep = (value >= 0x30 && value <= 0x39) || (value >= 0x41 && value <= 0x46)
            || value == 0x2A || value == 0x23;
        if (keep)
            code += QChar(value);
    }
    return code;
}

QString Code_String_To_Hex_String(const QString& code, int bytes)
{
    QString hex;
    hex.reserve(qMax(2 * int(code.size()), 2 * bytes));
    for (QChar c : code)
        hex += Byte_To_Hex(c.unicode());
    while (hex.size() < 2 * bytes)
        hex += QLatin1String("00");
    return hex;
}

QString Name_String_Array(const QString& hex)
{
    QByteArray bytes;
    for (int pos = 0; pos + 1 < hex.size(); pos += 2)
        bytes.append(char(Hex_Byte_Or_Zero(hex, pos)));
    qDebug() << "Name_String_Array" << bytes;

    QString name;
    for (char byte : bytes) {
        const int value = static_cast<unsigned char>(byte);
        if (value >= 0x01 && value <= 0x7E)
            name += QChar(value);
    }
    return name;
}
