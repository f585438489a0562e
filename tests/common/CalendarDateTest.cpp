#include "common/CalendarDate.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(CalendarDate, formats_both_ways_when_text_is_a_valid_day) {
    const std::pair<const char*, const char*> rows[] = {
        {"2025-01-31", "2025-01-31 01/31/2025"}, {"1/2/2025", "2025-01-02 01/02/2025"},
        {"02/29/2024", "2024-02-29 02/29/2024"}, {"12/31/9999", "9999-12-31 12/31/9999"},
        {"0001-01-01", "0001-01-01 01/01/0001"},
    };
    for (auto [text, expected] : rows) {
        std::optional<CalendarDate> date = CalendarDate::Parse(text);

        ASSERT_TRUE(date) << text;
        EXPECT_EQ(date->FormatIso() + " " + date->FormatUs(), expected) << text;
    }
}

TEST(CalendarDate, answers_nothing_when_day_does_not_exist_or_text_is_malformed) {
    for (const char* text :
         {"02/30/2025", "02/29/2023", "2023-02-29", "13/01/2025", "00/10/2025", "2025-04-31", "1/2/25",
          "001/2/2025", "2025-1-05", "2025/01/05", "0000-01-01", "", "a/b/cccc", "2025-01-05 "}) {
        EXPECT_FALSE(CalendarDate::Parse(text)) << text;
    }
    // Month and day must not wrap around std::chrono's one-byte fields.
    EXPECT_FALSE(CalendarDate::FromYmd(2025, 257, 1));
    EXPECT_FALSE(CalendarDate::FromYmd(2025, 1, 257));
}

} // namespace
} // namespace tavrik
