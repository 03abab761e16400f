#pragma once

#include <QList>
#include <QStringList>

// The value lists of the APRS page. Positions in these lists are what
// APRS_Block stores, so their order is part of the block's format.
namespace Aprs_Lists {

// Source texts passed through the page's translation (context "APRS_FORM"),
// in list order.
using Source_Texts = const QList<const char*>& (*)();
const QList<const char*>& Tx_Power_Texts();
const QList<const char*>& Wn_Texts();
const QList<const char*>& Tone_Type_Texts();
const QList<const char*>& Null_Texts();
const QList<const char*>& Symbol_Table_Texts();
const QList<const char*>& Manual_Interval_Texts();

// The translations of such a list in the current language.
QStringList Translated(Source_Texts texts);

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
