#include "common/CheckDigit.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(CheckDigit, gives_the_luhn_digit_only_when_number_has_seven_digits) {
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"1234567", 4}, {"0000000", 0}, {"0000001", 8},   {"7992739", 8},  {"0012345", 5},
        {"", {}},       {"123456", {}}, {"12345678", {}}, {"12345a7", {}}, {" 123456", {}}};
    for (auto [number, digit] : rows)
        EXPECT_EQ(ComputeCheckDigit(number), digit) << number;
}

} // namespace
} // namespace tavrik
