#pragma once

#include <QString>
#include <QStringView>

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

// The code's bytes as two upper-case digits each, then "00" up to 2 x bytes
// digits. A lower-case letter is stored as its upper-case form; a character
// that Hex_String_To_Code_String would not read back is left out, never
// written as some other byte. Nothing is cut: callers pass at most `bytes`
// characters.
QString Code_String_To_Hex_String(const QString& code, int bytes);

// The same for a name: every character 0x01-0x7E as its byte, as typed; any
// other character is left out.
QString Name_To_Hex_String(const QString& name, int bytes);

// `text` with the ASCII letters a-z in upper case and nothing else changed.
QString Ascii_Upper(const QString& text);

// A code slot of `bytes` bytes: its text (as Hex_String_To_Code_String
// reads it), and its digits for a text cut to `bytes` characters.
QString Code_Slot_Text(QStringView hex);
QString Code_Slot_Hex(const QString& text, int bytes);
