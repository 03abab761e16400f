#pragma once

#include <QStringList>

class QWidget;

// Every caption below `page` that is wider than the room its widget gives it,
// as laid out now: the shown labels, check boxes and table header sections,
// each as `page-class object "text" (needs > has)` in pixels.
QStringList Clipped_Captions(const QWidget* page);
