#pragma once

#include <QStringList>

// The fifteen 5-tone standards the page offers, with the reference data the
// page shows for each: the tone of every digit 0-9 and A-F in hertz as the
// standard publishes it ("" where it defines none), the tone length in
// milliseconds, the group-call digit and the repeat digit.

constexpr int Five_Tone_Standard_Count = 15;
constexpr int Five_Tone_Standard_Columns = 19;
// Columns 0-15: digits 0-9 and A-F; then:
constexpr int Five_Tone_Tone_Length_Column = 16;
constexpr int Five_Tone_Group_Call_Column = 17;
constexpr int Five_Tone_Repeat_Column = 18;

// The standard names in list order ("ZVEI1" ... "EIA"); the index of a name
// is the number stored for it.
QStringList Five_Tone_Standard_Names();

// The 19 texts of standard `index`, column 0 first; an empty list for an
// index outside 0-14.
QStringList Five_Tone_Standard_Row(int index);
