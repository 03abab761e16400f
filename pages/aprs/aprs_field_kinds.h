#pragma once

#include "widgets/byte_kind.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QString;

// The byte kinds of the APRS page's position, altitude and path fields.
// Their texts hold less than their bytes: a degree to six decimals, an
// altitude to a tenth, a path SSID to two digits. Each field remembers what
// the last decode showed and the digits it read. While the field and its
// list (hemisphere or unit) still show just that, the encoder writes those
// digits back; once either shows anything else, typed or set by code, the
// codec's rule gives them. A language switch, which carries the values
// across (Carried_Values), changes neither what the field shows nor what it
// remembers, so a text typed back to what the file's decode showed still
// writes the digits read.
namespace Aprs_Field_Kinds {

// Latitude or longitude in `edit`, with its hemisphere list (0 N/E, 1 S/W).
// A position stored as 0 has no sign, so a save shows N/E for it (the window
// keeps what the pages show across the encodes of its unsaved-edits check).
// Until then the list keeps the hemisphere chosen, through a language switch
// too, so that it may be chosen before the number is typed.
Byte_Kind<QLineEdit> Position(QLineEdit* edit, QComboBox* hemisphere);

// What a position field shows once the user leaves it (see
// Show_Stored_Form_When_Left): the stored form of its text; left at 0, it
// has no sign, and its list shows N/E.
std::function<QString(const QString&)> Stored_Position_Form(QComboBox* hemisphere);

// The altitude in the unit that `unit` shows.
Byte_Kind<QLineEdit> Altitude(QComboBox* unit);

// The digipeater path: its count byte and the eight entry slots.
Byte_Kind<QLineEdit> Path();

} // namespace Aprs_Field_Kinds
