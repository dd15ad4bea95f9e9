#include "model/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "face/zoom.h"

namespace {

// Screens side by side, answered as the window system answers: the screen that shares most of
// the window, or the nearest one when none does.
class SomeScreens : public Screens {
public:
    explicit SomeScreens(std::vector<Rect> screens, std::vector<int> dpis = {})
        : screens(std::move(screens)), dpis(std::move(dpis)) {}

    Rect Nearest(const Rect& window) const override {
        const auto shared = [&](const Rect& screen) {
            const Rect both = Intersection(window, screen);
            return both.IsEmpty() ? 0LL : 1LL * both.Width() * both.Height();
        };
        const auto distance = [&](const Rect& screen) {
            const int dx = std::max({screen.left - window.right, window.left - screen.right, 0});
            const int dy = std::max({screen.top - window.bottom, window.top - screen.bottom, 0});
            return 1LL * dx * dx + 1LL * dy * dy;
        };
        return *std::min_element(screens.begin(), screens.end(), [&](const Rect& a, const Rect& b) {
            return shared(a) != shared(b) ? shared(a) > shared(b) : distance(a) < distance(b);
        });
    }
    bool AnyShows(const Rect& window) const override {
        return std::any_of(screens.begin(), screens.end(), [&](const Rect& screen) {
            return !Intersection(window, screen).IsEmpty();
        });
    }

    int Dpi(Point point) const override {
        const Rect nearest = Nearest(Rect::At(point, {1, 1}));
        const auto at = std::find(screens.begin(), screens.end(), nearest) - screens.begin();
        return at < static_cast<long>(dpis.size()) ? dpis[at] : 96;
    }

private:
    std::vector<Rect> screens;
    std::vector<int> dpis;
};
const SomeScreens kScreen({{0, 0, 1024, 768}});
// A primary screen with a smaller one to its right.
const SomeScreens kTwoScreens({{0, 0, 1024, 768}, {1024, 0, 1824, 600}});

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

    Placement locked = Settled(DockTop, {200, 64}, {600, 0});
    locked.SetLocked(true);
    EXPECT_FALSE(locked.Dodge({}, kScreen));
    locked.StartDrag({650, 20}, {600, 0});
    EXPECT_FALSE(locked.Dragging());
    EXPECT_FALSE(locked.DragTo({400, 20}, kScreen));
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

// Every decision is made on the screen that holds the clock: its edges, half its size.
TEST(PlacementTest, EachScreenHasEdgesOfItsOwn) {
    const auto settled = [](DockMode mode, Size size, Point at) {
        Placement placement;
        placement.SetMode(mode);
        placement.PlaceAt(at);
        placement.Settle(size, kTwoScreens);
        return placement;
    };
    EXPECT_EQ(settled(DockTop, {220, 64}, {1300, 400}).Position(), (Point{1300, 0}));
    EXPECT_EQ(settled(DockTop, {220, 64}, {5000, 0}).Position(), (Point{1824 - 220, 0}));
    EXPECT_EQ(settled(DockRight, {64, 220}, {1300, 500}).Position(), (Point{1824 - 64, 600 - 220}));
    EXPECT_EQ(settled(DockLeft, {64, 220}, {1300, 50}).Position(), (Point{1024, 50}));

    Placement top = settled(DockTop, {200, 64}, {1300, 0});
    EXPECT_EQ(top.Dodge({}, kTwoScreens), (Point{1300 + 400 - 200, 0}));

    // A drag carries a clock docked on the right edge of one screen to the right edge of the next.
    Placement right = settled(DockRight, {64, 220}, {0, 100});
    ASSERT_EQ(right.Position(), (Point{1024 - 64, 100}));
    right.StartDrag({990, 150}, right.Position());
    EXPECT_EQ(right.DragTo({1700, 150}, kTwoScreens), (Point{1824 - 64, 100}));
}

TEST(PlacementTest, WhenTheScreensChangeTheClockComesBackOntoOne) {
    // The screen on the right is unplugged: the clock docked there goes to the primary's edge.
    Placement right;
    right.SetMode(DockRight);
    right.PlaceAt({1500, 100});
    right.Settle({64, 220}, kTwoScreens);
    EXPECT_EQ(right.ScreensChanged(kScreen), (Point{1024 - 64, 100}));
    EXPECT_FALSE(right.ScreensChanged(kScreen));  // where it belongs already

    // A floating clock is left where it is while any screen shows part of it, and otherwise
    // comes whole onto the nearest screen.
    Placement floating;
    floating.SetMode(Floating);
    floating.PlaceAt({1000, 700});
    floating.Settle({200, 64}, kTwoScreens);
    EXPECT_FALSE(floating.ScreensChanged(kTwoScreens));
    floating.StartDrag({0, 0}, {0, 0});
    floating.DragTo({3000, 900}, kTwoScreens);
    EXPECT_EQ(floating.ScreensChanged(kTwoScreens), (Point{1824 - 200, 600 - 64}));
    EXPECT_TRUE(floating.AtHome());
}

// A screen at 200% beside one at 100%. On their boundary, a window grown from its top-left
// reached the other screen, whose zoom shrank it back, again and again: decided at its anchor
// and grown around it, the zoom changes once and stays, at rest and while dragged.
TEST(PlacementTest, AZoomDecidedOnABoundaryBetweenDpisStays) {
    const SomeScreens screens({{0, 0, 1000, 800}, {1000, 0, 2000, 800}}, {192, 96});
    for (int x = 700; x <= 1000; x += 25) {
        for (const bool dragged : {false, true}) {
            Placement placement;
            placement.SetMode(Floating);
            placement.PlaceAt({x, 300});
            placement.Settle({200, 60}, screens);
            if (dragged)
                placement.StartDrag({x + 150, 320}, {x, 300});
            int zoom = 1, changes = 0;
            for (int message = 0; message < 4; ++message) {
                const Point anchor = placement.ZoomAnchor();
                if (const int wanted = AutomaticZoom(screens.Dpi(anchor)); wanted != zoom) {
                    zoom = wanted;
                    ++changes;
                    const Point to = placement.Regrow({200 * zoom, 60 * zoom}, anchor, screens);
                    EXPECT_EQ(Rect::At(to, placement.WindowSize()).Contains(anchor), true);
                }
            }
            EXPECT_LE(changes, 1) << x << (dragged ? " dragged" : "");
        }
    }
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
