#include "support/owned_ranges.h"

#include "pages/fm/fm_radio_form.h"

// The FM receiver page: the 32 channel records, the in-use bytes of channels
// 0-31, the mode byte and VFO frequency in the work-mode block, and the
// on/off byte in the settings block.
static const Owned_Registrar registrar("FM_RADIO_FORM", Ranges_Of(FM_RADIO_FORM::Layout().Owned()));
