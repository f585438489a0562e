#include "common/DataTable.h"

#include "common/TextUtil.h"

#include <stdexcept>
#include <string>

namespace tavrik {

DataTable::DataTable(std::vector<FieldDefinition> fields, const std::vector<std::vector<FieldValue>>& rows) {
    for (FieldDefinition& field : fields)
        AddField(std::move(field));
    for (const std::vector<FieldValue>& row : rows)
        AddRow(row);
}

void DataTable::AddField(FieldDefinition field) {
    columns_.emplace_back(field.type);
    fields_.push_back(std::move(field));
}

std::optional<std::size_t> DataTable::FieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (EqualsIgnoringCase(fields_[i].name, name))
            return i;
    return std::nullopt;
}

std::size_t DataTable::AddRow() {
    order_ = {};
    return rowCount_++;
}

std::size_t DataTable::AddRow(const std::vector<FieldValue>& values) {
    if (values.size() != fields_.size())
        throw std::runtime_error("A row of the data set does not have one value per field");
    const std::size_t row = AddRow();
    for (std::size_t field = 0; field < values.size(); ++field)
        columns_[field].Set(row, values[field]);
    return row;
}

std::size_t DataTable::AddRowFrom(const DataTable& from, std::size_t row) {
    if (from.fields_ != fields_)
        throw std::runtime_error("A row can be copied only between data sets with the same fields");
    if (row >= from.rowCount_)
        throw std::out_of_range("The data set has no row " + std::to_string(row));
    const std::size_t added = AddRow();
    for (std::size_t field = 0; field < fields_.size(); ++field)
        columns_[field].Set(added, from.columns_[field].Value(row));
    return added;
}

void DataTable::KeepFirstRows(std::size_t count) {
    if (count >= rowCount_)
        return;
    for (DataColumn& column : columns_)
        column.Truncate(count);
    rowCount_ = count;
}

FieldValue DataTable::Cell(std::size_t row, std::size_t field) const {
    CheckCell(row, field);
    return columns_[field].Value(row);
}

void DataTable::SetCell(std::size_t row, std::size_t field, const FieldValue& value) {
    CheckCell(row, field);
    order_ = {};
    columns_[field].Set(row, value);
}

std::vector<FieldValue> DataTable::Row(std::size_t row) const {
    std::vector<FieldValue> values;
    values.reserve(fields_.size());
    for (std::size_t field = 0; field < fields_.size(); ++field)
        values.push_back(Cell(row, field));
    return values;
}

bool DataTable::NoteOrder(const SortOrder& order) {
    for (std::size_t row = 1; row < rowCount_; ++row) {
        if (order.Before(*this, row, row - 1)) {
            order_ = {};
            return false;
        }
    }
    order_ = order;
    return true;
}

void DataTable::CheckCell(std::size_t row, std::size_t field) const {
    if (row >= rowCount_ || field >= fields_.size())
        throw std::out_of_range("The data set has no cell at row " + std::to_string(row) + ", field " +
                                std::to_string(field));
}

} // namespace tavrik
