#include "tests/support/Rendering.h"

#include "store/OpenStore.h"
#include "store/StoreQuery.h"

#include <ctime>

namespace tavrik {

std::string RenderGrid(SSOleDBGrid& grid) {
    const std::vector<GridColumn>& columns = grid.Columns();
    std::string text = grid.Caption() + ":";
    for (const GridColumn& column : columns)
        if (column.visible)
            text += " " + column.caption + " |";
    text += "\n";
    for (std::size_t row = 0; row < grid.Rows(); ++row) {
        const std::vector<std::string>& cells = grid.DisplayRow(row);
        for (std::size_t column = 0; column < columns.size(); ++column)
            if (columns[column].visible)
                text += " " + cells[column] + " |";
        text += "\n";
    }
    return text;
}

std::string RenderAllCells(SSOleDBGrid& grid) {
    std::string text;
    for (std::size_t row = 0; row < grid.Rows(); ++row) {
        for (const GridColumn& column : grid.Columns())
            text += grid.CellTextAt(row, column.name) + "|";
        text += "\n";
    }
    return text;
}

namespace {

std::string RenderDataSet(const std::map<std::string, DataTable>& dataSets, const std::string& dataSet) {
    auto found = dataSets.find(dataSet);
    if (found == dataSets.end())
        return "(none)";
    const DataTable& table = found->second;
    std::string text;
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        for (std::size_t field = 0; field < table.Fields().size(); ++field)
            if (const FieldValue value = table.Cell(row, field); !value.IsNull())
                text += table.Fields()[field].name + "=" + value.ToStoreText() + " ";
        text += "\n";
    }
    return text;
}

} // namespace

std::string RenderRows(const RequestMessage& request, const std::string& dataSet) {
    return RenderDataSet(request.dataSets, dataSet);
}

std::string RenderRows(const ReplyMessage& reply, const std::string& dataSet) {
    return RenderDataSet(reply.dataSets, dataSet);
}

std::string StoreRows(const std::string& location, const std::string& sql, RowLayout layout) {
    std::unique_ptr<StoreConnection> database = OpenStore(location, std::chrono::seconds(10));
    StoreQuery query(*database, sql);
    std::string text;
    while (query.Step()) {
        for (int column = 0; column < query.ColumnCount(); ++column) {
            if (column > 0)
                text += layout.between;
            text += query.IsNull(column) ? std::string(layout.null) : query.Text(column);
        }
        text += layout.last;
        text += "\n";
    }
    return text;
}

std::chrono::system_clock::time_point LocalTime(int year, int month, int day, int hour, int minute,
                                                int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

} // namespace tavrik
