#include "pages/signalling/dtmf_layout.h"

#include "pages/signalling/code_text.h"

QString Dtmf_Code_Field_Rule(const QString& text)
{
    QString code = Ascii_Upper(text);
    code.replace(QLatin1Char('E'), QLatin1Char('*'));
    code.replace(QLatin1Char('F'), QLatin1Char('#'));
    return code;
}
