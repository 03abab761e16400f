#include "support/owned_ranges.h"

// The 2-tone page: six settings bytes, 16 encode entries of 12 bytes and 16
// decode entries of 14 bytes (the last byte of a decode entry is written
// 0xFF when the entry is empty). 0x006-0x009, 0x0CA-0x0FF and 0x1E0-0x1FF
// pass through unchanged.
static const Owned_Registrar registrar("TWO_TONE_FORM", {
    {0x16800, 6},
    {0x1680A, 16 * 12},
    {0x16900, 16 * 14},
});
