#include "backoffice/SentRow.h"

#include "common/TextUtil.h"

namespace tavrik {

FieldValue SentRow::Value(std::string_view field) const {
    std::optional<std::size_t> index = table_.FieldIndex(field);
    if (!index)
        return {};
    return table_.Cell(row_, *index);
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
