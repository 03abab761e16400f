#pragma once

#include <QList>
#include <QStringList>

// The value lists of the 2-tone page, in list order: the position of an
// entry is the number stored for it. The times are the same in every
// language; the other lists are source texts, each marked for translation in
// the context TWO_TONE_FORM.
namespace Two_Tone_Lists {

QStringList Tone_Times();        // 0.5S to 10.0S by tenths (first, second and long tone)
QStringList Interval_Times();    // 0.0S to 2.0S by tenths
QStringList Auto_Reset_Times();  // 0S to 300S

const QList<const char*>& Side_Tone();
// The decode table's response cells.
const QList<const char*>& Decode_Response();

} // namespace Two_Tone_Lists
