// Money as a fixed-point count of ten-thousandths, parsed and formatted in this one place.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency FromUnits(std::int64_t tenThousandths) { return Currency(tenThousandths); }
    static constexpr Currency FromCents(std::int64_t cents) { return Currency(cents * 100); }

    // Accepts "1234.5", "-1,234.56", "$1,234.56", "($1,234.56)" and "-$5"; at most four decimals.
    // Anything else (letters, two signs, misplaced separators, overflow) answers nothing.
    static std::optional<Currency> Parse(std::string_view text);

    constexpr std::int64_t Units() const { return units_; }
    Currency RoundedToCents() const;

    // "$"#,##0.00: "$1,234.56", "-$1,234.56".
    std::string FormatDollars() const;
    // The regional currency format: "$1,234.56", "($1,234.56)".
    std::string FormatRegional() const;
    // Plain "1234.56" with two decimals, as a value is written into a text cell or sent.
    std::string FormatPlain() const;

    Currency operator+(Currency other) const { return Currency(units_ + other.units_); }
    Currency operator-(Currency other) const { return Currency(units_ - other.units_); }
    Currency operator-() const { return Currency(-units_); }
    Currency& operator+=(Currency other) {
        units_ += other.units_;
        return *this;
    }
    Currency& operator-=(Currency other) {
        units_ -= other.units_;
        return *this;
    }
    auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

} // namespace tavrik
