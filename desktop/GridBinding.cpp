#include "desktop/GridBinding.h"

#include "common/SSOleDBGrid.h"
#include "desktop/ColumnWidths.h"
#include "desktop/GridCellDelegate.h"
#include "desktop/Twips.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>
#include <optional>
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
    // Tab leaves the list: moving inside it is the arrows' job.
    view_->setTabKeyNavigation(false);
    view_->installEventFilter(this);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    viewport_ = view_->viewport();
    viewport_->installEventFilter(this);
    // The table keeps its place in the list across the resets that follow every change of the grid.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { savedScroll_ = view_->verticalScrollBar()->value(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { ShowColumnsAndRows(); });
    // An action is announced before the scroll bar takes its value: the form hears of the scroll once
    // the rows have moved, and only when they did.
    QScrollBar* scroll = view_->verticalScrollBar();
    connect(scroll, &QAbstractSlider::actionTriggered, this, [this, scroll] {
        if (scroll->sliderPosition() != scroll->value())
            QMetaObject::invokeMethod(
                this, [this] { grid_.ScrollAfter.Raise(); }, Qt::QueuedConnection);
    });
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

int GridBinding::FullWidth() const {
    return view_->horizontalHeader()->length() + 2 * view_->frameWidth() +
           view_->verticalScrollBar()->sizeHint().width();
}

void GridBinding::StretchColumns() {
    stretch_ = true;
    FitColumns();
}

void GridBinding::ShowColumnsAndRows() {
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
            selection->setCurrentIndex(model_->index(displayRow, FirstShownColumn()),
                                       QItemSelectionModel::NoUpdate);
    }
    selection->select(rows, QItemSelectionModel::ClearAndSelect);
    view_->verticalScrollBar()->setValue(savedScroll_);
    // Once back in place, so that the rows measured are the rows in sight.
    FitColumns();
}

void GridBinding::FitColumns() {
    const std::vector<GridColumn>& columns = grid_.Columns();
    QHeaderView& header = *view_->horizontalHeader();
    QStyleOptionHeader caption;
    caption.initFrom(&header);
    QFont bold = header.font();
    bold.setBold(true);
    caption.fontMetrics = QFontMetrics(bold);
    // Values are measured on the rows in sight, so not before the table shows.
    const bool measureValues = view_->isVisible();
    std::vector<int> sections;
    std::vector<int> designed;
    std::vector<int> needed;
    for (std::size_t index = 0; index < columns.size(); ++index) {
        const int section = static_cast<int>(index);
        view_->setColumnHidden(section, !columns[index].visible);
        if (!columns[index].visible)
            continue;
        caption.text = QString::fromStdString(columns[index].caption);
        const int captionWidth =
            header.style()->sizeFromContents(QStyle::CT_HeaderSection, &caption, QSize(), &header).width();
        const int valueWidth = measureValues ? ValuesWidth(section) : 0;
        sections.push_back(section);
        designed.push_back(static_cast<int>(TwipsToPixels(columns[index].width, view_->logicalDpiX()) + 0.5));
        needed.push_back(std::max(captionWidth, valueWidth));
    }
    const std::vector<int> widths =
        FitColumnWidths(designed, needed, stretch_ ? view_->viewport()->width() : 0);
    for (std::size_t shown = 0; shown < sections.size(); ++shown)
        if (view_->columnWidth(sections[shown]) != widths[shown])
            view_->setColumnWidth(sections[shown], widths[shown]);
}

int GridBinding::ValuesWidth(int section) const {
    const int rowHeight = std::max(1, view_->verticalHeader()->defaultSectionSize());
    const int first = std::max(view_->rowAt(0), 0);
    const int last = std::min(model_->rowCount() - 1, first + view_->viewport()->height() / rowHeight);
    QStyleOptionViewItem option;
    option.initFrom(view_);
    int widest = 0;
    for (int row = first; row <= last; ++row) {
        const QModelIndex cell = model_->index(row, section);
        widest = std::max(widest, view_->itemDelegateForIndex(cell)->sizeHint(option, cell).width());
    }
    // The grid line takes a pixel of every cell.
    return widest + (view_->showGrid() ? 1 : 0);
}

int GridBinding::FirstShownColumn() const {
    const std::vector<GridColumn>& columns = grid_.Columns();
    const auto shown =
        std::find_if(columns.begin(), columns.end(), [](const GridColumn& column) { return column.visible; });
    return shown == columns.end() ? 0 : static_cast<int>(shown - columns.begin());
}

