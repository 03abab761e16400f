#pragma once

#include <QList>
#include <QStringList>

// The value lists of the 5-tone page; the position of an entry is the number
// stored for it. The time lists are the same in every language.

// 43 entries, 10ms to 2500ms (pre-carrier, end delay, first digit, first
// code after the pause code).
QStringList Five_Tone_Delay_Times();

// 44 entries: "0ms", then the 43 delay times; so a stored value here is one
// entry further along than the same value in the delay list.
QStringList Five_Tone_Pause_Code_Times();

// 32 entries, 0S to 100S (PTT ID pause time).
QStringList Five_Tone_Ptt_Id_Pauses();

// 36 entries, 0S to 300S (decoder auto reset time). Shares its first 22
// entries (0S to 50S) with the PTT ID pauses.
QStringList Five_Tone_Auto_Reset_Times();

// The lists that change with the language, as source texts marked for
// translation in the context FIVE_TONE_FORM.
const QList<const char*>& Five_Tone_Ptt_Id_Types();
const QList<const char*>& Five_Tone_Side_Tone();
const QList<const char*>& Five_Tone_Ani_Display();
const QList<const char*>& Five_Tone_Decode_Response();
const QList<const char*>& Five_Tone_Info_Code_Functions();
