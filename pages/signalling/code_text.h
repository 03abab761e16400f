#pragma once

#include <QString>

// Conversions between a selective-calling code text ("0"-"9", "A"-"D", "*",
// "#"; E and F are kept when read) and the hex text of its fixed-size slot:
// one byte per character, padded with 0x00.

// Every byte that is 0-9, A-F, "*" or "#" becomes that character; every other
// byte (the 0x00 padding, an erased 0xFF, lower-case letters) is skipped and
// does not end the text. A pair that is not two hex digits reads as 0x00; a
// last single digit forms a pair by itself.
QString Hex_String_To_Code_String(const QString& hex);

// The text of a name field: every byte 0x01-0x7E becomes its character;
// 0x00, 0x7F-0xFF and pairs that are not two hex digits are skipped without
// ending the name. Writes one debug line with the field's raw bytes.
QString Name_String_Array(const QString& hex);

// Two upper-case digits per character, then "00" up to 2 x bytes digits.
// Nothing is cut: callers pass at most `bytes` characters.
QString Code_String_To_Hex_String(const QString& code, int bytes);
