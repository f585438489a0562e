#include "common/RedrawPause.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tavrik {
namespace {

TEST(RedrawPause, switches_redraw_off_for_its_scope_and_gives_each_grid_back_its_own_switch) {
    SSOleDBGrid first("first");
    SSOleDBGrid second("second");
    bool insideOuter = true;
    bool insideInner = true;
    bool afterInner = true;

    {
        const RedrawPause outer{first};
        insideOuter = first.Redraw();
        {
            const RedrawPause inner{first, second};
            insideInner = first.Redraw() || second.Redraw();
        }
        afterInner = first.Redraw() || !second.Redraw();
    }

    EXPECT_FALSE(insideOuter);
    EXPECT_FALSE(insideInner);
    EXPECT_FALSE(afterInner);
    EXPECT_TRUE(first.Redraw());
    EXPECT_TRUE(second.Redraw());
}

TEST(RedrawPause, turns_redraw_back_on_when_the_work_throws) {
    SSOleDBGrid grid("grid");

    try {
        const RedrawPause pause{grid};
        throw std::runtime_error("failed");
    } catch (const std::runtime_error&) {
    }

    EXPECT_TRUE(grid.Redraw());
}

} // namespace
} // namespace tavrik
