#include "support/owned_ranges.h"

#include "pages/signalling/two_tone_form.h"

static const Owned_Registrar registrar("TWO_TONE_FORM", Ranges_Of(TWO_TONE_FORM::Layout().Owned()));
