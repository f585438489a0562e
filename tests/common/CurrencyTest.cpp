#include "common/Currency.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(Currency, parses_and_formats_when_text_is_a_clerks_amount) {
    struct Row {
        const char* text;
        const char* plain;
        const char* dollars;
        const char* regional;
    };
    const Row rows[] = {
        {"1234.5", "1234.50", "$1,234.50", "$1,234.50"},
        {"$1,234.56", "1234.56", "$1,234.56", "$1,234.56"},
        {"(1,234.56)", "-1234.56", "-$1,234.56", "($1,234.56)"},
        {"($1,234.56)", "-1234.56", "-$1,234.56", "($1,234.56)"},
        {"-$5", "-5.00", "-$5.00", "($5.00)"},
        {" -1,234,567.8 ", "-1234567.80", "-$1,234,567.80", "($1,234,567.80)"},
        {".5", "0.50", "$0.50", "$0.50"},
        {"0.0049", "0.00", "$0.00", "$0.00"},
        {"-0.0049", "0.00", "$0.00", "$0.00"},
        {"0.005", "0.01", "$0.01", "$0.01"},
        {"-0.005", "-0.01", "-$0.01", "($0.01)"},
        {"999.995", "1000.00", "$1,000.00", "$1,000.00"},
    };
    for (const Row& row : rows) {
        std::optional<Currency> amount = Currency::Parse(row.text);

        ASSERT_TRUE(amount) << row.text;
        EXPECT_EQ(amount->FormatPlain() + " " + amount->FormatDollars() + " " + amount->FormatRegional(),
                  std::string(row.plain) + " " + row.dollars + " " + row.regional)
            << row.text;
    }
}

TEST(Currency, answers_nothing_when_text_is_not_an_amount) {
    for (const char* text : {"", " ", "$", ".", "-", "()", "abc", "12a", "1.23456", "--5", "(-5)", "1,23",
                             ",123", "1234,567", "1,2345", "$-5", "1.2.3", "99999999999999999999"}) {
        EXPECT_FALSE(Currency::Parse(text)) << text;
    }
}

TEST(Currency, rounds_half_away_from_zero_when_rounded_to_cents) {
    const std::pair<std::int64_t, std::int64_t> rows[] = {
        {12349, 12300}, {12350, 12400}, {-12349, -12300}, {-12350, -12400}, {0, 0}, {-49, 0}, {-50, -100}};
    for (auto [units, expected] : rows)
        EXPECT_EQ(Currency::FromUnits(units).RoundedToCents().Units(), expected) << units;
}

} // namespace
} // namespace tavrik
