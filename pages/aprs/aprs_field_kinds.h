#pragma once

#include "widgets/byte_kind.h"

class QComboBox;
class QLineEdit;

// The byte kinds of the APRS page's position, altitude and path fields.
// Their texts hold less than their bytes: a degree to six decimals, an
// altitude to a tenth, a path SSID to two digits. Each field remembers what
// the last decode showed and the digits it read. While the field and its
// list (hemisphere or unit) still show just that, the encoder writes those
// digits back; once either shows anything else, typed or set by code, the
// codec's rule gives them.
namespace Aprs_Field_Kinds {

// Latitude or longitude in `edit`, with its hemisphere list (0 N/E, 1 S/W).
// A position stored as 0 has no sign, so the list shows N/E for it: at once
// when the list or code changes, and when the user's typing is done.
Byte_Kind<QLineEdit> Position(QLineEdit* edit, QComboBox* hemisphere);

// The altitude in the unit that `unit` shows.
Byte_Kind<QLineEdit> Altitude(QComboBox* unit);

// The digipeater path: its count byte and the eight entry slots.
Byte_Kind<QLineEdit> Path();

} // namespace Aprs_Field_Kinds
