#pragma once

#include "widgets/field_rule.h"

#include <QRegularExpression>
#include <QStyledItemDelegate>

// A table-cell delegate whose editor is a line edit that takes only what its
// field rule allows (a regular expression at least). One instance may serve
// several columns and tables.
class CustomItemDelegrate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    CustomItemDelegrate(const QRegularExpression& pattern, QObject* parent);
    CustomItemDelegrate(const Field_Rule& rule, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    Field_Rule m_rule;
};
