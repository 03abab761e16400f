#pragma once

#include <QPointer>
#include <QScrollArea>

#include <functional>

class QStackedWidget;

// The scrolled room the page stack sits in. A room smaller than the one the
// default window gives scrolls rather than squeezes: the current page is laid
// out at least as large as it is in that room or as its size hint asks,
// whichever is smaller, and so is the content of each scroll area in the page
// (as large as it is with the page laid out in that room, or as its hint).
// The floors come from the page's layouts and hints alone, so they are the
// same whatever the window's size and whichever pages were built before.
class Page_Room : public QScrollArea
{
public:
    // `defaultRoom` gives the size of the room in the default window, as the
    // window's frame stands now.
    Page_Room(QStackedWidget* stack, std::function<QSize()> defaultRoom, QWidget* parent);

    // Takes the floors of the current page anew: after the current page, its
    // texts or its values changed, or the frame around the room did. The page
    // left keeps no floor.
    void Update_Floors();

private:
    QStackedWidget* m_stack;
    std::function<QSize()> m_defaultRoom;
    QPointer<QWidget> m_flooredPage;
};
