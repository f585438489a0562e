#include "common/SSOleDBGrid.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

std::shared_ptr<Recordset> NumberedRows(int count) {
    DataTable table({{"NBR", FieldType::Text}, {"AMT", FieldType::Currency}, {"DT", FieldType::Date}});
    for (int row = 0; row < count; ++row)
        table.AddRow({FieldValue(std::to_string(1000 + row)), FieldValue(Currency::FromCents(-row * 100)),
                      row == 0 ? FieldValue() : FieldValue(*CalendarDate::FromYmd(2026, 1, 1 + row % 28))});
    return std::make_shared<Recordset>(std::move(table));
}

GridColumn MakeColumn(std::string name, std::string field, ColumnDataType type = ColumnDataType::Text) {
    GridColumn column;
    column.name = std::move(name);
    column.dataField = std::move(field);
    column.dataType = type;
    return column;
}

struct BoundGrid {
    BoundGrid() {
        grid.Columns() = {MakeColumn("NBR", "NBR"), MakeColumn("AMT", "AMT", ColumnDataType::Currency),
                          MakeColumn("DT", "DT", ColumnDataType::Date), MakeColumn("NOTE", "")};
        grid.RowLoaded.Connect([this](SSOleDBGrid::Bookmark bookmark) {
            ++decorations;
            grid.SetCellText("NOTE", "row " + std::to_string(bookmark));
        });
    }

    std::string Render(std::size_t displayRow) {
        std::string text;
        for (const std::string& cell : grid.DisplayRow(displayRow))
            text += cell + "|";
        return text;
    }

    Adodc adodc;
    SSOleDBGrid grid{"grid", &adodc};
    int decorations = 0;
};

TEST(SSOleDBGrid, decorates_only_rows_that_are_displayed_and_caches_them) {
    BoundGrid bound;
    bound.adodc.SetRecordset(NumberedRows(50000));

    const std::string first = bound.Render(0);
    const std::string second = bound.Render(1);
    bound.Render(0);

    EXPECT_EQ(first, "1000|$0.00||row 0|");
    EXPECT_EQ(second, "1001|($1.00)|01/02/2026|row 1|");
    EXPECT_EQ(bound.decorations, 2);
    EXPECT_EQ(bound.grid.DecoratedRows(), 2u);
}

TEST(SSOleDBGrid, drops_decoration_when_the_rows_are_sorted_or_rebound) {
    BoundGrid bound;
    bound.adodc.SetRecordset(NumberedRows(3));
    bound.Render(0);

    bound.adodc.Recordset()->Sort("NBR DESC");
    const std::string afterSort = bound.Render(0);
    bound.adodc.SetRecordset(NumberedRows(1));

    EXPECT_EQ(afterSort, "1002|($2.00)|01/03/2026|row 2|");
    EXPECT_EQ(bound.grid.Rows(), 1u);
    EXPECT_EQ(bound.grid.DecoratedRows(), 0u);
    EXPECT_EQ(bound.decorations, 2);
}

TEST(SSOleDBGrid, current_row_cells_read_as_displayed_after_a_click) {
    BoundGrid bound;
    bound.adodc.SetRecordset(NumberedRows(3));
    int clicks = 0;
    bound.grid.Click.Connect([&] { ++clicks; });

    bound.grid.ClickRow(2, false);
    bound.grid.SetCurrentBookmark(bound.grid.SelBookmarks().front());
    bound.grid.ClickRow(0, true);

    EXPECT_EQ(bound.grid.CellText("NOTE"), "row 2");
    EXPECT_EQ(bound.grid.CellText("nbr"), "1002");
    EXPECT_EQ(bound.grid.SelBookmarks(), (std::vector<SSOleDBGrid::Bookmark>{2, 0}));
    EXPECT_EQ(clicks, 2);
    EXPECT_THROW(bound.grid.CellText("MISSING"), std::runtime_error);
}

// The selection and current row after a series of clicks, written "selected rows / current row".
std::string SelectionAfter(const std::vector<std::pair<std::size_t, char>>& clicks) {
    SSOleDBGrid grid("unbound");
    grid.Columns() = {MakeColumn("A", "")};
    for (int row = 0; row < 6; ++row)
        grid.AddItem("r" + std::to_string(row));
    int raised = 0;
    grid.Click.Connect([&] { ++raised; });
    for (const auto& [row, how] : clicks) {
        if (how == 'S')
            grid.ShiftClickRow(row);
        else
            grid.ClickRow(row, how == 'C');
    }
    std::string text;
    for (SSOleDBGrid::Bookmark selected : grid.SelBookmarks())
        text += std::to_string(selected) + " ";
    const std::optional<SSOleDBGrid::Bookmark> current = grid.CurrentBookmark();
    text += "/ " + (current ? std::to_string(*current) : std::string("none"));
    return raised == static_cast<int>(clicks.size()) ? text : "Click raised " + std::to_string(raised);
}

