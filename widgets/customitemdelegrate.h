#pragma once

#include "widgets/field_rule.h"

#include <QRegularExpression>
#include <QStyledItemDelegate>

// A table-cell delegate whose editor is a line edit that takes only what its
// field rule allows (a regular expression at least). One instance may serve
// several columns of one view; a second view would also receive its commits.
//
// Return and Enter commit and close the editor at once, as Tab and a focus
// change do. (Qt's own delegate does it from a queued call, which comes after
// any other close that happens first, a click on another cell for one, and
// then commits an editor the view no longer has.)
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

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    Field_Rule m_rule;
};
