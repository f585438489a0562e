#include "desktop/GridBinding.h"
#include "tests/desktop/VisibleTopLevelWindows.h"

#include "common/SSOleDBGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

namespace tavrik {
namespace {

std::shared_ptr<Recordset> NumberedRows(int count) {
    DataTable table({{"NBR", FieldType::Text}, {"CUST_ID", FieldType::Text}, {"AMT", FieldType::Currency}});
    for (int row = 0; row < count; ++row)
        table.AddRow({FieldValue(std::to_string(row)), FieldValue("C" + std::to_string(row)),
                      FieldValue(Currency::FromCents(row * 100))});
    return std::make_shared<Recordset>(std::move(table));
}

GridColumn MakeColumn(std::string name, bool visible, ColumnAlignment alignment = ColumnAlignment::Left) {
    GridColumn column;
    column.caption = name;
    column.name = name;
    column.dataField = std::move(name);
    column.visible = visible;
    column.width = 1500; // 100 pixels
    column.alignment = alignment;
    return column;
}

// A grid over a bound recordset, drawn by a fixed-size table that the test shows.
struct ShownGrid {
    explicit ShownGrid(int rows) {
        grid.Columns() = {MakeColumn("NBR", true), MakeColumn("CUST_ID", false),
                          MakeColumn("AMT", true, ColumnAlignment::Right)};
        grid.Column("AMT").dataType = ColumnDataType::Currency;
        grid.RowLoaded.Connect([this](SSOleDBGrid::Bookmark bookmark) { loaded.push_back(bookmark); });
        grid.Click.Connect([this] { ++clicks; });
        adodc.SetRecordset(NumberedRows(rows));
        binding = new GridBinding(grid, &view, boundWidgets);
        view.resize(300, 300);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
        Paint();
    }
    // Every test leaves no window behind.
    ~ShownGrid() {
        view.close();
        EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
    }

    void Paint() {
        QApplication::processEvents();
        view.viewport()->repaint();
    }
    void Click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers,
                          view.visualRect(binding->Model()->index(row, 0)).center());
    }
    std::set<int> SelectedRows() const {
        std::set<int> rows;
        for (const QModelIndex& index : view.selectionModel()->selectedRows())
            rows.insert(index.row());
        return rows;
    }

    Adodc adodc;
    SSOleDBGrid grid{"mSdgDBGrid", &adodc};
    BoundWidgets boundWidgets;
    QTableView view;
    GridBinding* binding = nullptr;
    std::vector<SSOleDBGrid::Bookmark> loaded;
    int clicks = 0;
};

TEST(GridBinding, only_painted_rows_are_decorated_when_a_long_list_is_shown_and_scrolled) {
    constexpr int kRows = 50000;
    ShownGrid shown(kRows);
    const std::size_t decoratedAtFirstPaint = shown.grid.DecoratedRows();
    const bool onlyTopRows =
        std::all_of(shown.loaded.begin(), shown.loaded.end(), [](std::size_t row) { return row < 100; });
    shown.loaded.clear();

    shown.view.verticalScrollBar()->setValue(shown.view.verticalScrollBar()->maximum());
    shown.Paint();

    EXPECT_GT(decoratedAtFirstPaint, 0u);
    EXPECT_LT(decoratedAtFirstPaint, 100u);
    EXPECT_TRUE(onlyTopRows);
    EXPECT_LT(shown.grid.DecoratedRows(), 200u);
    EXPECT_FALSE(shown.loaded.empty());
    EXPECT_TRUE(std::all_of(shown.loaded.begin(), shown.loaded.end(),
                            [](std::size_t row) { return row >= kRows - 100; }));
    EXPECT_NE(std::find(shown.loaded.begin(), shown.loaded.end(), kRows - 1), shown.loaded.end());
}

TEST(GridBinding, clicks_select_through_the_model_and_keep_the_place_when_rows_are_clicked) {
    ShownGrid shown(50000);
    QScrollBar& scroll = *shown.view.verticalScrollBar();
    scroll.setValue(scroll.maximum());
    shown.Paint();
    const int bottom = shown.binding->Model()->rowCount() - 1;

    shown.Click(bottom);
    const std::vector<SSOleDBGrid::Bookmark> single = shown.grid.SelBookmarks();
    const std::set<int> shownSingle = shown.SelectedRows();
    shown.Click(bottom - 2, Qt::ControlModifier);
    shown.Paint();

    EXPECT_EQ(single, std::vector<SSOleDBGrid::Bookmark>({49999}));
    EXPECT_EQ(shownSingle, std::set<int>({bottom}));
    EXPECT_EQ(shown.grid.SelBookmarks(), std::vector<SSOleDBGrid::Bookmark>({49999, 49997}));
    EXPECT_EQ(shown.SelectedRows(), std::set<int>({bottom - 2, bottom}));
    EXPECT_EQ(shown.clicks, 2);
    EXPECT_EQ(scroll.value(), scroll.maximum());
    EXPECT_LT(shown.grid.DecoratedRows(), 200u);
}

