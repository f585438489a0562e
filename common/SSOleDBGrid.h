// The grid model: columns, a bound recordset (through a data control) or unbound tab-separated
// rows, selection, the current row and style sets. A row's displayed cells are built when the row
// is first displayed (RowLoaded lets the form decorate them) and kept until the row, the binding or
// the columns change, so a long list costs only what is shown.
#pragma once

#include "common/Adodc.h"
#include "common/Control.h"
#include "common/GridColumnLayout.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace tavrik {

class SSOleDBGrid : public Control {
public:
    using Bookmark = Recordset::Bookmark;

    // A grid fed by dataControl, or an unbound grid when it is nullptr.
    SSOleDBGrid(std::string name, Adodc* dataControl = nullptr);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { Assign(caption_, std::move(caption)); }

    // Columns are replaced or edited as a whole and then announced with ColumnsChanged.
    std::vector<GridColumn>& Columns() { return columns_; }
    const std::vector<GridColumn>& Columns() const { return columns_; }
    GridColumn& Column(std::string_view name);
    void ColumnsChanged();
    // Replaces the columns with those of the table, in its order, and announces them. A column keeps
    // the style sets the one at its place had, so declaring the columns again keeps their bolding.
    void InstallColumns(std::span<const GridColumnLayout> layout);

    // Named style sets: whether their font is bold.
    bool StyleSetBold(const std::string& styleSet) const;
    // Every column's cells and heading take the style set, which is drawn bold or not.
    void SetAllColumnsStyleSet(const std::string& styleSet, bool bold);
    bool HeadFontBold() const { return headFontBold_; }
    void SetHeadFontBold(bool bold) { Assign(headFontBold_, bold); }

    bool IsBound() const { return dataControl_ != nullptr && dataControl_->Recordset() != nullptr; }
    std::size_t Rows() const;
    Bookmark RowBookmark(std::size_t displayRow) const;
    // The cells of a displayed row, decorated on first display and cached.
    const std::vector<std::string>& DisplayRow(std::size_t displayRow);
    // Number of rows decorated since the binding or the columns last changed.
    std::size_t DecoratedRows() const { return decorated_.size(); }

    // Unbound rows: cells separated by tabs.
    void AddItem(const std::string& tabSeparatedCells);
    // Removes one unbound row; the rows below it move up.
    void RemoveItem(std::size_t displayRow);
    void RemoveAll();

    // The current row (its bookmark), or nothing.
    std::optional<Bookmark> CurrentBookmark() const;
    void SetCurrentBookmark(Bookmark bookmark);
    // Text of a cell of the current row as displayed; "" without a current row. While RowLoaded
    // runs these address the row being loaded.
    std::string CellText(std::string_view columnName);
    void SetCellText(std::string_view columnName, std::string text);
    // Text of a cell of any displayed row, without moving the current row.
    std::string CellTextAt(std::size_t displayRow, std::string_view columnName);
    // A cell edit as the user makes it (a tick in a check-box column is "-1", a cleared one "0"):
    // the row becomes current and the cell takes the text, then Change and AfterUpdate are raised.
    // Refused (answers false) while the grid is disabled or the column is locked.
    bool EditCell(std::size_t displayRow, std::string_view columnName, std::string text);
    // Writes the cells edited since the last update into the bound recordset's fields (the grid's
    // update operation); an unbound grid keeps its edits in its rows already.
    void Update();
    // The displayed rows, top to bottom, whose cell in the check-box column is ticked.
    std::vector<std::size_t> TickedRows(std::string_view checkBoxColumn);

    const std::vector<Bookmark>& SelBookmarks() const { return selected_; }
    void ClearSelection();
    // A click on a displayed row as the user makes it: the row alone is selected and becomes the
    // current row, or it is added to (or taken from) the selection when extend is set; then Click
    // is raised. A disabled grid takes no clicks, nor Shift+clicks.
    void ClickRow(std::size_t displayRow, bool extend);
    // A Shift+click: the rows from the current row (or, without one, this row) down or up to this
    // one are selected, and no other; the current row stays. Then Click is raised.
    void ShiftClickRow(std::size_t displayRow);

    // Drops the decoration cache and asks the view to repaint.
    void Refresh();
    bool Redraw() const { return redraw_; }
    void SetRedraw(bool redraw) { Assign(redraw_, redraw); }

    Event<> Click;
    // A double-click on a row, or Enter on it; the click that selected the row came first.
    Event<> DblClick;
    Event<> Change;
    Event<> AfterUpdate;
    // Raised by the view after the user scrolled the rows.
    Event<> ScrollAfter;
    Event<Bookmark> RowLoaded;
    Event<> Refreshed;

private:
    const std::vector<std::string>& CellsOf(Bookmark bookmark);
    std::vector<std::string> BoundCells(Bookmark bookmark) const;
    std::size_t ColumnIndex(std::string_view name) const;
    void DropDecoration();

    Adodc* dataControl_;
    std::string caption_;
    std::vector<GridColumn> columns_;
    std::map<std::string, bool> styleSetBold_;
    bool headFontBold_ = false;
    std::vector<std::vector<std::string>> items_; // unbound rows
    std::map<Bookmark, std::vector<std::string>> decorated_;
    std::uint64_t decoratedRevision_ = 0;
    std::optional<Bookmark> loading_;
    struct PendingEdit {
        Bookmark row;
        std::size_t column;
        std::string text;
    };
    std::vector<PendingEdit> pendingEdits_; // bound cells edited and not yet written to the recordset
    std::optional<Bookmark> unboundCurrent_;
    std::vector<Bookmark> selected_;
    bool redraw_ = true;
};

} // namespace tavrik
