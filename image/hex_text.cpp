#include "image/hex_text.h"

namespace {
const char Upper_Digits[] = "0123456789ABCDEF";
} // namespace

int Hex_Digit_Value(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

bool Is_Hex_Digit(QChar c)
{
    return Hex_Digit_Value(c) >= 0;
}

bool Parse_Hex_Byte(QStringView text, int pos, int* value)
{
    if (pos < 0 || pos + 2 > text.size())
        return false;
    const int hi = Hex_Digit_Value(text[pos]);
    const int lo = Hex_Digit_Value(text[pos + 1]);
    if (hi < 0 || lo < 0)
        return false;
    *value = hi * 16 + lo;
    return true;
}

int Hex_Byte_Or_Zero(QStringView text, int pos)
{
    int value = 0;
    return Parse_Hex_Byte(text, pos, &value) ? value : 0;
}

quint32 Hex_Le_Or_Zero(QStringView text, int pos, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | quint32(Hex_Byte_Or_Zero(text, pos + 2 * i));
    return value;
}

quint32 Hex_Be_Or_Zero(QStringView text, int pos, int bytes)
{
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | quint32(Hex_Byte_Or_Zero(text, pos + 2 * i));
    return value;
}

QString Byte_To_Hex(int value)
{
    const int b = value & 0xFF;
    const QChar digits[2] = {QChar(Upper_Digits[b >> 4]), QChar(Upper_Digits[b & 0xF])};
    return QString(digits, 2);
}

QString Le_To_Hex(quint32 value, int bytes)
{
    QString hex;
    hex.reserve(2 * bytes);
    for (int i = 0; i < bytes; ++i)
        hex += Byte_To_Hex(int((value >> (8 * i)) & 0xFF));
    return hex;
}

QString Be_To_Hex(quint32 value, int bytes)
{
    QString hex;
    hex.reserve(2 * bytes);
    for (int i = bytes - 1; i >= 0; --i)
        hex += Byte_To_Hex(int((value >> (8 * i)) & 0xFF));
    return hex;
}

bool Is_Hex_Text(QStringView text)
{
    for (QChar c : text) {
        if (Hex_Digit_Value(c) < 0)
            return false;
    }
    return true;
}

bool Replace_Hex_Field(QString& region, int byteOffset, int byteCount, const QString& hex)
{
    if (byteOffset < 0 || byteCount < 0 || hex.size() != 2 * byteCount
        || 2 * (byteOffset + byteCount) > region.size())
        return false;
    region.replace(2 * byteOffset, 2 * byteCount, hex);
    return true;
}
