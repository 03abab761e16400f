#include "app/shown_text_keeper.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

Shown_Text_Keeper::Shown_Text_Keeper(const QVector<QWidget*>& pages)
{
    for (QWidget* page : pages) {
        for (QLineEdit* edit : page->findChildren<QLineEdit*>())
            m_fields.append({edit, edit->text()});
        for (QComboBox* box : page->findChildren<QComboBox*>())
            m_lists.append({box, box->currentIndex()});
    }
}

Shown_Text_Keeper::~Shown_Text_Keeper()
{
    for (const Field& field : m_fields) {
        if (field.Edit && field.Edit->text() != field.Text) {
            const QSignalBlocker blocker(field.Edit);
            field.Edit->setText(field.Text);
        }
    }
    for (const List& list : m_lists) {
        if (list.Box && list.Box->currentIndex() != list.Index) {
            const QSignalBlocker blocker(list.Box);
            list.Box->setCurrentIndex(list.Index);
        }
    }
}
