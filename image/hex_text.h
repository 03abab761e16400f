#pragma once

#include <QString>
#include <QStringView>

// Byte-level helpers for the hex text in which the image and every page
// region travel: two hex digits per byte, first byte first.

// The value of one hex digit (0-9, A-F, a-f), or -1 for any other character.
int Hex_Digit_Value(QChar c);

// True for 0-9, A-F and a-f only.
bool Is_Hex_Digit(QChar c);

// Reads the byte whose two digits start at text position `pos`. Only two
// hex digits make a byte: a sign, a blank, a single digit or a position
// beyond the text gives false and leaves *value untouched.
bool Parse_Hex_Byte(QStringView text, int pos, int* value);

// The same, with the pages' rule for malformed input: it reads as 0.
int Hex_Byte_Or_Zero(QStringView text, int pos);

// Reads `bytes` bytes from `pos` as one unsigned number, first byte lowest
// (little-endian). Malformed bytes read as 0.
quint32 Hex_Le_Or_Zero(QStringView text, int pos, int bytes);
// The same, first byte highest (big-endian).
quint32 Hex_Be_Or_Zero(QStringView text, int pos, int bytes);

// Two upper-case hex digits for the low byte of `value`.
QString Byte_To_Hex(int value);

// `bytes` bytes of `value`, first byte lowest / highest, upper-case digits.
QString Le_To_Hex(quint32 value, int bytes);
QString Be_To_Hex(quint32 value, int bytes);

// True when every character is a hex digit (the empty text included).
bool Is_Hex_Text(QStringView text);

// Replaces the 2 x byteCount characters of `region` that start at byte
// offset `byteOffset` with `hex`, which must have exactly that length.
// Returns false and changes nothing when the field or `hex` does not fit.
bool Replace_Hex_Field(QString& region, int byteOffset, int byteCount, const QString& hex);
