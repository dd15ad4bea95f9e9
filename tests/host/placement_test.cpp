#include "app/placement.h"

#include <gtest/gtest.h>

namespace {

constexpr Size kScreen{1024, 768};

void ExpectAt(Point actual, int x, int y) {
    EXPECT_EQ(actual.x, x);
    EXPECT_EQ(actual.y, y);
}

TEST(ClampToEdgeTest, SidesPinXAndKeepYOnScreen) {
    ExpectAt(ClampToEdge({350, -20}, {64, 220}, kScreen, DockLeft), 0, 0);
    ExpectAt(ClampToEdge({350, 700}, {64, 220}, kScreen, DockLeft), 0, 768 - 220);
    ExpectAt(ClampToEdge({-500, 100}, {64, 220}, kScreen, DockRight), 1024 - 64, 100);
    ExpectAt(ClampToEdge({5000, 900}, {64, 220}, kScreen, DockRight), 1024 - 64, 768 - 220);
}

TEST(ClampToEdgeTest, TopPinsYAndKeepsXOnScreen) {
    ExpectAt(ClampToEdge({300, 57}, {220, 64}, kScreen, DockTop), 300, 0);
    ExpectAt(ClampToEdge({-3, 400}, {220, 64}, kScreen, DockTop), 0, 0);
    ExpectAt(ClampToEdge({900, 400}, {220, 64}, kScreen, DockTop), 1024 - 220, 0);
}

TEST(ClampToEdgeTest, FloatingAndUnknownModesStayPut) {
    ExpectAt(ClampToEdge({-300, 5000}, {220, 64}, kScreen, Floating), -300, 5000);
    ExpectAt(ClampToEdge({-300, 5000}, {220, 64}, kScreen, static_cast<DockMode>(3)), -300, 5000);
}

TEST(ClampToEdgeTest, WindowsLargerThanTheScreenEndAtTheFarEdge) {
    ExpectAt(ClampToEdge({0, 0}, {64, 1000}, kScreen, DockLeft), 0, 768 - 1000);
    ExpectAt(ClampToEdge({10, 0}, {1200, 64}, kScreen, DockTop), 1024 - 1200, 0);
}

TEST(DodgeJumpTest, TopAndFloatingJumpHalfTheScreenWidth) {
    const Size clock{200, 64};
    ExpectAt(DodgeJump({0, 0}, clock, kScreen, DockTop), 312, 0);
    ExpectAt(DodgeJump({600, 0}, clock, kScreen, DockTop), 88, 0);
    ExpectAt(DodgeJump({512, 0}, clock, kScreen, DockTop), 824, 0);  // 512 is not past half
    ExpectAt(DodgeJump({600, 300}, clock, kScreen, Floating), 88, 300);
}

TEST(DodgeJumpTest, SidesJumpHalfTheScreenHeight) {
    const Size clock{64, 200};
    ExpectAt(DodgeJump({0, 100}, clock, kScreen, DockLeft), 0, 100 + 384 - 200);
    ExpectAt(DodgeJump({960, 500}, clock, kScreen, DockRight), 960, 500 - 384);
    ExpectAt(DodgeJump({960, 384}, clock, kScreen, DockRight), 960, 384 + 384 - 200);
}

TEST(InsideHomeTest, LeftAndTopEdgesInsideRightAndBottomOutside) {
    constexpr Point home{300, 0};
    constexpr Size clock{200, 64};
    EXPECT_TRUE(InsideHome({300, 10}, home, clock));
    EXPECT_TRUE(InsideHome({350, 0}, home, clock));
    EXPECT_TRUE(InsideHome({499, 63}, home, clock));
    EXPECT_FALSE(InsideHome({500, 10}, home, clock));
    EXPECT_FALSE(InsideHome({350, 64}, home, clock));
    EXPECT_FALSE(InsideHome({299, 10}, home, clock));
}

}  // namespace