TEST(GridBinding, columns_are_laid_out_from_the_model_when_some_are_hidden) {
    ShownGrid shown(3);

    shown.grid.Column("AMT").caption = "Amount";
    shown.grid.ColumnsChanged();
    shown.grid.SetCurrentBookmark(1);
    shown.Paint();
    const GridTableModel& model = *shown.binding->Model();

    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_FALSE(shown.view.isColumnHidden(0));
    EXPECT_TRUE(shown.view.isColumnHidden(1));
    EXPECT_EQ(shown.view.columnWidth(2), 100);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Amount");
    EXPECT_EQ(model.index(1, 2).data().toString(), "$1.00");
    EXPECT_EQ(model.index(1, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(shown.view.currentIndex().row(), 1);
}

TEST(GridBinding, a_column_too_narrow_for_its_bold_caption_or_its_values_in_sight_is_widened) {
    ShownGrid shown(50000);
    const int designed = 1500 / 15;

    shown.grid.Column("NBR").caption = "Original Assessment Total";
    shown.grid.Column("NBR").width = 150;
    shown.grid.Column("AMT").caption = "A";
    shown.grid.Column("AMT").width = 150;
    shown.grid.ColumnsChanged();
    shown.Paint();

    QFont bold = shown.view.horizontalHeader()->font();
    bold.setBold(true);
    const int boldCaption = QFontMetrics(bold).horizontalAdvance("Original Assessment Total");
    const int lastInSight = shown.view.rowAt(shown.view.viewport()->height() - 1);
    const QString widestInSight = shown.binding->Model()->index(lastInSight, 2).data().toString();
    EXPECT_GT(boldCaption, designed);
    EXPECT_GE(shown.view.columnWidth(0), boldCaption);
    EXPECT_GE(shown.view.columnWidth(2), shown.view.fontMetrics().horizontalAdvance(widestInSight));
    EXPECT_LT(shown.grid.DecoratedRows(), 100u);
}

TEST(GridBinding, stretched_columns_fill_the_table_in_the_proportion_of_their_twips_widths) {
    ShownGrid shown(3);
    shown.grid.Column("NBR").width = 1000;
    shown.grid.Column("AMT").width = 2000;
    shown.grid.ColumnsChanged();

    shown.binding->StretchColumns();
    shown.view.resize(450, 300);
    shown.Paint();

    const int first = shown.view.columnWidth(0);
    const int second = shown.view.columnWidth(2);
    EXPECT_EQ(first + second, shown.view.viewport()->width());
    EXPECT_NEAR(second, 2 * first, 2);
    EXPECT_GT(first, 1000 / 15);
}

TEST(GridBinding,
     a_click_on_a_drop_down_cell_selects_its_row_and_opens_its_list_and_other_cells_open_nothing) {
    ShownGrid shown(3);
    shown.grid.Column("NBR").locked = true;
    GridColumn& amount = shown.grid.Column("AMT");
    amount.style = ColumnStyle::DropDown;
    amount.listItems = {"", "BACKOUT"};
    shown.grid.ColumnsChanged();
    shown.Paint();
    const GridTableModel& model = *shown.binding->Model();
    const auto clickCell = [&](int row, int column) {
        QTest::mouseClick(shown.view.viewport(), Qt::LeftButton, {},
                          shown.view.visualRect(model.index(row, column)).center());
    };

    clickCell(1, 2);
    auto* list = qobject_cast<QComboBox*>(shown.view.indexWidget(model.index(1, 2)));
    const QStringList items =
        list == nullptr ? QStringList() : QStringList{list->itemText(0), list->itemText(1)};
    clickCell(2, 0);

    EXPECT_EQ(items, QStringList({"", "BACKOUT"}));
    EXPECT_EQ(shown.grid.SelBookmarks(), std::vector<SSOleDBGrid::Bookmark>({2}));
    EXPECT_EQ(shown.view.indexWidget(model.index(2, 0)), nullptr);
}

TEST(GridBinding, scroll_after_follows_the_users_scrolling_and_the_forms_redraw_keeps_the_rows_in_place) {
    ShownGrid shown(500);
    QScrollBar& scroll = *shown.view.verticalScrollBar();
    int scrolls = 0;
    // What the forms do on ScrollAfter: redraw the grid, which resets the table.
    shown.grid.ScrollAfter.Connect([&] {
        ++scrolls;
        shown.grid.Refresh();
    });
    const auto wheelDown = [&] {
        const QPointF inside = shown.view.viewport()->rect().center();
        QWheelEvent wheel(inside, shown.view.viewport()->mapToGlobal(inside), {}, {0, -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(shown.view.viewport(), &wheel);
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        bool moves;
        int scrolls;
    };
    const Step steps[] = {
        {"a page down on the bar", [&] { scroll.triggerAction(QAbstractSlider::SliderPageStepAdd); }, true,
         1},
        {"the wheel", wheelDown, true, 1},
        {"the program", [&] { scroll.setValue(0); }, true, 0},
        {"a step up at the top", [&] { scroll.triggerAction(QAbstractSlider::SliderSingleStepSub); }, false,
         0},
    };
    for (const Step& step : steps) {
        const int before = scrolls;
        const int valueBefore = scroll.value();

        step.act();
        const int value = scroll.value();
        shown.Paint();

        EXPECT_EQ(scrolls - before, step.scrolls) << step.what;
        EXPECT_EQ(value != valueBefore, step.moves) << step.what;
        EXPECT_EQ(scroll.value(), value) << step.what;
    }
}

} // namespace
} // namespace tavrik
