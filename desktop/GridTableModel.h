// Shows a grid model to a QTableView: its columns, captions and cells. A cell is read from the grid
// only when the view asks for it, so only the rows the view paints are ever decorated.
#pragma once

#include <QAbstractTableModel>

namespace tavrik {

// The grid model's headers are kept out of this one, which the meta-object compiler reads.
class SSOleDBGrid;
struct GridColumn;

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The drop-down choices of a cell's column, as a QStringList, for the cell editor.
    static constexpr int ListItemsRole = Qt::UserRole + 1;

    explicit GridTableModel(SSOleDBGrid& grid, QObject* parent = nullptr);

    SSOleDBGrid& Grid() const { return grid_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    // Everything may have changed: rows, columns, decoration, selection.
    void Reset();
    QVariant CellData(const QModelIndex& index, const GridColumn& column, int role) const;

    SSOleDBGrid& grid_;
    // Set while the grid is read or written for the view; a change the grid announces then (a form
    // decorating the row, say) is shown once the view's call is over.
    mutable bool busy_ = false;
    bool resetQueued_ = false;
};

} // namespace tavrik
