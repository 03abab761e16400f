#include "support/owned_ranges.h"

// Five_Tone_Block at 0x17000: own ID, encoder settings, decoder settings,
// code rows, PTT ID rows, information rows. The gaps between them (683 bytes)
// are not the page's.
static const Owned_Registrar registrar("FIVE_TONE_FORM", {
    {0x17000, 8},   // own ID
    {0x1700A, 8},   // side tone .. PTT ID pause time
    {0x1701E, 5},   // decode standard, digit mask, response, auto reset, ANI display
    {0x17100, 544}, // 16 code rows of 34 bytes
    {0x17340, 400}, // 8 PTT ID rows of 50 bytes
    {0x17540, 400}, // 16 information rows of 25 bytes
});
