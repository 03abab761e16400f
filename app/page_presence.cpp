#include "app/page_presence.h"

#include "image/data_file_read_write.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

bool Image_Holds_Regions(const DATA_FILE_READ_WRITE& image, const QVector<Image_Region::Region>& regions)
{
    for (const Image_Region::Region& region : regions) {
        if (!image.Holds(region.Addr, region.Size))
            return false;
    }
    return true;
}

void Clear_Page_Widgets(QWidget* page)
{
    for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        const QSignalBlocker blocker(edit);
        edit->clear();
    }
    for (QComboBox* combo : page->findChildren<QComboBox*>()) {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(-1);
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        const QSignalBlocker blocker(button);
        button->setChecked(false);
    }
    for (QTableWidget* table : page->findChildren<QTableWidget*>()) {
        const QSignalBlocker blocker(table);
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                if (QTableWidgetItem* item = table->item(row, column))
                    item->setText(QString());
            }
        }
    }
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            label->clear();
    }
}
