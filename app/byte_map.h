#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class MainWindow;

// Who owns each byte of the image: every run of bytes a page's field map
// names (its rows and its tables of entries) and every block the shell
// writes, with the page, the widget that shows it and the widget's caption.

struct Byte_Owner
{
    int Addr;        // image address of the first byte
    int Width;       // bytes
    QString Page;    // the page's class, or "shell"
    QString Widget;  // the widget's object name, or "-"
    QString Caption; // the widget's caption in the installed language, or "-"
};

struct Byte_Map
{
    QVector<Byte_Owner> Owners; // in address order
    QStringList Conflicts;      // one line for each two owners of the same bytes
};

// Orders `owners` by address and names every two that share a byte.
Byte_Map Sorted_Byte_Map(QVector<Byte_Owner> owners);

// The map of every page of `window` that has a field map (building each),
// and of the shell's fixed blocks. A widget's caption is the label beside it
// in its layout row, after its column's header in a list of rows, or else
// its own text.
Byte_Map Make_Byte_Map(const MainWindow& window);

// The map as text: a heading, one line per owner, then one per conflict.
QStringList Byte_Map_Lines(const Byte_Map& map);
