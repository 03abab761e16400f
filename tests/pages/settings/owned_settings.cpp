#include "support/owned_ranges.h"

#include "pages/settings/bluetooth_form.h"
#include "pages/settings/shortcuts_setting_form.h"
#include "pages/settings/sounds_setting_form.h"

// Bytes of the settings block owned by the audio, key and Bluetooth pages.
static const Owned_Registrar audio("SOUNDS_SETTING_FORM", Ranges_Of(SOUNDS_SETTING_FORM::Layout().Owned()));
static const Owned_Registrar keys("SHORTCUTS_SETTING_FORM", Ranges_Of(SHORTCUTS_SETTING_FORM::Layout().Owned()));
static const Owned_Registrar bluetooth("BLUETOOTH_FORM", Ranges_Of(BLUETOOTH_FORM::Layout().Owned()));
