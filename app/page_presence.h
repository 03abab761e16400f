#pragma once

#include "app/mainwindow.h"

class DATA_FILE_READ_WRITE;
class QWidget;

// Whether the image holds every region the page in `slot` decodes and
// encodes. A slot without a page of this editor holds no regions: false.
bool Image_Holds_Page(const DATA_FILE_READ_WRITE& image, MainWindow::Page_Slot slot);

// Empties every data widget of `page` without running its slots: line edits
// and table cells get an empty text, combo boxes no current item, check
// boxes no check, pictures no picture. Nothing else of the page changes.
void Clear_Page_Widgets(QWidget* page);
