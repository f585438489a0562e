#include "common/CheckBoxCell.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrik {
namespace {

TEST(CheckBoxCell, counts_only_minus_one_as_ticked) {
    struct Case {
        std::string cell;
        bool ticked;
    };
    const Case cases[] = {{"-1", true}, {" -1 ", true},  {"0", false},   {"", false},
                          {"1", false}, {"TRUE", false}, {"-10", false}, {"- 1", false}};

    for (const Case& test : cases)
        EXPECT_EQ(CheckBoxCell::IsTicked(test.cell), test.ticked) << "'" << test.cell << "'";
    EXPECT_TRUE(CheckBoxCell::IsTicked(CheckBoxCell::kTicked));
    EXPECT_FALSE(CheckBoxCell::IsTicked(CheckBoxCell::kCleared));
}

} // namespace
} // namespace tavrik