TEST(SSOleDBGrid, clicks_select_and_move_the_current_row_as_the_user_makes_them) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::size_t, char>> clicks; // 'P' plain, 'C' Ctrl, 'S' Shift
        const char* expected;
    };
    const Case cases[] = {
        {"plain click selects and makes current", {{2, 'P'}, {4, 'P'}}, "4 / 4"},
        {"ctrl click adds and keeps the current row", {{2, 'P'}, {4, 'C'}}, "2 4 / 2"},
        {"shift click selects down from the current row", {{1, 'P'}, {3, 'S'}}, "1 2 3 / 1"},
        {"shift click again narrows the range", {{1, 'P'}, {4, 'S'}, {2, 'S'}}, "1 2 / 1"},
        {"shift click above the current row", {{3, 'P'}, {1, 'S'}}, "1 2 3 / 3"},
        {"shift click drops rows ctrl added", {{0, 'P'}, {5, 'C'}, {1, 'S'}}, "0 1 / 0"},
        {"shift click without a current row selects the row", {{2, 'S'}}, "2 / none"},
    };
    for (const Case& testCase : cases)
        EXPECT_EQ(SelectionAfter(testCase.clicks), testCase.expected) << testCase.name;
}

TEST(SSOleDBGrid, unbound_rows_split_on_tabs_and_clear) {
    SSOleDBGrid grid("unbound");
    grid.Columns() = {MakeColumn("A", ""), MakeColumn("B", ""), MakeColumn("C", "")};

    grid.AddItem("x\t\ty");
    grid.AddItem("only");
    const std::vector<std::string> first = grid.DisplayRow(0);
    const std::vector<std::string> second = grid.DisplayRow(1);
    grid.RemoveAll();

    EXPECT_EQ(first, (std::vector<std::string>{"x", "", "y"}));
    EXPECT_EQ(second, (std::vector<std::string>{"only", "", ""}));
    EXPECT_EQ(grid.Rows(), 0u);
    EXPECT_THROW(grid.DisplayRow(0), std::runtime_error);
}

TEST(SSOleDBGrid, ticked_rows_are_those_whose_check_box_cell_reads_ticked) {
    SSOleDBGrid grid("g");
    grid.Columns() = {MakeColumn("A", ""), MakeColumn("Tick", "")};
    for (const char* row : {"a\t-1", "b\t0", "c\t", "d\t -1", "e\t1"})
        grid.AddItem(row);
    grid.RowLoaded.Connect([&grid](SSOleDBGrid::Bookmark) {
        if (grid.CellText("A") == "c")
            grid.SetCellText("Tick", "-1");
    });

    EXPECT_EQ(grid.TickedRows("TICK"), (std::vector<std::size_t>{0, 2, 3}));
}

TEST(SSOleDBGrid, installing_columns_replaces_them_and_keeps_the_style_sets_in_place) {
    constexpr GridColumnLayout kFirst[] = {
        {"One", "ONE", "F1", 100, true, ColumnAlignment::Left, ColumnDataType::Text},
        {"Two", "TWO", "F2", 200, true, ColumnAlignment::Left, ColumnDataType::Text}};
    constexpr GridColumnLayout kSecond[] = {
        {"Amount", "AMT", "F3", 1300.5, false, ColumnAlignment::Right, ColumnDataType::Currency, "Currency"},
        {"Tick", "TICK", "", 900, true, ColumnAlignment::Center, ColumnDataType::Text, "", false,
         ColumnStyle::CheckBox, 10},
        {"New", "NEW", "", 50, true, ColumnAlignment::Left, ColumnDataType::Text}};
    SSOleDBGrid grid("g");
    grid.InstallColumns(kFirst);
    grid.SetAllColumnsStyleSet("UNBOLD", false);
    int changes = 0;
    grid.StateChanged.Connect([&changes] { ++changes; });

    grid.InstallColumns(kSecond);

    std::string rendered;
    for (const GridColumn& column : grid.Columns())
        rendered += column.caption + " " + column.name + "<-" + column.dataField + " " +
                    std::to_string(column.width) + (column.visible ? " shown" : " hidden") +
                    (column.locked ? " locked " : " editable ") + column.numberFormat + " " +
                    std::to_string(static_cast<int>(column.alignment)) +
                    std::to_string(static_cast<int>(column.dataType)) +
                    std::to_string(static_cast<int>(column.style)) + " " +
                    std::to_string(column.fieldLength) + " [" + column.styleSet + "/" + column.headStyleSet +
                    "]\n";
    EXPECT_EQ(rendered, "Amount AMT<-F3 1300.500000 hidden locked Currency 120 256 [UNBOLD/UNBOLD]\n"
                        "Tick TICK<- 900.000000 shown editable  201 10 [UNBOLD/UNBOLD]\n"
                        "New NEW<- 50.000000 shown locked  000 256 [/]\n");
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace tavrik
