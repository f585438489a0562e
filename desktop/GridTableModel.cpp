#include "desktop/GridTableModel.h"

#include "common/CheckBoxCell.h"
#include "common/SSOleDBGrid.h"
#include "desktop/ModelEvents.h"

#include <QFont>
#include <QStringList>

#include <exception>

namespace tavrik {
namespace {

Qt::Alignment AlignmentOf(ColumnAlignment alignment) {
    switch (alignment) {
    case ColumnAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case ColumnAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Sets a flag for the length of a call.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

} // namespace

GridTableModel::GridTableModel(SSOleDBGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {
    ConnectWhileAlive(grid_.StateChanged, this, [this] { Reset(); });
    ConnectWhileAlive(grid_.Refreshed, this, [this] { Reset(); });
}

void GridTableModel::Reset() {
    if (busy_) {
        if (!resetQueued_)
            QMetaObject::invokeMethod(this, &GridTableModel::Reset, Qt::QueuedConnection);
        resetQueued_ = true;
        return;
    }
    resetQueued_ = false;
    beginResetModel();
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(grid_.Rows());
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(grid_.Columns().size());
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const GridColumn& column = grid_.Columns().at(static_cast<std::size_t>(index.column()));
    switch (role) {
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(column.alignment));
    case Qt::FontRole: {
        if (column.styleSet.empty())
            return {};
        QFont font;
        font.setBold(grid_.StyleSetBold(column.styleSet));
        return font;
    }
    case ListItemsRole: {
        if (column.style != ColumnStyle::DropDown)
            return {};
        QStringList items;
        for (const std::string& item : column.listItems)
            items << QString::fromStdString(item);
        return items;
    }
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::CheckStateRole:
        return CellData(index, column, role);
    default:
        return {};
    }
}

QVariant GridTableModel::CellData(const QModelIndex& index, const GridColumn& column, int role) const {
    const bool checkBox = column.style == ColumnStyle::CheckBox;
    if (checkBox != (role == Qt::CheckStateRole))
        return {};
    std::string text;
    {
        const BusyScope busy(busy_);
        try {
            text = grid_.DisplayRow(static_cast<std::size_t>(index.row()))
                       .at(static_cast<std::size_t>(index.column()));
        } catch (const std::exception&) {
            // The form reports its own errors while it decorates; the view shows the cell empty.
            return {};
        }
    }
    if (checkBox)
        return CheckBoxCell::IsTicked(text) ? Qt::Checked : Qt::Unchecked;
    return QString::fromStdString(text);
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const GridColumn& column = grid_.Columns()[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return QString::fromStdString(column.caption);
    if (role == Qt::FontRole) {
        QFont font;
        font.setBold(column.headStyleSet.empty() ? grid_.HeadFontBold()
                                                 : grid_.StyleSetBold(column.headStyleSet));
        return font;
    }
    return {};
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const GridColumn& column = grid_.Columns().at(static_cast<std::size_t>(index.column()));
    if (column.locked)
        return result;
    if (column.style == ColumnStyle::CheckBox)
        return result | Qt::ItemIsUserCheckable;
    return result | Qt::ItemIsEditable;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    const GridColumn& column = grid_.Columns().at(static_cast<std::size_t>(index.column()));
    const bool checkBox = column.style == ColumnStyle::CheckBox;
    if (checkBox != (role == Qt::CheckStateRole) || (!checkBox && role != Qt::EditRole))
        return false;
    const std::string text =
        checkBox ? (value.toInt() == Qt::Checked ? CheckBoxCell::kTicked : CheckBoxCell::kCleared)
                 : value.toString().toStdString();
    {
        const BusyScope busy(busy_);
        if (!grid_.EditCell(static_cast<std::size_t>(index.row()), column.name, text))
            return false;
    }
    emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(columnCount() - 1));
    return true;
}

} // namespace tavrik
