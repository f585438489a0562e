#include "common/SevenDigits.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(SevenDigits, shows_numbers_with_leading_zeros_and_reads_back_up_to_seven_digits) {
    EXPECT_EQ(SevenDigits(12345), "0012345");
    EXPECT_EQ(SevenDigits(9999999), "9999999");
    const std::pair<const char*, std::optional<std::int64_t>> read[] = {
        {"0012345", 12345}, {"12345", 12345}, {"7", 7},       {"9999999", 9999999}, {"00123456", {}},
        {"", {}},           {"12a45", {}},    {"-12345", {}}, {" 12345", {}},       {"1234-5", {}},
    };

    for (const auto& [text, number] : read)
        EXPECT_EQ(ParseSevenDigits(text), number) << '"' << text << '"';
}

} // namespace
} // namespace tavrik
