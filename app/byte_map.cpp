#include "app/byte_map.h"

#include "app/mainwindow.h"
#include "app/shell_blocks.h"
#include "widgets/block_codec.h"
#include "widgets/page_frame.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>

namespace {

const QString None = QStringLiteral("-");

QString Label_Text(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label ? label->text().simplified() : QString();
}

// The widgets of a layout row, without its separator lines (plain frames).
QVector<const QWidget*> Cells(const QLayout* row)
{
    QVector<const QWidget*> cells;
    for (int i = 0; i < row->count(); ++i) {
        const QWidget* w = row->itemAt(i)->widget();
        if (w && w->metaObject() != &QFrame::staticMetaObject)
            cells.append(w);
    }
    return cells;
}

// Whether `layout` is a box running in direction `first` or `second`.
bool Box_Runs(const QLayout* layout, QBoxLayout::Direction first, QBoxLayout::Direction second)
{
    const auto* box = qobject_cast<const QBoxLayout*>(layout);
    return box && (box->direction() == first || box->direction() == second);
}

bool Is_Horizontal(const QLayout* layout)
{
    return Box_Runs(layout, QBoxLayout::LeftToRight, QBoxLayout::RightToLeft);
}

// The layout, `layout` or one inside it, that holds `widget` as an item of its own.
const QLayout* Layout_Holding(const QLayout* layout, const QWidget* widget)
{
    if (layout->indexOf(widget) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i) {
        const QLayout* inner = layout->itemAt(i)->layout();
        if (const QLayout* found = inner ? Layout_Holding(inner, widget) : nullptr)
            return found;
    }
    return nullptr;
}

// The nearest label with a text before `widget` in its row (in a grid, in
// the same row at a lower column).
QString Label_Before(const QLayout* row, const QWidget* widget)
{
    const int index = row->indexOf(widget);
    if (const auto* grid = qobject_cast<const QGridLayout*>(row)) {
        int r, c, rows, columns;
        grid->getItemPosition(index, &r, &c, &rows, &columns);
        for (int column = c - 1; column >= 0; --column) {
            const QLayoutItem* item = grid->itemAtPosition(r, column);
            const QString text = item ? Label_Text(item->widget()) : QString();
            if (!text.isEmpty())
                return text;
        }
        return {};
    }
    for (int i = index - 1; i >= 0; --i) {
        const QString text = Label_Text(row->itemAt(i)->widget());
        if (!text.isEmpty())
            return text;
    }
    return {};
}

// In a list of rows (horizontal rows in a column, below a row of labels
// only, its header), the header's text over `widget`'s column; the columns
// line up from the right. A section's title above the row ends the search.
QString Column_Header(const QLayout* row, const QWidget* widget)
{
    const auto* list = qobject_cast<const QBoxLayout*>(row->parent());
    if (!list || !Is_Horizontal(row) || !Box_Runs(list, QBoxLayout::TopToBottom, QBoxLayout::BottomToTop))
        return {};
    int at = 0;
    while (at < list->count() && list->itemAt(at)->layout() != row)
        ++at;
    for (int i = at - 1; i >= 0; --i) {
        QLayoutItem* item = list->itemAt(i);
        if (!Label_Text(item->widget()).isEmpty())
            return {};
        const QLayout* above = item->layout();
        if (!above || !Is_Horizontal(above) || above->findChild<const QLayout*>())
            continue;
        const QVector<const QWidget*> header = Cells(above);
        const bool labelsOnly = std::all_of(header.cbegin(), header.cend(), [](const QWidget* w) {
            return qobject_cast<const QLabel*>(w);
        });
        if (header.isEmpty() || !labelsOnly)
            continue;
        const QVector<const QWidget*> cells = Cells(row);
        const int column = header.size() - (cells.size() - int(cells.indexOf(widget)));
        return cells.contains(widget) && column >= 0 ? Label_Text(header.at(column)) : QString();
    }
    return {};
}

QString Widget_Caption(const QWidget* widget)
{
    QString caption;
    const QWidget* parent = widget->parentWidget();
    const QLayout* row = parent && parent->layout() ? Layout_Holding(parent->layout(), widget) : nullptr;
    if (row)
        caption = (Column_Header(row, widget) + QLatin1Char(' ') + Label_Before(row, widget)).trimmed();
    if (caption.isEmpty()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            caption = button->text().simplified();
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            caption = box->title().simplified();
    }
    return caption.isEmpty() ? None : caption;
}

QString Hex_Addr(int addr)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(addr, 5, 16, QLatin1Char('0')).toUpper();
}

int End(const Byte_Owner& owner)
{
    return owner.Addr + owner.Width;
}

} // namespace

Byte_Map Sorted_Byte_Map(QVector<Byte_Owner> owners)
{
    std::stable_sort(owners.begin(), owners.end(),
                     [](const Byte_Owner& a, const Byte_Owner& b) { return a.Addr < b.Addr; });
    Byte_Map map;
    for (int i = 0; i < owners.size(); ++i) {
        const Byte_Owner& a = owners.at(i);
        for (int j = i + 1; j < owners.size() && owners.at(j).Addr < End(a); ++j) {
            const Byte_Owner& b = owners.at(j);
            map.Conflicts << QStringLiteral("conflict: %1-%2 claimed by %3 %4 and by %5 %6")
                                 .arg(Hex_Addr(b.Addr), Hex_Addr(std::min(End(a), End(b)) - 1), a.Page, a.Widget,
                                      b.Page, b.Widget);
        }
    }
    map.Owners = std::move(owners);
    return map;
}

Byte_Map Make_Byte_Map(const MainWindow& window)
{
    QVector<Byte_Owner> owners;
    for (int slot = 0; slot < MainWindow::Slot_Count; ++slot) {
        const QWidget* page = window.Page_At(MainWindow::Page_Slot(slot));
        const Page_Frame* frame = Page_Frame::Of(page);
        if (!frame)
            continue; // a slot without a page, or a page without a field map
        const QString name = QLatin1String(page->metaObject()->className());
        for (const Field_Owner& owner : frame->Owners()) {
            const QWidget* w = owner.Widget;
            owners.append({owner.Span.Addr(), owner.Span.Width, name, w ? w->objectName() : None,
                           w ? Widget_Caption(w) : None});
        }
    }
    for (const Block_Span& span : Shell_Fixed_Blocks().Owned())
        owners.append({span.Addr(), span.Width, QStringLiteral("shell"), None, None});
    return Sorted_Byte_Map(owners);
}

QStringList Byte_Map_Lines(const Byte_Map& map)
{
    const QString page = QStringLiteral("page");
    const QString widget = QStringLiteral("widget");
    int pageWidth = page.size();
    int widgetWidth = widget.size();
    for (const Byte_Owner& owner : map.Owners) {
        pageWidth = std::max(pageWidth, int(owner.Page.size()));
        widgetWidth = std::max(widgetWidth, int(owner.Widget.size()));
    }
    const auto line = [&](const QString& addr, const QString& width, const QString& p, const QString& w,
                          const QString& caption) {
        return QStringLiteral("%1 %2  %3  %4  %5")
            .arg(addr.leftJustified(7), width.rightJustified(5), p.leftJustified(pageWidth),
                 w.leftJustified(widgetWidth), caption);
    };
    QStringList lines{line(QStringLiteral("address"), QStringLiteral("width"), page, widget,
                           QStringLiteral("caption"))};
    for (const Byte_Owner& owner : map.Owners)
        lines << line(Hex_Addr(owner.Addr), QString::number(owner.Width), owner.Page, owner.Widget, owner.Caption);
    return lines + map.Conflicts;
}
