#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

// Brings a line edit to the text its codec gives back (its stored form) when
// editing finishes or the edit loses the focus, so that it never shows what
// it would not store; a number its own rule refuses goes back to the text the
// field showed before the edit. Lives as a child of its line edit.
class Stored_Form_Keeper : public QObject
{
    Q_OBJECT
public:
    Stored_Form_Keeper(QLineEdit* edit, std::function<QString(const QString&)> stored);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Keep();

    QLineEdit* m_edit;
    std::function<QString(const QString&)> m_stored;
};
