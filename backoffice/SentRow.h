// One row of a data set a client sent, read by field name. The client is not trusted: a field the
// table lacks reads as null, and every typed read also accepts text that holds such a value.
#pragma once

#include "common/DataTable.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

class SentRow {
public:
    SentRow(const DataTable& table, std::size_t row) : table_(table), row_(row) {}

    FieldValue Value(std::string_view field) const;
    bool IsBlank(std::string_view field) const;
    // The value as stored text ("yyyy-mm-dd" for a day), trimmed; "" for null.
    std::string Text(std::string_view field) const;
    // Text upper-cased: codes compare without regard to case.
    std::string Code(std::string_view field) const;
    std::optional<std::int64_t> Integer(std::string_view field) const;
    std::optional<Currency> Amount(std::string_view field) const;
    std::optional<CalendarDate> Date(std::string_view field) const;

private:
    const DataTable& table_;
    std::size_t row_;
};

} // namespace tavrik
