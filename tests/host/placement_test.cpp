#include "app/placement.h"

#include <gtest/gtest.h>

namespace {

// One screen of 1024 x 768.
class OneScreen : public Screens {
public:
    Rect Nearest(const Rect&) const override { return {0, 0, 1024, 768}; }
};
const OneScreen kScreen;

// A clock in `mode` whose window of `size` was settled from `at`.
Placement Settled(DockMode mode, Size size, Point at) {
    Placement placement;
    placement.SetMode(mode);
    placement.PlaceAt(at);
    placement.Settle(size, kScreen);
    return placement;
}

Point SettledAt(DockMode mode, Size size, Point at) {
    return Settled(mode, size, at).Position();
}

TEST(PlacementTest, SettlingPullsTheClockOntoTheEdgeOfItsModeAndRestsItThere) {
    // The sides pin x and keep y on the screen; the top pins y and keeps x on it.
    EXPECT_EQ(SettledAt(DockLeft, {64, 220}, {350, -20}), (Point{0, 0}));
    EXPECT_EQ(SettledAt(DockLeft, {64, 220}, {350, 700}), (Point{0, 768 - 220}));
    EXPECT_EQ(SettledAt(DockRight, {64, 220}, {-500, 100}), (Point{1024 - 64, 100}));
    EXPECT_EQ(SettledAt(DockRight, {64, 220}, {5000, 900}), (Point{1024 - 64, 768 - 220}));
    EXPECT_EQ(SettledAt(DockTop, {220, 64}, {300, 57}), (Point{300, 0}));
    EXPECT_EQ(SettledAt(DockTop, {220, 64}, {-3, 400}), (Point{0, 0}));
    EXPECT_EQ(SettledAt(DockTop, {220, 64}, {900, 400}), (Point{1024 - 220, 0}));
    // Floating, and the unused mode 3, stay put.
    EXPECT_EQ(SettledAt(Floating, {220, 64}, {-300, 5000}), (Point{-300, 5000}));
    EXPECT_EQ(SettledAt(static_cast<DockMode>(3), {220, 64}, {-300, 5000}), (Point{-300, 5000}));
    // A window larger than the screen ends at the far edge, partly off it.
    EXPECT_EQ(SettledAt(DockLeft, {64, 1000}, {0, 0}), (Point{0, 768 - 1000}));
    EXPECT_EQ(SettledAt(DockTop, {1200, 64}, {10, 0}), (Point{1024 - 1200, 0}));

    const Placement settled = Settled(DockTop, {220, 64}, {300, 57});
    EXPECT_EQ(settled.Home(), settled.Position());
    EXPECT_EQ(settled.WindowSize(), (Size{220, 64}));
}

TEST(PlacementTest, TheDodgeJumpsHalfTheScreenOnceUnlessTheClockIsReachedFor) {
    struct Case {
        DockMode mode;
        Size size;
        Point home, jump;
    };
    for (const Case c : {
             Case{DockTop, {200, 64}, {0, 0}, {312, 0}},
             Case{DockTop, {200, 64}, {600, 0}, {88, 0}},
             Case{DockTop, {200, 64}, {512, 0}, {824, 0}},  // half the screen is not beyond it
             Case{Floating, {200, 64}, {600, 300}, {88, 300}},
             Case{DockLeft, {64, 200}, {0, 100}, {0, 100 + 384 - 200}},
             Case{DockRight, {64, 200}, {960, 500}, {960, 500 - 384}},
             Case{DockRight, {64, 200}, {960, 384}, {960, 384 + 384 - 200}},
         }) {
        Placement placement = Settled(c.mode, c.size, c.home);
        ASSERT_EQ(placement.Position(), c.home);
        EXPECT_EQ(placement.Dodge({}, kScreen), c.jump) << c.mode;
        EXPECT_EQ(placement.Home(), c.home);
        EXPECT_FALSE(placement.Dodge({}, kScreen));  // dodged already
    }

    Placement placement = Settled(DockTop, {200, 64}, {600, 0});
    EXPECT_FALSE(placement.Dodge({.shift = true}, kScreen));
    EXPECT_FALSE(placement.Dodge({.control = true}, kScreen));
    placement.FlipAutoMove();
    EXPECT_FALSE(placement.Dodge({}, kScreen));
    EXPECT_TRUE(placement.AtHome());
}

TEST(PlacementTest, ADodgedClockGoesHomeOnceThePointerIsOffItsHomeRectangle) {
    Placement placement = Settled(DockTop, {200, 64}, {300, 0});
    placement.Dodge({}, kScreen);
    placement.FlipAutoMove();  // the return does not ask for auto move
    for (const Point on : {Point{300, 10}, Point{350, 0}, Point{499, 63}})
        EXPECT_FALSE(placement.ReturnHome(on)) << on.x << "," << on.y;
    EXPECT_EQ(placement.ReturnHome({350, 64}), (Point{300, 0}));
    EXPECT_TRUE(placement.AtHome());
    EXPECT_FALSE(placement.ReturnHome({900, 700}));  // home already

    placement.FlipAutoMove();
    placement.Dodge({}, kScreen);
    EXPECT_EQ(placement.ReturnHome({500, 10}), (Point{300, 0}));
}

TEST(PlacementTest, ADragSlidesAlongTheEdgeAndEveryPlaceItPassesBecomesHome) {
    // Grabbed 50 pixels from its left edge and 20 from its top.
    Placement placement = Settled(DockTop, {200, 40}, {600, 0});
    EXPECT_FALSE(placement.DragTo({400, 300}, kScreen));  // no button down
    placement.StartDrag({650, 20}, {600, 0});
    EXPECT_EQ(placement.DragTo({400, 300}, kScreen), (Point{350, 0}));
    EXPECT_EQ(placement.DragTo({5, 500}, kScreen), (Point{0, 0}));
    EXPECT_EQ(placement.DragTo({1020, 10}, kScreen), (Point{1024 - 200, 0}));
    EXPECT_EQ(placement.Home(), (Point{1024 - 200, 0}));
    placement.EndDrag();
    EXPECT_FALSE(placement.DragTo({700, 700}, kScreen));

    // A floating clock follows the pointer anywhere, off the screen too.
    Placement floating = Settled(Floating, {200, 40}, {600, 0});
    floating.StartDrag({650, 20}, {600, 0});
    EXPECT_EQ(floating.DragTo({10, 5}, kScreen), (Point{-40, -15}));

    // A dodged clock grabbed where it stands rests where the drag puts it.
    Placement dodged = Settled(DockTop, {200, 40}, {600, 0});
    dodged.Dodge({}, kScreen);
    dodged.StartDrag({100, 20}, dodged.Position());
    EXPECT_EQ(dodged.DragTo({110, 20}, kScreen), (Point{98, 0}));
    EXPECT_TRUE(dodged.AtHome());
}

// A clock without a skin stands where the dialog manager centred it, at the size of its
// template, whatever place the settings gave: a pointer resting on it after a dodge must keep
// it there, not send it home under the pointer to jump again the next moment.
TEST(PlacementTest, AClockWithoutASkinGoesByItsRealRectangle) {
    Placement placement;
    placement.PlaceAt({0, 400});
    placement.Adopt({346, 256, 346 + 331, 256 + 255});
    const std::optional<Point> jump = placement.Dodge({}, kScreen);
    ASSERT_TRUE(jump);
    EXPECT_EQ(*jump, (Point{346 + 512 - 331, 256}));
    placement.Adopt(Rect::At(*jump, {331, 255}));  // the window system reports the move
    EXPECT_EQ(placement.Home(), (Point{346, 256}));
    EXPECT_FALSE(placement.ReturnHome({600, 300}));  // on both the clock and its home
    EXPECT_EQ(placement.ReturnHome({900, 300}), (Point{346, 256}));
}

}  // namespace
