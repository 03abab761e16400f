#pragma once

#include <QList>
#include <QPair>
#include <QStringList>

class DATA_FILE_READ_WRITE;
class QCheckBox;
class QComboBox;

// The widgets of the audio, key and Bluetooth pages and the settings-block
// bytes they stand for; each page lists its rows once and both directions
// walk that list.
struct Settings_Combo_Row
{
    int Byte;
    QComboBox* Combo;
};

struct Settings_Switch_Row
{
    int Byte;
    QCheckBox* Check;
};

// Sets the rows' widgets from the settings block. A missing block reads as
// an empty text, so every byte then reads as 0.
void Decode_Settings_Rows(const DATA_FILE_READ_WRITE* image, const QList<Settings_Combo_Row>& combos,
                          const QList<Settings_Switch_Row>& switches = {});

// Re-reads the settings block, replaces the rows' bytes, and writes the whole
// block back upper-cased, so the other pages' bytes pass through. Writes
// nothing when the image does not hold the whole block.
void Encode_Settings_Rows(DATA_FILE_READ_WRITE* image, const QList<Settings_Combo_Row>& combos,
                          const QList<Settings_Switch_Row>& switches = {});

// Clears each combo box and gives it its list.
void Fill_Combo_Lists(const QList<QPair<QComboBox*, const QStringList*>>& fills);
