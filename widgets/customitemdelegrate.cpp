#include "widgets/customitemdelegrate.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

CustomItemDelegrate::CustomItemDelegrate(const QRegularExpression& pattern, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_pattern(pattern)
{
}

QWidget* CustomItemDelegrate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                           const QModelIndex& /*index*/) const
{
    auto* editor = new QLineEdit(parent);
    // Parented to the editor, so the validator lives exactly as long as it.
    editor->setValidator(new QRegularExpressionValidator(m_pattern, editor));
    return editor;
}

void CustomItemDelegrate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* lineEdit = qobject_cast<QLineEdit*>(editor))
        lineEdit->setText(index.model()->data(index, Qt::EditRole).toString());
}

void CustomItemDelegrate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* lineEdit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, lineEdit->text(), Qt::EditRole);
}
