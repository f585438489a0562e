#include "tests/support/Rendering.h"

#include "backoffice/OpenStore.h"
#include "sqlite/SqliteStatement.h"

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

std::string RenderRows(const RequestMessage& request, const std::string& dataSet) {
    auto found = request.dataSets.find(dataSet);
    if (found == request.dataSets.end())
        return "(none)";
    const DataTable& table = found->second;
    std::string text;
    for (const std::vector<FieldValue>& row : table.rows) {
        for (std::size_t field = 0; field < table.fields.size(); ++field)
            if (!row[field].IsNull())
                text += table.fields[field].name + "=" + row[field].ToStoreText() + " ";
        text += "\n";
    }
    return text;
}

std::string StoreRows(const std::filesystem::path& storeFile, const std::string& sql) {
    SqliteDatabase database = OpenStore(storeFile);
    SqliteStatement query(database, sql);
    std::string text;
    while (query.Step()) {
        for (int column = 0; column < query.ColumnCount(); ++column)
            text += (column == 0 ? "" : " | ") +
                    (query.IsNull(column) ? std::string("NULL") : query.Text(column));
        text += "\n";
    }
    return text;
}

} // namespace tavrik
