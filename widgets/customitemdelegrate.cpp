#include "widgets/customitemdelegrate.h"

#include "widgets/field_validator.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Whether the editor's text may be committed, after its validator's fixup
// where the text is not acceptable as it stands.
bool Acceptable_After_Fixup(QLineEdit* editor)
{
    if (editor->hasAcceptableInput())
        return true;
    if (const QValidator* validator = editor->validator()) {
        QString text = editor->text();
        validator->fixup(text);
        if (text != editor->text())
            editor->setText(text);
    }
    return editor->hasAcceptableInput();
}

} // namespace

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

bool CustomItemDelegrate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // A text that is not acceptable keeps the editor open.
            if (Acceptable_After_Fixup(editor)) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
            }
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
