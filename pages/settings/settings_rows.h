#pragma once

#include "widgets/byte_row.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <QVector>

class DATA_FILE_READ_WRITE;
class QComboBox;

// The audio, key and Bluetooth pages each list their widgets once as rows of
// the settings block (one byte each, offsets in settings_block_layout.h);
// both directions walk that list.

// Sets the rows' widgets from the settings block. A missing block reads as
// an empty text, so every byte then reads as 0.
void Decode_Settings_Rows(const DATA_FILE_READ_WRITE* image, const QVector<Byte_Row>& rows);

// Re-reads the settings block, replaces the rows' bytes, and writes the whole
// block back upper-cased, so the other pages' bytes pass through. Writes
// nothing when the image does not hold the whole block.
void Encode_Settings_Rows(DATA_FILE_READ_WRITE* image, const QVector<Byte_Row>& rows);

// Clears each combo box and gives it its list.
void Fill_Combo_Lists(const QList<QPair<QComboBox*, const QStringList*>>& fills);
