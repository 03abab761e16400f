#include "app/page_presence.h"

#include "image/data_file_read_write.h"
#include "image/image_regions.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

using namespace Image_Region;

// The regions each page decodes and encodes (unused places are empty).
struct Page_Regions
{
    MainWindow::Page_Slot Slot;
    Region Regions[4];
};
constexpr Page_Regions Page_Regions_Table[] = {
    {MainWindow::Slot_Audio, {Settings_Block_Region}},
    {MainWindow::Slot_Keys, {Settings_Block_Region}},
    {MainWindow::Slot_Bluetooth, {Settings_Block_Region}},
    {MainWindow::Slot_Fm_Radio,
     {Settings_Block_Region, Work_Mode_Block_Region, Fm_Channel_Table_Region, Fm_Channel_Flags_Region}},
    {MainWindow::Slot_Aprs, {Aprs_Block_Region}},
    {MainWindow::Slot_Dtmf, {Dtmf_Block_Region}},
    {MainWindow::Slot_Two_Tone, {Two_Tone_Block_Region}},
    {MainWindow::Slot_Five_Tone, {Five_Tone_Block_Region}},
};

} // namespace

bool Image_Holds_Page(const DATA_FILE_READ_WRITE& image, MainWindow::Page_Slot slot)
{
    for (const Page_Regions& page : Page_Regions_Table) {
        if (page.Slot != slot)
            continue;
        for (const Region& region : page.Regions) {
            if (region.Size > 0 && !image.Holds(region.Addr, region.Size))
                return false;
        }
        return true;
    }
    return false;
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
