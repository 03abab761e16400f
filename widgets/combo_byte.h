#pragma once

#include <QString>
#include <QStringView>

class QComboBox;

// How a combo box travels as one byte of a region: the index of its current
// item, plus an optional offset (the FM mode byte stores index + 5). The
// combo-index rows (byte_kind.h) read and store their bytes through these.

// Makes the stored byte (two digits at `pos` of `region`, either case;
// malformed digits read as 0) minus `offset` the current index, without a
// range test: a value beyond the list leaves the box with no current item.
void Set_Combo_From_Byte(QComboBox* combo, QStringView region, int pos, int offset = 0);

// The two upper-case digits to store for `combo`. A box with no current item
// could not show its byte, so the byte goes back exactly as `storedHex` held it.
QString Combo_Byte_Hex(const QComboBox* combo, QStringView storedHex, int offset = 0);
