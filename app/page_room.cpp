#include "app/page_room.h"

#include <QApplication>
#include <QLayout>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVariant>

#include <utility>

namespace {

const char Own_Minimum[] = "pageRoomOwnMinimum";

// Sets `widget`'s minimum size to `floor`, never below the minimum it had
// before its first floor.
void Set_Floor(QWidget* widget, QSize floor)
{
    QVariant own = widget->property(Own_Minimum);
    if (!own.isValid()) {
        own = widget->minimumSize();
        widget->setProperty(Own_Minimum, own);
    }
    const QSize minimum = own.toSize().expandedTo(floor);
    if (widget->minimumSize() != minimum)
        widget->setMinimumSize(minimum);
}

bool Inside_Scroll_Area(const QWidget* widget, const QWidget* page)
{
    for (const QWidget* up = widget->parentWidget(); up && up != page; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(up))
            return true;
    }
    return false;
}

// Keeps every move and resize of `top` and the widgets in it from reaching
// them while it lives.
class Geometry_Hush : public QObject
{
public:
    explicit Geometry_Hush(const QWidget* top)
        : m_top(top)
    {
        qApp->installEventFilter(this);
    }
    ~Geometry_Hush() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Resize && event->type() != QEvent::Move)
            return false;
        const auto* widget = qobject_cast<const QWidget*>(watched);
        return widget && (widget == m_top || m_top->isAncestorOf(widget));
    }

private:
    const QWidget* m_top;
};

// The size a resizable scroll area gives its content at the area's present
// geometry: the viewport, less the scroll bars the content needs, but never
// below the content's minimum nor above its maximum.
QSize Content_Size(const QScrollArea* area)
{
    const QWidgetItem content(area->widget());
    const QSize least = content.minimumSize();
    const QSize room = area->maximumViewportSize();
    const int barWidth = area->verticalScrollBar()->sizeHint().width();
    const int barHeight = area->horizontalScrollBar()->sizeHint().height();
    const bool mayScrollDown = area->verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded;
    const bool mayScrollAcross = area->horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded;
    bool down = false;
    bool across = false;
    for (int pass = 0; pass < 2; ++pass) {
        down = mayScrollDown && least.height() > room.height() - (across ? barHeight : 0);
        across = mayScrollAcross && least.width() > room.width() - (down ? barWidth : 0);
    }
    const QSize view = room - QSize(down ? barWidth : 0, across ? barHeight : 0);
    return view.expandedTo(least).boundedTo(content.maximumSize());
}

// Lays `page` out at `size` as its layouts would (the scroll areas in it
// keep their contents as they are), unseen by its widgets, and runs `measure`
// meanwhile. Every geometry is then put back, and the layouts do their work
// again at the next layout pass.
void With_Page_At(QWidget* page, QSize size, const std::function<void()>& measure)
{
    QList<QWidget*> widgets{page};
    for (QWidget* widget : page->findChildren<QWidget*>()) { // parents before their children
        if (!widget->isWindow() && widget->isVisibleTo(page) && !Inside_Scroll_Area(widget, page))
            widgets.append(widget);
    }
    QVector<QRect> saved;
    for (const QWidget* widget : std::as_const(widgets))
        saved.append(widget->geometry());

    const Geometry_Hush hush(page);
    page->resize(size);
    QVector<QLayout*> laidOut;
    for (QWidget* widget : std::as_const(widgets)) {
        if (QLayout* layout = widget->layout()) {
            layout->setGeometry(widget->testAttribute(Qt::WA_LayoutOnEntireRect) ? widget->rect()
                                                                                 : widget->contentsRect());
            laidOut.append(layout);
        }
    }
    measure();
    for (int i = 0; i < widgets.size(); ++i) {
        if (widgets[i]->geometry() != saved[i])
            widgets[i]->setGeometry(saved[i]);
    }
    for (QLayout* layout : std::as_const(laidOut))
        layout->invalidate();
}

} // namespace

Page_Room::Page_Room(QStackedWidget* stack, std::function<QSize()> defaultRoom, QWidget* parent)
    : QScrollArea(parent)
    , m_stack(stack)
    , m_defaultRoom(std::move(defaultRoom))
{
    setWidgetResizable(true);
    setWidget(stack);
}

void Page_Room::Update_Floors()
{
    QWidget* page = m_stack->currentWidget();
    if (m_flooredPage && m_flooredPage != page)
        Set_Floor(m_flooredPage, QSize());
    m_flooredPage = page;
    if (!page || !page->layout()) // an empty slot, or a page not built yet
        return;
    // Hints afresh: a layout in a page out of sight keeps those of its
    // nested layouts until it is next laid out (after a language switch, the
    // old texts').
    for (QLayout* layout : page->findChildren<QLayout*>())
        layout->invalidate();
    const QSize room = m_defaultRoom();

    QVector<QScrollArea*> areas;
    for (QScrollArea* area : page->findChildren<QScrollArea*>()) {
        if (area->widget() && area->widgetResizable() && !Inside_Scroll_Area(area, page)) {
            Set_Floor(area->widget(), QSize()); // measured as it is without one
            areas.append(area);
        }
    }
    if (!areas.isEmpty()) {
        QVector<QSize> floors;
        With_Page_At(page, room, [&] {
            for (const QScrollArea* area : std::as_const(areas))
                floors.append(Content_Size(area).boundedTo(area->widget()->sizeHint()));
        });
        for (int i = 0; i < areas.size(); ++i)
            Set_Floor(areas[i]->widget(), floors[i]);
    }
    Set_Floor(page, room.boundedTo(page->sizeHint()));
}
