#include "common/SSOleDBGrid.h"

#include "common/CheckBoxCell.h"
#include "common/TextUtil.h"

#include <algorithm>
#include <stdexcept>

namespace tavrik {
namespace {

std::string CellFromField(const FieldValue& value, const GridColumn& column) {
    if (value.IsNull())
        return "";
    if (column.dataType == ColumnDataType::Date)
        if (auto date = value.AsDate())
            return date->FormatUs();
    if (column.dataType == ColumnDataType::Currency)
        if (auto amount = value.AsCurrency())
            return amount->FormatRegional();
    return value.ToText();
}

std::vector<std::string> SplitTabs(const std::string& text) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = text.find('\t', start);
        cells.push_back(text.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return cells;
        start = tab + 1;
    }
}

} // namespace

SSOleDBGrid::SSOleDBGrid(std::string name, Adodc* dataControl)
    : Control(std::move(name)), dataControl_(dataControl) {
    if (dataControl_ != nullptr)
        dataControl_->RecordsetChanged.Connect([this] {
            selected_.clear();
            pendingEdits_.clear();
            DropDecoration();
            StateChanged.Raise();
        });
}

GridColumn& SSOleDBGrid::Column(std::string_view name) {
    return columns_[ColumnIndex(name)];
}

std::size_t SSOleDBGrid::ColumnIndex(std::string_view name) const {
    const std::string wanted = ToUpper(name);
    for (std::size_t index = 0; index < columns_.size(); ++index)
        if (ToUpper(columns_[index].name) == wanted)
            return index;
    throw std::runtime_error("The grid " + Name() + " has no column " + std::string(name) + ".");
}

void SSOleDBGrid::ColumnsChanged() {
    DropDecoration();
    StateChanged.Raise();
}

void SSOleDBGrid::InstallColumns(std::span<const GridColumnLayout> layout) {
    std::vector<GridColumn> columns;
    columns.reserve(layout.size());
    for (const GridColumnLayout& wanted : layout) {
        GridColumn column;
        column.caption = wanted.caption;
        column.name = wanted.name;
        column.dataField = wanted.dataField;
        column.width = wanted.width;
        column.visible = wanted.shown;
        column.locked = wanted.locked;
        column.alignment = wanted.alignment;
        column.numberFormat = wanted.numberFormat;
        column.dataType = wanted.dataType;
        column.fieldLength = wanted.fieldLength;
        column.style = wanted.style;
        if (columns.size() < columns_.size()) {
            column.styleSet = columns_[columns.size()].styleSet;
            column.headStyleSet = columns_[columns.size()].headStyleSet;
        }
        columns.push_back(std::move(column));
    }
    columns_ = std::move(columns);
    ColumnsChanged();
}

void SSOleDBGrid::SetAllColumnsStyleSet(const std::string& styleSet, bool bold) {
    styleSetBold_[styleSet] = bold;
    for (GridColumn& column : columns_) {
        column.styleSet = styleSet;
        column.headStyleSet = styleSet;
    }
    ColumnsChanged();
}

bool SSOleDBGrid::StyleSetBold(const std::string& styleSet) const {
    auto found = styleSetBold_.find(styleSet);
    return found != styleSetBold_.end() && found->second;
}

std::size_t SSOleDBGrid::Rows() const {
    return IsBound() ? dataControl_->Recordset()->VisibleRows().size() : items_.size();
}

SSOleDBGrid::Bookmark SSOleDBGrid::RowBookmark(std::size_t displayRow) const {
    if (displayRow >= Rows())
        throw std::runtime_error("The grid " + Name() + " has no row " + std::to_string(displayRow) + ".");
    return IsBound() ? dataControl_->Recordset()->VisibleRows()[displayRow] : displayRow;
}

const std::vector<std::string>& SSOleDBGrid::DisplayRow(std::size_t displayRow) {
    return CellsOf(RowBookmark(displayRow));
}

const std::vector<std::string>& SSOleDBGrid::CellsOf(Bookmark bookmark) {
    if (IsBound() && dataControl_->Recordset()->Revision() != decoratedRevision_) {
        decorated_.clear();
        decoratedRevision_ = dataControl_->Recordset()->Revision();
    }
    if (auto found = decorated_.find(bookmark); found != decorated_.end())
        return found->second;
    if (loading_)
        throw std::runtime_error("The grid " + Name() + " cannot load a row while it loads another.");

    std::vector<std::string> cells = IsBound() ? BoundCells(bookmark) : items_.at(bookmark);
    cells.resize(columns_.size());
    std::vector<std::string>& stored = decorated_[bookmark] = std::move(cells);
    loading_ = bookmark;
    try {
        RowLoaded.Raise(bookmark);
    } catch (...) {
        loading_.reset();
        throw;
    }
    loading_.reset();
    return stored;
}

std::vector<std::string> SSOleDBGrid::BoundCells(Bookmark bookmark) const {
    const Recordset& recordset = *dataControl_->Recordset();
    std::vector<std::string> cells;
    cells.reserve(columns_.size());
    for (const GridColumn& column : columns_)
        cells.push_back(column.dataField.empty() || !recordset.HasField(column.dataField)
                            ? std::string()
                            : CellFromField(recordset.FieldAt(bookmark, column.dataField), column));
    return cells;
}

void SSOleDBGrid::AddItem(const std::string& tabSeparatedCells) {
    items_.push_back(SplitTabs(tabSeparatedCells));
    StateChanged.Raise();
}

