#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a blank image over the full range: record tables and unused
// memory erased to 0xFF, setting blocks 0x00, and the few bytes where 0 is
// not a valid value set to a valid one. The pages' encoders then give it
// their defaults (see the default data files).
QByteArray Blank_Image_Bytes();

// The same as image text, 64 bytes to a line.
QString Blank_Image_Text();
