#include "desktop/GridCellDelegate.h"

#include "desktop/GridTableModel.h"

#include <QComboBox>

namespace tavrik {

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    const QStringList items = index.data(GridTableModel::ListItemsRole).toStringList();
    if (items.isEmpty())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* list = new QComboBox(parent);
    list->addItems(items);
    return list;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* list = qobject_cast<QComboBox*>(editor);
    if (list == nullptr) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    list->setCurrentIndex(list->findText(index.data(Qt::EditRole).toString()));
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    auto* list = qobject_cast<QComboBox*>(editor);
    if (list == nullptr) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    model->setData(index, list->currentText(), Qt::EditRole);
}

} // namespace tavrik
