#include "desktop/ColumnWidths.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(ColumnWidths, columns_get_what_they_need_and_share_the_room_left_by_their_twips_widths) {
    struct Case {
        const char* name;
        std::vector<int> designed;
        std::vector<int> needed;
        int available;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"a caption wider than the design widens its column", {50, 100}, {80, 40}, 0, {80, 100}},
        {"no room to share keeps what they need", {50, 100}, {80, 40}, 150, {80, 100}},
        {"room is shared by the design", {50, 100}, {10, 10}, 300, {100, 200}},
        {"a column needing more than its share keeps it, the others share the rest",
         {50, 100, 50},
         {190, 10, 10},
         400,
         {190, 140, 70}},
        {"rounding goes to the last growing column", {10, 10, 10}, {0, 0, 0}, 100, {33, 33, 34}},
        {"no columns", {}, {}, 100, {}},
    };
    for (const Case& testCase : cases)
        EXPECT_EQ(FitColumnWidths(testCase.designed, testCase.needed, testCase.available), testCase.expected)
            << testCase.name;
}

} // namespace
} // namespace tavrik
