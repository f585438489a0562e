// One cell of a data set: null, text, a whole number, money or a calendar day.
#pragma once

#include "common/CalendarDate.h"
#include "common/Currency.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace tavrik {

class FieldValue {
public:
    FieldValue() = default;
    FieldValue(std::string text) : value_(std::move(text)) {}
    FieldValue(const char* text) : value_(std::string(text)) {}
    FieldValue(std::int64_t number) : value_(number) {}
    FieldValue(int number) : value_(static_cast<std::int64_t>(number)) {}
    FieldValue(Currency amount) : value_(amount) {}
    FieldValue(CalendarDate date) : value_(date) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsText() const { return std::holds_alternative<std::string>(value_); }

    // The value as a clerk reads it: text as stored, numbers in decimal, money as "1234.56",
    // dates as "mm/dd/yyyy"; null is "".
    std::string ToText() const;
    // The value as the back office writes it: like ToText, but dates as "yyyy-mm-dd".
    std::string ToStoreText() const;

    // Typed reads that also convert text that holds such a value; nothing when it cannot.
    std::optional<std::int64_t> AsInteger() const;
    std::optional<Currency> AsCurrency() const;
    std::optional<CalendarDate> AsDate() const;

    // Null sorts first; values of one kind in their natural order; text byte by byte.
    static int Compare(const FieldValue& left, const FieldValue& right);
    // Calls `visitor` with the held value: std::monostate, std::string, std::int64_t, Currency or
    // CalendarDate.
    template <typename Visitor> decltype(auto) Visit(Visitor&& visitor) const {
        return std::visit(std::forward<Visitor>(visitor), value_);
    }
    bool operator==(const FieldValue& other) const { return value_ == other.value_; }

private:
    std::variant<std::monostate, std::string, std::int64_t, Currency, CalendarDate> value_;
};

} // namespace tavrik