void SSOleDBGrid::RemoveItem(std::size_t displayRow) {
    if (IsBound() || displayRow >= items_.size())
        throw std::runtime_error("The grid " + Name() + " has no row " + std::to_string(displayRow) +
                                 " to remove.");
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(displayRow));
    // Bookmarks of unbound rows are their positions, so every later one moves up by one.
    const auto shifted = [displayRow](Bookmark bookmark) {
        return bookmark > displayRow ? bookmark - 1 : bookmark;
    };
    if (unboundCurrent_)
        unboundCurrent_ =
            *unboundCurrent_ == displayRow ? std::nullopt : std::optional(shifted(*unboundCurrent_));
    std::erase(selected_, displayRow);
    for (Bookmark& selected : selected_)
        selected = shifted(selected);
    DropDecoration();
    StateChanged.Raise();
}

void SSOleDBGrid::RemoveAll() {
    items_.clear();
    unboundCurrent_.reset();
    selected_.clear();
    DropDecoration();
    StateChanged.Raise();
}

std::optional<SSOleDBGrid::Bookmark> SSOleDBGrid::CurrentBookmark() const {
    if (!IsBound())
        return unboundCurrent_;
    const Recordset& recordset = *dataControl_->Recordset();
    if (recordset.IsBOF() || recordset.IsEOF())
        return std::nullopt;
    return recordset.GetBookmark();
}

void SSOleDBGrid::SetCurrentBookmark(Bookmark bookmark) {
    if (IsBound())
        dataControl_->Recordset()->SetBookmark(bookmark);
    else if (bookmark < items_.size())
        unboundCurrent_ = bookmark;
    StateChanged.Raise();
}

std::string SSOleDBGrid::CellText(std::string_view columnName) {
    const std::size_t index = ColumnIndex(columnName);
    if (loading_)
        return decorated_[*loading_][index];
    const std::optional<Bookmark> current = CurrentBookmark();
    return current ? CellsOf(*current)[index] : std::string();
}

void SSOleDBGrid::SetCellText(std::string_view columnName, std::string text) {
    const std::size_t index = ColumnIndex(columnName);
    const std::optional<Bookmark> row = loading_ ? loading_ : CurrentBookmark();
    if (!row)
        throw std::runtime_error("The grid " + Name() + " has no current row.");
    if (!loading_)
        CellsOf(*row);
    if (!IsBound() && *row < items_.size()) {
        items_[*row].resize(columns_.size());
        items_[*row][index] = text;
    }
    decorated_[*row][index] = std::move(text);
    if (!loading_)
        StateChanged.Raise();
}

std::string SSOleDBGrid::CellTextAt(std::size_t displayRow, std::string_view columnName) {
    const std::size_t index = ColumnIndex(columnName);
    return DisplayRow(displayRow)[index];
}

bool SSOleDBGrid::EditCell(std::size_t displayRow, std::string_view columnName, std::string text) {
    if (!Enabled() || columns_[ColumnIndex(columnName)].locked)
        return false;
    const Bookmark row = RowBookmark(displayRow);
    SetCurrentBookmark(row);
    if (IsBound())
        pendingEdits_.push_back({row, ColumnIndex(columnName), text});
    SetCellText(columnName, std::move(text));
    Change.Raise();
    AfterUpdate.Raise();
    return true;
}

void SSOleDBGrid::Update() {
    if (!IsBound()) {
        pendingEdits_.clear();
        return;
    }
    Recordset& recordset = *dataControl_->Recordset();
    std::vector<PendingEdit> edits = std::move(pendingEdits_);
    pendingEdits_.clear();
    for (PendingEdit& edit : edits) {
        if (edit.column >= columns_.size())
            continue;
        const std::string& field = columns_[edit.column].dataField;
        if (!field.empty() && recordset.HasField(field))
            recordset.SetFieldAt(edit.row, field, FieldValue(std::move(edit.text)));
    }
}

std::vector<std::size_t> SSOleDBGrid::TickedRows(std::string_view checkBoxColumn) {
    const std::size_t index = ColumnIndex(checkBoxColumn);
    std::vector<std::size_t> ticked;
    for (std::size_t row = 0; row < Rows(); ++row)
        if (CheckBoxCell::IsTicked(DisplayRow(row)[index]))
            ticked.push_back(row);
    return ticked;
}

void SSOleDBGrid::ClearSelection() {
    if (selected_.empty())
        return;
    selected_.clear();
    StateChanged.Raise();
}

void SSOleDBGrid::ClickRow(std::size_t displayRow, bool extend) {
    if (!Enabled())
        return;
    const Bookmark bookmark = RowBookmark(displayRow);
    auto found = std::find(selected_.begin(), selected_.end(), bookmark);
    if (!extend)
        selected_ = {bookmark};
    else if (found == selected_.end())
        selected_.push_back(bookmark);
    else
        selected_.erase(found);
    if (!extend)
        SetCurrentBookmark(bookmark); // raises StateChanged
    else
        StateChanged.Raise();
    Click.Raise();
}

void SSOleDBGrid::ShiftClickRow(std::size_t displayRow) {
    if (!Enabled())
        return;
    const std::optional<Bookmark> current = CurrentBookmark();
    std::size_t anchor = 0;
    while (current && anchor < Rows() && RowBookmark(anchor) != *current)
        ++anchor;
    if (!current || anchor == Rows())
        anchor = displayRow;
    selected_.clear();
    for (std::size_t row = std::min(anchor, displayRow); row <= std::max(anchor, displayRow); ++row)
        selected_.push_back(RowBookmark(row));
    StateChanged.Raise();
    Click.Raise();
}

void SSOleDBGrid::Refresh() {
    DropDecoration();
    Refreshed.Raise();
}

void SSOleDBGrid::DropDecoration() {
    decorated_.clear();
    decoratedRevision_ = IsBound() ? dataControl_->Recordset()->Revision() : 0;
}

} // namespace tavrik
