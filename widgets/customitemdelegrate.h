#pragma once

#include <QRegularExpression>
#include <QStyledItemDelegate>

// A table-cell delegate whose editor is a line edit that accepts only what a
// regular expression allows. One instance may serve several columns and tables.
class CustomItemDelegrate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    CustomItemDelegrate(const QRegularExpression& pattern, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QRegularExpression m_pattern;
};
