#pragma once

#include <QStringList>

// The value lists of the APRS page. Positions in these lists are what
// APRS_Block stores, so their order is part of the block's format.
namespace Aprs_Lists {

// Source texts passed through the page's translation (context "APRS_FORM"),
// in list order; each array ends with a null pointer.
extern const char* const Tx_Power_Texts[];
extern const char* const Wn_Texts[];
extern const char* const Tone_Type_Texts[];
extern const char* const Null_Texts[];
extern const char* const Symbol_Table_Texts[];
extern const char* const Manual_Interval_Texts[];

// The translations of such an array in the current language.
QStringList Translated(const char* const texts[]);
// The number of texts in such an array.
int Count(const char* const texts[]);

// Plain texts, the same in every language.
const QStringList& Ctcss_Values();   // 50 tones, "67.0" to "254.1"
const QStringList& Dcs_Codes();      // 104 codes, "023" to "754"

constexpr int Symbol_Count = 94; // symbol characters "!" (33) to "~" (126)

// "BB:0 Police Stn" ...: the published two-character code, a colon, the
// position and the symbol's short name; primary ("/") or alternate ("\") table.
const QStringList& Symbol_Names(bool alternate);

// The symbol list of the page: the symbol character, a colon and the name.
QStringList Symbol_List(const QStringList& names);

} // namespace Aprs_Lists
