#include "support/owned_ranges.h"

// APRS_Block bytes the APRS page writes: callsigns, symbol, filters and the
// transmit-channel records (0x00-0x77), transmit timing, position, altitude
// and their constants (0xC8-0xE9), the path count and entries (0xFF-0x137)
// and the comment (0x200-0x23F).
static const Owned_Registrar registrar("APRS_FORM", {{0x15500, 0x78}, {0x155C8, 0x22}, {0x155FF, 0x39}, {0x15700, 0x40}});
