#include "support/owned_ranges.h"

// Bytes of the settings block (0x15400) owned by the audio, key and Bluetooth pages.
static const Owned_Registrar audio("SOUNDS_SETTING_FORM", {{0x1540C, 4}, {0x15416, 10}, {0x1542A, 1}});
static const Owned_Registrar keys("SHORTCUTS_SETTING_FORM", {{0x15410, 6}, {0x15420, 3}});
static const Owned_Registrar bluetooth("BLUETOOTH_FORM", {{0x15440, 5}});
