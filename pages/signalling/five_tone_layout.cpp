#include "pages/signalling/five_tone_layout.h"

#include "pages/signalling/code_text.h"

QString Five_Tone_Name_Text(QStringView hex)
{
    return Name_String_Array(hex.toString());
}

QString Five_Tone_Name_Hex(const QString& text, int width)
{
    return Name_To_Hex_String(text.left(width - 1), width);
}
