#include "support/owned_ranges.h"

// The FM receiver page: the 32 channel records, the in-use bytes of channels
// 0-31, the mode byte and VFO frequency in the work-mode block, and the
// on/off byte in the settings block.
static const Owned_Registrar registrar("FM_RADIO_FORM", {
    {0x13E80, 1024}, // FM_Channel_Table
    {0x15180, 4},    // in-use flags, bytes 0-3
    {0x15309, 1},    // Work_Mode_Block byte 9: receiver mode
    {0x15312, 4},    // Work_Mode_Block bytes 18-21: VFO frequency
    {0x15404, 1},    // Settings_Block byte 4: receiver on/off
});
