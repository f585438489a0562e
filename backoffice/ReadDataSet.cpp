#include "backoffice/ReadDataSet.h"

#include "common/DataSetDefinitions.h"
#include "common/SevenDigits.h"
#include "common/TextUtil.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tavrik {

namespace {

// How one query column is read: as the field's type holds it, or as a form number.
enum class Reading { Number, Day, Text, FormNumber };

struct Target {
    int column;
    DataColumn* cells;
    Reading reading;
};

Reading ReadingOf(const FieldDefinition& field, std::span<const std::string_view> sevenDigitFields) {
    switch (field.type) {
    case FieldType::Integer:
    case FieldType::Currency:
        return Reading::Number;
    case FieldType::Date:
        return Reading::Day;
    case FieldType::Text:
        break;
    }
    const bool formNumber =
        std::any_of(sevenDigitFields.begin(), sevenDigitFields.end(),
                    [&field](std::string_view name) { return EqualsIgnoringCase(name, field.name); });
    return formNumber ? Reading::FormNumber : Reading::Text;
}

void ReadCell(const StoreQuery& query, std::size_t row, const Target& target) {
    switch (target.reading) {
    case Reading::Number:
        target.cells->SetNumber(row, query.Integer(target.column));
        return;
    case Reading::FormNumber:
        target.cells->SetText(row, SevenDigits(query.Integer(target.column)));
        return;
    case Reading::Day: {
        const std::string_view text = query.TextView(target.column);
        const std::optional<CalendarDate> day = CalendarDate::ParseIso(text);
        if (!day)
            throw std::runtime_error("The back office holds the day \"" + std::string(text) + "\" in " +
                                     query.ColumnName(target.column) + ", which is not a date.");
        target.cells->Set(row, FieldValue(*day));
        return;
    }
    case Reading::Text:
        target.cells->SetText(row, query.TextView(target.column));
        return;
    }
}

} // namespace

DataTable ReadDataSet(StoreQuery& query, std::string_view dataSetName,
                      std::span<const std::string_view> sevenDigitFields) {
    std::optional<DataTable> table = DataSetDefinitions::EmptyTable(dataSetName);
    if (!table)
        throw std::runtime_error("The back office has no definition of data set " + std::string(dataSetName) +
                                 ".");

    // Where each query column goes, worked out once for all rows.
    std::vector<Target> targets;
    for (int column = 0; column < query.ColumnCount(); ++column) {
        std::optional<std::size_t> field = table->FieldIndex(query.ColumnName(column));
        if (!field)
            throw std::runtime_error("Data set " + std::string(dataSetName) + " has no field " +
                                     query.ColumnName(column) + ".");
        targets.push_back(
            {column, &table->Column(*field), ReadingOf(table->Fields()[*field], sevenDigitFields)});
    }

    while (query.Step()) {
        const std::size_t row = table->AddRow();
        for (const Target& target : targets)
            if (!query.IsNull(target.column))
                ReadCell(query, row, target);
    }
    return std::move(*table);
}

} // namespace tavrik
