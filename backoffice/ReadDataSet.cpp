#include "backoffice/ReadDataSet.h"

#include "common/DataSetDefinitions.h"

#include <stdexcept>
#include <string>

namespace tavrik {

namespace {

FieldValue ReadValue(const StoreQuery& query, int column, FieldType type) {
    if (query.IsNull(column))
        return {};
    switch (type) {
    case FieldType::Integer:
        return FieldValue(query.Integer(column));
    case FieldType::Currency:
        return FieldValue(Currency::FromUnits(query.Integer(column)));
    case FieldType::Date: {
        std::string text = query.Text(column);
        std::optional<CalendarDate> date = CalendarDate::ParseIso(text);
        if (!date)
            throw std::runtime_error("The back office holds the day \"" + text + "\" in " +
                                     query.ColumnName(column) + ", which is not a date.");
        return FieldValue(*date);
    }
    case FieldType::Text:
        break;
    }
    return FieldValue(query.Text(column));
}

} // namespace

DataTable ReadDataSet(StoreQuery& query, std::string_view dataSetName) {
    std::optional<DataTable> table = DataSetDefinitions::EmptyTable(dataSetName);
    if (!table)
        throw std::runtime_error("The back office has no definition of data set " + std::string(dataSetName) +
                                 ".");

    // Where each query column goes, worked out once for all rows.
    struct Target {
        int column;
        std::size_t field;
        FieldType type;
    };
    std::vector<Target> targets;
    for (int column = 0; column < query.ColumnCount(); ++column) {
        std::optional<std::size_t> field = table->FieldIndex(query.ColumnName(column));
        if (!field)
            throw std::runtime_error("Data set " + std::string(dataSetName) + " has no field " +
                                     query.ColumnName(column) + ".");
        targets.push_back({column, *field, table->fields[*field].type});
    }

    while (query.Step()) {
        std::vector<FieldValue>& row = table->rows.emplace_back(table->fields.size());
        for (const Target& target : targets)
            row[target.field] = ReadValue(query, target.column, target.type);
    }
    return std::move(*table);
}

} // namespace tavrik
