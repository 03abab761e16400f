#include "app/clipped_captions.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QStyleOptionHeader>
#include <QTableView>

#include <cstring>

namespace {

// Lists longer than their box by design (page class, box): the APRS symbol
// names. Their open list, not the box, must show every item whole.
const struct
{
    const char* Page;
    const char* Box;
} Long_Lists[] = {{"APRS_FORM", "comboBox_4"}};

bool Is_Long_List(const QWidget* page, const QComboBox* box)
{
    for (const auto& list : Long_Lists) {
        if (std::strcmp(page->metaObject()->className(), list.Page) == 0 && box->objectName() == QLatin1String(list.Box))
            return true;
    }
    return false;
}

// The width a header section's text asks of the header's style.
int Section_Needs(const QHeaderView* header, int section, const QString& text)
{
    QStyleOptionHeader option;
    option.initFrom(header);
    option.orientation = header->orientation();
    option.section = section;
    option.text = text;
    return header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header).width();
}

// The width a list box asks of its style to show item `index` whole, worked
// out as the box works out its own size from its items, with the advance of
// the text (what drawing it takes).
int Item_Needs(const QComboBox* box, int index)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    int width = box->fontMetrics().horizontalAdvance(box->itemText(index));
    if (!box->itemIcon(index).isNull())
        width += box->iconSize().width() + 4;
    return box->style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(width, box->fontMetrics().height()), box).width();
}

} // namespace

QStringList Clipped_Captions(QWidget* page)
{
    QStringList clipped;
    const auto check = [&](const QWidget* w, const QString& text, int needs, int has, const char* where = "") {
        if (!text.isEmpty() && needs > has)
            clipped << QStringLiteral("%1 %2%3 \"%4\" (%5 > %6)")
                           .arg(QLatin1String(page->metaObject()->className()), w->objectName(), QLatin1String(where), text)
                           .arg(needs)
                           .arg(has);
    };
    // A label's and a check box's size hints hold their text, indent and margins.
    for (const QLabel* label : page->findChildren<QLabel*>())
        if (label->isVisibleTo(page))
            check(label, label->text(), label->minimumSizeHint().width(), label->width());
    for (const QCheckBox* box : page->findChildren<QCheckBox*>())
        if (box->isVisibleTo(page))
            check(box, box->text(), box->sizeHint().width(), box->width());
    // Every item of a list box fits the box; a long list's items fit its open list.
    for (QComboBox* box : page->findChildren<QComboBox*>()) {
        if (!box->isVisibleTo(page))
            continue;
        if (!Is_Long_List(page, box)) {
            for (int i = 0; i < box->count(); ++i)
                check(box, box->itemText(i), Item_Needs(box, i), box->width());
            continue;
        }
        box->showPopup();
        const QAbstractItemView* view = box->view();
        for (int i = 0; i < box->count(); ++i)
            check(box, box->itemText(i), view->sizeHintForIndex(box->model()->index(i, box->modelColumn())).width(),
                  view->viewport()->width(), " open list");
        box->hidePopup();
    }
    for (const QTableView* table : page->findChildren<QTableView*>()) {
        for (const QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()}) {
            if (!header->isVisibleTo(page))
                continue;
            // A column's text has its section's width; a row's, the header's.
            const bool columns = header->orientation() == Qt::Horizontal;
            for (int i = 0; i < header->count(); ++i) {
                const QString text = header->model()->headerData(i, header->orientation()).toString();
                if (!header->isSectionHidden(i))
                    check(table, text, Section_Needs(header, i, text), columns ? header->sectionSize(i) : header->width());
            }
        }
    }
    return clipped;
}
