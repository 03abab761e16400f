#pragma once

#include <QApplication>
#include <QPointer>

// Installs one event filter of type `Filter` on the whole application, made
// with the application as its parent; later calls change nothing. A filter
// class with a private constructor names this function its friend.
template <class Filter>
void Install_Application_Filter()
{
    static QPointer<Filter> filter;
    if (filter || !qApp)
        return;
    filter = new Filter(qApp);
    qApp->installEventFilter(filter);
}
