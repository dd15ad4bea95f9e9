#include "model/free_place.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr Rect kWork{0, 0, 1000, 700};

// A new clock goes beside its own along the same row, right before left, over no other clock;
// a full row sends it a row down or up; a full monitor has no place for it.
TEST(FreePlaceTest, BesideOnTheSameRowThenTheNearestRowAndNoneOnAFullMonitor) {
    const Rect from = Rect::At({300, 0}, {200, 100});
    std::vector<Rect> taken{from};
    EXPECT_EQ(FreePlace(from, kWork, taken), (Point{500, 0}));
    taken.push_back(Rect::At({500, 0}, {200, 100}));
    EXPECT_EQ(FreePlace(from, kWork, taken), (Point{100, 0}));
    // A clock that overlaps a place only in part still takes it.
    taken.push_back(Rect::At({150, 50}, {10, 10}));
    taken.push_back(Rect::At({790, 0}, {10, 10}));
    EXPECT_EQ(FreePlace(from, kWork, taken), (Point{300, 100}));

    const Rect whole = Rect::At({0, 0}, {1000, 700});
    EXPECT_EQ(FreePlace(whole, kWork, std::vector<Rect>{whole}), std::nullopt);
    EXPECT_EQ(FreePlace(Rect{}, kWork, std::vector<Rect>{}), std::nullopt);
}

}  // namespace
