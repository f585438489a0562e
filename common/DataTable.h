// The rows of one data set as they travel between the library and the back office, held field by
// field (see DataColumn) so that a long reply costs about what its values take and is freed at once.
#pragma once

#include "common/DataColumn.h"
#include "common/FieldDefinition.h"
#include "common/FieldValue.h"
#include "common/SortOrder.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tavrik {

class DataTable {
public:
    DataTable() = default;
    // Throws std::runtime_error for a row without one value per field.
    explicit DataTable(std::vector<FieldDefinition> fields,
                       const std::vector<std::vector<FieldValue>>& rows = {});

    const std::vector<FieldDefinition>& Fields() const { return fields_; }
    // A field at the end; it is null in every row there is.
    void AddField(FieldDefinition field);
    // Position of the named field (names compare without regard to case), or nothing.
    std::optional<std::size_t> FieldIndex(std::string_view name) const;

    std::size_t RowCount() const { return rowCount_; }
    bool IsEmpty() const { return rowCount_ == 0; }
    // A row of nulls at the end; answers its position.
    std::size_t AddRow();
    // A row at the end with these values, one per field; throws std::runtime_error when they are not.
    std::size_t AddRow(const std::vector<FieldValue>& values);
    // A copy of row `row` of `from`, a table with the same fields, at the end.
    std::size_t AddRowFrom(const DataTable& from, std::size_t row);
    // Rows from `count` on are dropped.
    void KeepFirstRows(std::size_t count);

    // The value of `field` in `row`; both must exist (std::out_of_range otherwise).
    FieldValue Cell(std::size_t row, std::size_t field) const;
    void SetCell(std::size_t row, std::size_t field, const FieldValue& value);
    std::vector<FieldValue> Row(std::size_t row) const;
    const DataColumn& Column(std::size_t field) const { return columns_.at(field); }
    // For a reader that fills the rows it added, cell by cell, without going through FieldValue.
    DataColumn& Column(std::size_t field) { return columns_.at(field); }

    // The order the rows are known to be in, so that a recordset sorting by it has nothing to do;
    // no order unless whoever filled the table noted one. Adding or changing a row forgets it.
    const SortOrder& Order() const { return order_; }
    // Keeps `order` when every row is in it (checked once, on the typed values); answers whether.
    bool NoteOrder(const SortOrder& order);

private:
    void CheckCell(std::size_t row, std::size_t field) const;

    std::vector<FieldDefinition> fields_;
    std::vector<DataColumn> columns_;
    std::size_t rowCount_ = 0;
    SortOrder order_;
};

} // namespace tavrik
