#include "model/full_screen_rule.h"

#include <gtest/gtest.h>

namespace {

constexpr Rect kMonitor{0, 0, 1024, 768};

TEST(FullScreenRuleTest, OnlyACaptionlessWindowCoveringTheMonitorIsFullScreen) {
    EXPECT_TRUE(IsFullScreen({kMonitor, false}, kMonitor));
    EXPECT_TRUE(IsFullScreen({{-8, -8, 1032, 776}, false}, kMonitor));
    EXPECT_FALSE(IsFullScreen({kMonitor, true}, kMonitor));  // a maximised window
    EXPECT_FALSE(IsFullScreen({{0, 0, 1024, 767}, false}, kMonitor));
    EXPECT_FALSE(IsFullScreen({kMonitor, false}, {1024, 0, 2048, 768}));  // another monitor's
}

// The clock changes band only when the answer changes, and never when told to stay on top.
TEST(FullScreenRuleTest, StepsAsideOnceAndComesBackOnce) {
    FullScreenRule rule(true);
    EXPECT_FALSE(rule.Follow(false));
    EXPECT_TRUE(rule.Follow(true));
    EXPECT_TRUE(rule.SteppedAside());
    EXPECT_FALSE(rule.Follow(true));
    EXPECT_TRUE(rule.Follow(false));
    EXPECT_FALSE(rule.SteppedAside());

    FullScreenRule stay(false);
    EXPECT_FALSE(stay.Follow(true));
    EXPECT_FALSE(stay.SteppedAside());
}

}  // namespace
