#pragma once

#include <QString>

class QTableWidget;

// The keyboard on a list cell of a row in use (see Table_Editor): opening
// keys, Escape, a choice in the list, Alt/Ctrl+`typed` and then `typed`,
// which must leave `picked` in the cell. Fails the current test otherwise.
void Check_List_Cell_Keys(QTableWidget* table, int row, int column, const QString& typed, const QString& picked);
