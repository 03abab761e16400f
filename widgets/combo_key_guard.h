#pragma once

#include <QObject>

// Keeps a key pressed with Alt, Ctrl or Meta from changing a combo box's
// value: such a key is a command (a menu's mnemonic, a shortcut), never a
// choice, so the keyboard search and the arrow, page, Home and End moves do
// not take it. Alt+Up and Alt+Down open the list, as they do anyway where
// the style allows. One guard serves the whole application.
class Combo_Key_Guard : public QObject
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
