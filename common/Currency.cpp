#include "common/Currency.h"

#include <cctype>
#include <limits>

namespace tavrik {

namespace {

constexpr std::int64_t kMaxUnits = std::numeric_limits<std::int64_t>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whole part with optional thousands separators: either no commas at all, or groups of three.
std::optional<std::int64_t> ParseWhole(std::string_view digits) {
    if (digits.empty())
        return 0;
    bool grouped = digits.find(',') != std::string_view::npos;
    std::int64_t value = 0;
    std::size_t sinceComma = 0;
    bool seenComma = false;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        char c = digits[i];
        if (c == ',') {
            if (i == 0 || (seenComma && sinceComma != 3) || (!seenComma && sinceComma > 3))
                return std::nullopt;
            seenComma = true;
            sinceComma = 0;
            continue;
        }
        if (!IsDigit(c))
            return std::nullopt;
        if (value > (kMaxUnits / Currency::kScale - 9) / 10)
            return std::nullopt;
        value = value * 10 + (c - '0');
        ++sinceComma;
    }
    if (grouped && sinceComma != 3)
        return std::nullopt;
    return value;
}

std::string GroupThousands(std::int64_t whole) {
    const std::string digits = std::to_string(whole);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    for (std::size_t index = 0; index < digits.size(); ++index) {
        if (index > 0 && (digits.size() - index) % 3 == 0)
            out.push_back(',');
        out.push_back(digits[index]);
    }
    return out;
}

// Magnitude rounded half away from zero to cents, as "1,234.56" (grouped) or "1234.56".
std::string FormatMagnitude(std::int64_t units, bool grouped) {
    std::uint64_t magnitude =
        units < 0 ? static_cast<std::uint64_t>(-(units + 1)) + 1 : static_cast<std::uint64_t>(units);
    std::uint64_t cents = (magnitude + 50) / 100;
    std::int64_t whole = static_cast<std::int64_t>(cents / 100);
    std::uint64_t fraction = cents % 100;
    std::string text = grouped ? GroupThousands(whole) : std::to_string(whole);
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    return text;
}

bool RoundsToZero(std::int64_t units) {
    return units > -50 && units < 50;
}

} // namespace

std::optional<Currency> Currency::Parse(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    bool negative = false;
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        negative = true;
        text = text.substr(1, text.size() - 2);
    }
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (negative)
            return std::nullopt;
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '$')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;

    std::size_t point = text.find('.');
    std::string_view wholeText = text.substr(0, point);
    std::string_view fractionText =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (wholeText.empty() && fractionText.empty())
        return std::nullopt;
    if (fractionText.size() > 4)
        return std::nullopt;
    std::optional<std::int64_t> whole = ParseWhole(wholeText);
    if (!whole)
        return std::nullopt;
    std::int64_t fraction = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        char c = i < fractionText.size() ? fractionText[i] : '0';
        if (!IsDigit(c))
            return std::nullopt;
        fraction = fraction * 10 + (c - '0');
    }
    std::int64_t units = *whole * kScale + fraction;
    return Currency(negative ? -units : units);
}

Currency Currency::RoundedToCents() const {
    std::int64_t remainder = units_ % 100;
    std::int64_t truncated = units_ - remainder;
    if (remainder >= 50)
        truncated += 100;
    else if (remainder <= -50)
        truncated -= 100;
    return Currency(truncated);
}

std::string Currency::FormatDollars() const {
    std::string sign = units_ < 0 && !RoundsToZero(units_) ? "-" : "";
    return sign + "$" + FormatMagnitude(units_, true);
}

std::string Currency::FormatRegional() const {
    if (units_ < 0 && !RoundsToZero(units_))
        return "($" + FormatMagnitude(units_, true) + ")";
    return "$" + FormatMagnitude(units_, true);
}

std::string Currency::FormatPlain() const {
    std::string sign = units_ < 0 && !RoundsToZero(units_) ? "-" : "";
    return sign + FormatMagnitude(units_, false);
}

} // namespace tavrik
