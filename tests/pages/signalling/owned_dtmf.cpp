#include "support/owned_ranges.h"

#include "pages/signalling/dtmf_form.h"

// The bytes of the DTMF block that the DTMF page writes: own ID, the thirteen
// index bytes, the 16 code memories, the 8 PTT ID rows and the kill, stun and
// wake codes. The other bytes of the block are kept.
static const Owned_Registrar registrar("DTMF_FORM", Ranges_Of(DTMF_FORM::Layout().Owned()));
