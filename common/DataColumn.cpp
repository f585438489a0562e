#include "common/DataColumn.h"

#include <limits>
#include <stdexcept>

namespace tavrik {

namespace {

std::int64_t DayNumber(CalendarDate date) {
    return date.Days().time_since_epoch().count();
}

CalendarDate DayOf(std::int64_t number) {
    return CalendarDate(std::chrono::year_month_day(std::chrono::sys_days(std::chrono::days(number))));
}

// A number cell as the field's type holds it.
FieldValue NumberValue(FieldType type, std::int64_t number) {
    switch (type) {
    case FieldType::Currency:
        return FieldValue(Currency::FromUnits(number));
    case FieldType::Date:
        return FieldValue(DayOf(number));
    case FieldType::Integer:
    case FieldType::Text:
        break;
    }
    return FieldValue(number);
}

} // namespace

bool DataColumn::IsNull(std::size_t row) const {
    return row >= Stored() || !IsPresent(row);
}

FieldValue DataColumn::Value(std::size_t row) const {
    if (plain_)
        return row < Stored() ? values_[row] : FieldValue();
    if (IsNull(row))
        return {};
    if (type_ == FieldType::Text)
        return FieldValue(std::string(TextAt(row)));
    return NumberValue(type_, numbers_[row]);
}

void DataColumn::Set(std::size_t row, const FieldValue& value) {
    if (value.IsNull()) {
        SetNull(row);
        return;
    }
    if (plain_) {
        Reach(row);
        values_[row] = value;
        MarkPresent(row, true);
        return;
    }
    const bool stored = value.Visit([this, row](const auto& held) {
        using Kind = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<Kind, std::string>) {
            if (type_ != FieldType::Text)
                return false;
            SetText(row, held);
        } else if constexpr (std::is_same_v<Kind, std::int64_t>) {
            if (type_ != FieldType::Integer)
                return false;
            SetNumber(row, held);
        } else if constexpr (std::is_same_v<Kind, Currency>) {
            if (type_ != FieldType::Currency)
                return false;
            SetNumber(row, held.Units());
        } else if constexpr (std::is_same_v<Kind, CalendarDate>) {
            if (type_ != FieldType::Date)
                return false;
            SetNumber(row, DayNumber(held));
        }
        return true;
    });
    if (!stored) {
        TurnPlain();
        Set(row, value);
    }
}

void DataColumn::SetNull(std::size_t row) {
    if (row >= Stored())
        return;
    MarkPresent(row, false);
    if (plain_)
        values_[row] = FieldValue();
}

void DataColumn::SetNumber(std::size_t row, std::int64_t number) {
    if (type_ == FieldType::Text)
        throw std::logic_error("A number cannot be written as such into a text column.");
    if (plain_) {
        Set(row, NumberValue(type_, number));
        return;
    }
    Reach(row);
    numbers_[row] = number;
    MarkPresent(row, true);
}

void DataColumn::SetText(std::size_t row, std::string_view text) {
    if (plain_ || type_ != FieldType::Text) {
        Set(row, FieldValue(std::string(text)));
        return;
    }
    // A rewritten cell leaves its old text behind in the buffer: edits are few, and the buffer
    // stays one block that is freed at once.
    constexpr std::size_t kLargest = std::numeric_limits<std::uint32_t>::max();
    if (text.size() > kLargest - characters_.size())
        throw std::runtime_error("A text field of the data set holds more than 4 GiB.");
    Reach(row);
    spans_[row] = {static_cast<std::uint32_t>(characters_.size()), static_cast<std::uint32_t>(text.size())};
    characters_.append(text);
    MarkPresent(row, true);
}

int DataColumn::Compare(std::size_t left, std::size_t right) const {
    const bool leftNull = IsNull(left);
    const bool rightNull = IsNull(right);
    if (leftNull || rightNull)
        return leftNull == rightNull ? 0 : (leftNull ? -1 : 1);
    if (plain_)
        return FieldValue::Compare(values_[left], values_[right]);
    if (type_ == FieldType::Text) {
        const int order = TextAt(left).compare(TextAt(right));
        return (order > 0) - (order < 0);
    }
    return (numbers_[left] > numbers_[right]) - (numbers_[left] < numbers_[right]);
}

void DataColumn::Truncate(std::size_t count) {
    if (count >= Stored())
        return;
    stored_ = count;
    presentBits_.resize((count + 63) / 64);
    if (count % 64 != 0)
        presentBits_.back() &= (std::uint64_t{1} << (count % 64)) - 1;
    if (plain_)
        values_.resize(count);
    else if (type_ == FieldType::Text)
        spans_.resize(count);
    else
        numbers_.resize(count);
}

void DataColumn::Reach(std::size_t row) {
    if (row < Stored())
        return;
    stored_ = row + 1;
    presentBits_.resize((stored_ + 63) / 64);
    if (plain_)
        values_.resize(stored_);
    else if (type_ == FieldType::Text)
        spans_.resize(stored_);
    else
        numbers_.resize(stored_);
}

void DataColumn::MarkPresent(std::size_t row, bool present) {
    const std::uint64_t bit = std::uint64_t{1} << (row % 64);
    if (present)
        presentBits_[row / 64] |= bit;
    else
        presentBits_[row / 64] &= ~bit;
}

std::string_view DataColumn::TextAt(std::size_t row) const {
    const TextSpan span = spans_[row];
    return std::string_view(characters_).substr(span.offset, span.size);
}

void DataColumn::TurnPlain() {
    std::vector<FieldValue> values;
    values.reserve(Stored());
    for (std::size_t row = 0; row < Stored(); ++row)
        values.push_back(Value(row));
    values_ = std::move(values);
    plain_ = true;
    numbers_ = {};
    spans_ = {};
    characters_ = {};
}

} // namespace tavrik
