#include "desktop/Twips.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

// Forms place their controls in twips that are not always whole pixels (7000 is 466.67): a size or
// an edge keeps the whole pixels and drops the rest, as the forms' own screen did.
TEST(Twips, converts_at_fifteen_twips_a_pixel_cutting_partial_pixels) {
    const std::pair<int, int> wholePixels[] = {{0, 0}, {14, 0}, {15, 1}, {7000, 466}, {12900, 860}};
    for (const auto& [twips, pixels] : wholePixels)
        EXPECT_EQ(TwipsToWholePixels(twips), pixels) << twips;

    EXPECT_DOUBLE_EQ(TwipsToPixels(1200, 144.0), 120.0);
    EXPECT_EQ(PixelsToTwips(1024), 15360);
}

} // namespace
} // namespace tavrik
