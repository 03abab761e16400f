#include "support/owned_ranges.h"

// The 869 bytes of the DTMF block (0x16000) that the DTMF page writes: own ID,
// the thirteen index bytes, the 16 code memories, the 8 PTT ID rows and the
// kill, stun and wake codes. The other 155 bytes of the block are kept.
static const Owned_Registrar registrar("DTMF_FORM", {
    {0x16000, 8},   // own ID
    {0x1600A, 3},   // separator, group call code, dialer type
    {0x16014, 7},   // side tone .. PTT ID pause time
    {0x1601E, 3},   // decode response, automatic reset time, ANI display
    {0x16028, 384}, // code memories d0 .. d#
    {0x161C2, 392}, // PTT ID rows 0 .. 7
    {0x16384, 72},  // kill, stun and wake codes
});
