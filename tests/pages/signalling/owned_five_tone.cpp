#include "support/owned_ranges.h"

#include "pages/signalling/five_tone_form.h"

// Five_Tone_Block: own ID, encoder settings, decoder settings, code rows, PTT
// ID rows, information rows. The gaps between them are not the page's.
static const Owned_Registrar registrar("FIVE_TONE_FORM", Ranges_Of(FIVE_TONE_FORM::Layout().Owned()));
