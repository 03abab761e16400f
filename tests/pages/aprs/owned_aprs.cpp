#include "support/owned_ranges.h"

#include "pages/aprs/aprs_form.h"

static const Owned_Registrar registrar("APRS_FORM", Ranges_Of(APRS_FORM::Layout().Owned()));
