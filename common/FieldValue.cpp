#include "common/FieldValue.h"

#include "common/TextUtil.h"

#include <charconv>
#include <type_traits>

namespace tavrik {

std::string FieldValue::ToText() const {
    if (const auto* date = std::get_if<CalendarDate>(&value_))
        return date->FormatUs();
    return ToStoreText();
}

std::string FieldValue::ToStoreText() const {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(const std::string& text) const { return text; }
        std::string operator()(std::int64_t number) const { return std::to_string(number); }
        std::string operator()(Currency amount) const { return amount.FormatPlain(); }
        std::string operator()(CalendarDate date) const { return date.FormatIso(); }
    };
    return std::visit(Visitor{}, value_);
}

std::optional<std::int64_t> FieldValue::AsInteger() const {
    if (const auto* number = std::get_if<std::int64_t>(&value_))
        return *number;
    if (const auto* text = std::get_if<std::string>(&value_)) {
        std::string trimmed = Trim(*text);
        std::int64_t number = 0;
        auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), number);
        if (error == std::errc() && end == trimmed.data() + trimmed.size() && !trimmed.empty())
            return number;
    }
    return std::nullopt;
}

std::optional<Currency> FieldValue::AsCurrency() const {
    if (const auto* amount = std::get_if<Currency>(&value_))
        return *amount;
    if (const auto* number = std::get_if<std::int64_t>(&value_))
        return Currency::FromUnits(*number * Currency::kScale);
    if (const auto* text = std::get_if<std::string>(&value_))
        return Currency::Parse(*text);
    return std::nullopt;
}

std::optional<CalendarDate> FieldValue::AsDate() const {
    if (const auto* date = std::get_if<CalendarDate>(&value_))
        return *date;
    if (const auto* text = std::get_if<std::string>(&value_))
        return CalendarDate::Parse(Trim(*text));
    return std::nullopt;
}

int FieldValue::Compare(const FieldValue& left, const FieldValue& right) {
    if (left.value_.index() != right.value_.index()) {
        if (left.IsNull() || right.IsNull())
            return left.IsNull() ? -1 : 1;
        // Mixed kinds (a text cell against a number) compare as the text a clerk sees.
        int order = left.ToStoreText().compare(right.ToStoreText());
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    return std::visit(
        [&right](const auto& leftValue) {
            using Kind = std::decay_t<decltype(leftValue)>;
            const Kind& rightValue = std::get<Kind>(right.value_);
            if constexpr (std::is_same_v<Kind, std::monostate>) {
                return 0;
            } else if constexpr (std::is_same_v<Kind, std::string>) {
                const int order = leftValue.compare(rightValue);
                return (order > 0) - (order < 0);
            } else {
                return leftValue < rightValue ? -1 : (rightValue < leftValue ? 1 : 0);
            }
        },
        left.value_);
}

} // namespace tavrik
