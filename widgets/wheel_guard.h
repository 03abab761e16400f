#pragma once

#include <QObject>

// Keeps the mouse wheel from changing a value nobody is editing: a combo box,
// spin box or slider takes the wheel only while it has the keyboard focus
// (and the wheel no longer gives it the focus); otherwise the wheel scrolls
// the scroll area around it. One guard serves the whole application.
class Wheel_Guard : public QObject
{
    Q_OBJECT
public:
    // Installs the guard on the application; later calls change nothing.
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class Filter>
    friend void Install_Application_Filter();
    using QObject::QObject;
};
