#pragma once

#include <QStringList>

class QWidget;

// Every caption below `page` that is wider than the room its widget gives it,
// as laid out now: the shown labels, check boxes, list box items and table
// header sections, each as `page-class object "text" (needs > has)` in
// pixels. A list long by design is checked in its open list, which this
// opens and closes again.
QStringList Clipped_Captions(QWidget* page);
