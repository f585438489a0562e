// Edits a grid cell: a drop-down list of the column's choices for a drop-down column, the usual
// line edit for the others.
#pragma once

#include <QStyledItemDelegate>

namespace tavrik {

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace tavrik