bool GridBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_) {
        if (event->type() == QEvent::Show)
            FitColumns();
        return event->type() == QEvent::KeyPress && KeyPress(static_cast<const QKeyEvent&>(*event));
    }
    if (watched != viewport_)
        return ControlBinding::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize:
        if (stretch_)
            FitColumns();
        return false;
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
    const bool doubleClick = event.type() == QEvent::MouseButtonDblClick;
    if (doubleClick && model_->flags(index).testFlag(Qt::ItemIsEditable)) {
        view_->edit(index);
        return;
    }
    ClickCell(index.row(), index.column(), event.modifiers());
    if (doubleClick)
        grid_.DblClick.Raise();
    else if (event.modifiers() == Qt::NoModifier)
        EditCell(index.row(), index.column());
}

std::optional<int> GridBinding::MoveTarget(int key, int cursor) const {
    const int rowHeight = std::max(1, view_->verticalHeader()->defaultSectionSize());
    const int page = std::max(1, view_->viewport()->height() / rowHeight);
    switch (key) {
    case Qt::Key_Up:
        return std::max(cursor, 1) - 1;
    case Qt::Key_Down:
        return cursor + 1;
    case Qt::Key_PageUp:
        return std::max(cursor - page, 0);
    case Qt::Key_PageDown:
        return cursor < 0 ? 0 : cursor + page;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return model_->rowCount() - 1;
    default:
        return std::nullopt;
    }
}

bool GridBinding::KeyPress(const QKeyEvent& event) {
    const int cursor = view_->currentIndex().isValid() ? view_->currentIndex().row() : -1;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Rows are selected whole: sideways the list only scrolls.
        view_->horizontalScrollBar()->triggerAction(event.key() == Qt::Key_Left
                                                        ? QAbstractSlider::SliderSingleStepSub
                                                        : QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Space:
        if (cursor >= 0)
            PressSpace(cursor, modifiers);
        return true;
    case Qt::Key_F2:
        if (cursor >= 0)
            EditRow(cursor);
        return true;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        // The table then lets the key go on, so a dialog's default button still takes it.
        if (cursor >= 0)
            grid_.DblClick.Raise();
        return false;
    default:
        break;
    }
    const std::optional<int> target = MoveTarget(event.key(), cursor);
    if (!target) {
        // Typing would search the list and Ctrl+A select all of it, behind the model's back.
        return event.matches(QKeySequence::SelectAll) ||
               (!event.text().isEmpty() && event.text().at(0).isPrint());
    }
    if (model_->rowCount() == 0)
        return true;
    const int row = std::clamp(*target, 0, model_->rowCount() - 1);
    if (modifiers & Qt::ShiftModifier)
        grid_.ShiftClickRow(static_cast<std::size_t>(row));
    else if (!(modifiers & Qt::ControlModifier))
        grid_.ClickRow(static_cast<std::size_t>(row), false);
    // With Ctrl the focus moves alone; Ctrl+Space then adds its row to the selection.
    PlaceCursor(row);
    return true;
}

void GridBinding::EditRow(int row) {
    for (int column = 0; column < model_->columnCount(); ++column)
        if (!view_->isColumnHidden(column) && EditCell(row, column))
            return;
}

bool GridBinding::EditCell(int row, int column) {
    // The click before may have reset the table, so the cell is looked up again.
    const QModelIndex cell = model_->index(row, column);
    if (!model_->flags(cell).testFlag(Qt::ItemIsEditable))
        return false;
    view_->edit(cell);
    return true;
}

void GridBinding::PressSpace(int row, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ControlModifier) {
        grid_.ClickRow(static_cast<std::size_t>(row), true);
        PlaceCursor(row);
        return;
    }
    // The space bar ticks the row's check box, if it has one, as a click on it would.
    for (int column = 0; column < model_->columnCount(); ++column)
        if (!view_->isColumnHidden(column) &&
            model_->flags(model_->index(row, column)).testFlag(Qt::ItemIsUserCheckable)) {
            ClickCell(row, column, {});
            return;
        }
    ClickCell(row, FirstShownColumn(), {});
}

void GridBinding::ClickCell(int row, int column, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ShiftModifier)
        grid_.ShiftClickRow(static_cast<std::size_t>(row));
    else
        grid_.ClickRow(static_cast<std::size_t>(row), modifiers & Qt::ControlModifier);
    // The click reset the table, so the cell is looked up again.
    const QModelIndex cell = model_->index(row, column);
    if (model_->flags(cell).testFlag(Qt::ItemIsUserCheckable)) {
        const bool checked = cell.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        model_->setData(cell, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
    PlaceCursor(row);
}

void GridBinding::PlaceCursor(int row) {
    const QModelIndex cell = model_->index(row, FirstShownColumn());
    view_->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
    view_->scrollTo(cell);
}

} // namespace tavrik
