#include "widgets/customitemdelegrate.h"

#include "widgets/field_validator.h"

#include <QLineEdit>

CustomItemDelegrate::CustomItemDelegrate(const QRegularExpression& pattern, QObject* parent)
    : CustomItemDelegrate(Field_Rule(pattern.pattern()), parent)
{
}

CustomItemDelegrate::CustomItemDelegrate(const Field_Rule& rule, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_rule(rule)
{
}

QWidget* CustomItemDelegrate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                           const QModelIndex& /*index*/) const
{
    auto* editor = new QLineEdit(parent);
    // Parented to the editor, so the validator lives exactly as long as it.
    Apply_Field_Rule(editor, m_rule);
    return editor;
}

void CustomItemDelegrate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The cell's text is what the cell stores, whatever the rule says of it.
    if (auto* lineEdit = qobject_cast<QLineEdit*>(editor))
        Show_Stored_Text(lineEdit, index.model()->data(index, Qt::EditRole).toString());
}

void CustomItemDelegrate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* lineEdit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, lineEdit->text(), Qt::EditRole);
}
