#include "desktop/GridBinding.h"

#include "common/SSOleDBGrid.h"
#include "desktop/GridCellDelegate.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <set>

namespace tavrik {

GridBinding::GridBinding(SSOleDBGrid& grid, QTableView* view, BoundWidgets& boundWidgets, QLabel* caption)
    : ControlBinding(grid, view, boundWidgets), grid_(grid), view_(view), caption_(caption),
      model_(new GridTableModel(grid, this)) {
    view_->setModel(model_);
    view_->setItemDelegate(new GridCellDelegate(view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::EditKeyPressed);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    viewport_ = view_->viewport();
    viewport_->installEventFilter(this);
    // The table keeps its place in the list across the resets that follow every change of the grid.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { savedScroll_ = view_->verticalScrollBar()->value(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { ShowColumnsAndRows(); });
    ShowColumnsAndRows();
    Repaint();
}

void GridBinding::Repaint() {
    ControlBinding::Repaint();
    view_->setUpdatesEnabled(grid_.Redraw());
    if (caption_ == nullptr)
        return;
    caption_->setTextFormat(Qt::PlainText);
    caption_->setText(QString::fromStdString(grid_.Caption()));
    if (!caption_->isWindow())
        caption_->setVisible(grid_.Visible() && !grid_.Caption().empty());
}

void GridBinding::ShowColumnsAndRows() {
    const std::vector<GridColumn>& columns = grid_.Columns();
    const double twipsPerPixel = 1440.0 / view_->logicalDpiX();
    for (std::size_t index = 0; index < columns.size(); ++index) {
        const int section = static_cast<int>(index);
        view_->setColumnWidth(section, static_cast<int>(columns[index].width / twipsPerPixel + 0.5));
        view_->setColumnHidden(section, !columns[index].visible);
    }

    QItemSelectionModel* selection = view_->selectionModel();
    const std::vector<SSOleDBGrid::Bookmark>& selected = grid_.SelBookmarks();
    const std::optional<SSOleDBGrid::Bookmark> current = grid_.CurrentBookmark();
    const std::set<SSOleDBGrid::Bookmark> wanted(selected.begin(), selected.end());
    QItemSelection rows;
    const std::size_t rowCount = grid_.Rows();
    // Bookmarks are found among the displayed rows in one pass; the rows are not decorated for it.
    for (std::size_t row = 0; row < rowCount && (!wanted.empty() || current); ++row) {
        const SSOleDBGrid::Bookmark bookmark = grid_.RowBookmark(row);
        const int displayRow = static_cast<int>(row);
        if (wanted.count(bookmark) != 0)
            rows.select(model_->index(displayRow, 0), model_->index(displayRow, model_->columnCount() - 1));
        if (current && *current == bookmark)
            selection->setCurrentIndex(model_->index(displayRow, 0), QItemSelectionModel::NoUpdate);
    }
    selection->select(rows, QItemSelectionModel::ClearAndSelect);
    view_->verticalScrollBar()->setValue(savedScroll_);
}

bool GridBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched != viewport_)
        return ControlBinding::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Press(static_cast<const QMouseEvent&>(*event));
        return true;
    case QEvent::MouseMove:
        // Dragging would select rows behind the model's back.
        return static_cast<const QMouseEvent*>(event)->buttons() != Qt::NoButton;
    default:
        return false;
    }
}

void GridBinding::Press(const QMouseEvent& event) {
    const QModelIndex index = view_->indexAt(event.position().toPoint());
    if (!index.isValid() || event.button() != Qt::LeftButton)
        return;
    const bool editable = model_->flags(index).testFlag(Qt::ItemIsEditable);
    if (event.type() == QEvent::MouseButtonDblClick && editable) {
        view_->edit(index);
        return;
    }
    const int row = index.row();
    const int column = index.column();
    const bool extend = event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    grid_.ClickRow(static_cast<std::size_t>(row), extend);
    // The click reset the table, so the cell is looked up again.
    const QModelIndex cell = model_->index(row, column);
    if (model_->flags(cell).testFlag(Qt::ItemIsUserCheckable)) {
        const bool checked = cell.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        model_->setData(cell, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
}

} // namespace tavrik
