#include "app/clipped_captions.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyleOptionHeader>
#include <QTableView>

namespace {

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

} // namespace

QStringList Clipped_Captions(const QWidget* page)
{
    QStringList clipped;
    const auto check = [&](const QWidget* w, const QString& text, int needs, int has) {
        if (!text.isEmpty() && needs > has)
            clipped << QStringLiteral("%1 %2 \"%3\" (%4 > %5)")
                           .arg(QLatin1String(page->metaObject()->className()), w->objectName(), text)
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
