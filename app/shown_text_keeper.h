#pragma once

#include <QPointer>
#include <QString>
#include <QVector>

class QComboBox;
class QLineEdit;
class QWidget;

// Keeps what the text fields and list boxes of some pages show across an
// encode that is not a save: an encoder may put its normalised form into a
// field (a default name, a frequency in its stored form, N/E for a position
// stored as 0), which only a save should show. On destruction each field an
// encode changed gets its text or entry back, without running any slot.
class Shown_Text_Keeper
{
public:
    explicit Shown_Text_Keeper(const QVector<QWidget*>& pages);
    ~Shown_Text_Keeper();

    Shown_Text_Keeper(const Shown_Text_Keeper&) = delete;
    Shown_Text_Keeper& operator=(const Shown_Text_Keeper&) = delete;

private:
    struct Field
    {
        QPointer<QLineEdit> Edit;
        QString Text;
    };
    struct List
    {
        QPointer<QComboBox> Box;
        int Index;
    };
    QVector<Field> m_fields;
    QVector<List> m_lists;
};
