// One statement of a store connection, with bound parameters. Parameters are written ?1, ?2, ... in
// the text and numbered from 1 here; columns are numbered from 0. Column names come as the query
// spells them in upper case, on every engine, because they name the fields of the data sets.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

class StoreStatement {
public:
    virtual ~StoreStatement() = default;

    virtual StoreStatement& Bind(int index, std::string_view text) = 0;
    virtual StoreStatement& Bind(int index, std::int64_t number) = 0;
    virtual StoreStatement& BindNull(int index) = 0;
    template <typename Value> StoreStatement& Bind(int index, const std::optional<Value>& value) {
        return value ? Bind(index, *value) : BindNull(index);
    }

    // Advances to the next row: true while there is one, false when the statement is done. Throws
    // StoreBusy while another connection holds what it needs for too long, StoreConflict when the
    // engine gave up the transaction for a concurrent one, std::runtime_error on any other failure.
    virtual bool Step() = 0;
    // Steps a statement that returns no rows.
    void Run() {
        while (Step()) {
        }
    }
    // Makes the statement ready to run again with new parameters.
    virtual void Reset() = 0;

    virtual int ColumnCount() const = 0;
    virtual std::string ColumnName(int column) const = 0;
    virtual bool IsNull(int column) const = 0;
    virtual std::int64_t Integer(int column) const = 0;
    // The column's text where the engine holds it, valid until the next Step or Reset.
    virtual std::string_view TextView(int column) const = 0;
    std::string Text(int column) const { return std::string(TextView(column)); }
};

} // namespace tavrik
