#pragma once

#include "image/image_regions.h"

#include <QVector>

class DATA_FILE_READ_WRITE;
class QWidget;

// Whether the image holds every one of `regions` whole.
bool Image_Holds_Regions(const DATA_FILE_READ_WRITE& image, const QVector<Image_Region::Region>& regions);

// Empties every data widget of `page` without running its slots: line edits
// and table cells get an empty text, combo boxes no current item, check
// boxes no check, pictures no picture. Nothing else of the page changes.
void Clear_Page_Widgets(QWidget* page);
