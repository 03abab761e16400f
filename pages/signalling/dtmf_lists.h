#pragma once

#include <QList>
#include <QStringList>

// The value lists of the DTMF page, in list order: the position of an entry
// is the number stored for it. The times are the same in every language;
// the other lists are source texts, each marked for translation in the
// context DTMF_FORM.
namespace Dtmf_Lists {

QStringList Auto_Reset_Times();   // 0S to 300S
QStringList Send_Times();         // 50ms to 500ms
QStringList First_Digit_Times();  // 0ms to 2500ms by 50
QStringList Carrier_Times();      // 10ms to 2500ms (pre-carrier, delay after sending)
QStringList D_Code_Pauses();      // "关闭" (as it stands in every language), 1S to 15S
QStringList Ptt_Id_Pauses();      // 0S to 100S

const QList<const char*>& Side_Tone();
const QList<const char*>& Dialer_Type();
const QList<const char*>& Ptt_Id_Type();
const QList<const char*>& Ani_Display();
const QList<const char*>& Decode_Response();

} // namespace Dtmf_Lists
