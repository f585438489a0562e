#include "backoffice/SentRow.h"

#include "common/TextUtil.h"

namespace tavrik {

const FieldValue& SentRow::Value(std::string_view field) const {
    static const FieldValue null;
    std::optional<std::size_t> index = table_.FieldIndex(field);
    const std::vector<FieldValue>& row = table_.rows.at(row_);
    if (!index || *index >= row.size())
        return null;
    return row[*index];
}

bool SentRow::IsBlank(std::string_view field) const {
    return Text(field).empty();
}

std::string SentRow::Text(std::string_view field) const {
    return Trim(Value(field).ToStoreText());
}

std::string SentRow::Code(std::string_view field) const {
    return ToUpper(Text(field));
}

std::optional<std::int64_t> SentRow::Integer(std::string_view field) const {
    return Value(field).AsInteger();
}

std::optional<Currency> SentRow::Amount(std::string_view field) const {
    return Value(field).AsCurrency();
}

std::optional<CalendarDate> SentRow::Date(std::string_view field) const {
    return Value(field).AsDate();
}

} // namespace tavrik
