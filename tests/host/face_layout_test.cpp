#include "face/face_layout.h"

#include <gtest/gtest.h>

#include "model/window_paint_layout.h"

namespace {

std::array<Size, kGlyphCount> DigitsAndColon(Size digit, Size colon) {
    std::array<Size, kGlyphCount> sizes{};
    sizes.fill(digit);
    sizes[kColonGlyph] = colon;
    return sizes;
}

std::vector<int> Xs(const std::vector<GlyphPlacement>& placements) {
    std::vector<int> xs;
    for (const GlyphPlacement& p : placements)
        xs.push_back(p.at.x);
    return xs;
}

TEST(FaceLayoutTest, CentresTheLineHalvingBeforeSubtracting) {
    const auto glyphs = DigitsAndColon({10, 20}, {4, 20});
    const auto placements = LayoutGlyphs("12:34:56", {100, 40}, glyphs);
    EXPECT_EQ(Xs(placements), (std::vector<int>{16, 26, 36, 40, 50, 60, 64, 74}));
    for (const GlyphPlacement& p : placements)
        EXPECT_EQ(p.at.y, 10);
    EXPECT_EQ(placements[2].glyph, kColonGlyph);
    EXPECT_EQ(placements[7].glyph, 6);

    // Odd sizes: 99 / 2 - 68 / 2 = 15, not (99 - 68) / 2; 41 / 2 - 20 / 2 = 10.
    const auto odd = LayoutGlyphs("12:34:56", {99, 41}, glyphs);
    EXPECT_EQ(odd.front().at.x, 15);
    EXPECT_EQ(odd.front().at.y, 10);

    // 100 / 2 - 51 / 2 = 25, where (100 - 51) / 2 would give 24.
    auto wide = DigitsAndColon({51, 1}, {0, 0});
    EXPECT_EQ(LayoutGlyphs("0", {100, 1}, wide).front().at.x, 25);
}

TEST(FaceLayoutTest, GlyphsHangFromOneTopEdge) {
    auto glyphs = DigitsAndColon({10, 20}, {4, 20});
    glyphs[1] = {10, 30};
    const auto placements = LayoutGlyphs("12:34:56", {100, 40}, glyphs);
    for (const GlyphPlacement& p : placements)
        EXPECT_EQ(p.at.y, 5);  // 40 / 2 - 30 / 2
}

TEST(FaceLayoutTest, EmptyGlyphsCloseUpAndEmptyTimeLaysOutNothing) {
    auto glyphs = DigitsAndColon({10, 20}, {0, 0});
    EXPECT_EQ(Xs(LayoutGlyphs("12:34", {100, 40}, glyphs)), (std::vector<int>{30, 40, 50, 50, 60}));
    EXPECT_TRUE(LayoutGlyphs("", {100, 40}, glyphs).empty());
}

// The blank tens of a 12-hour hour take the cell of '0', so " 9:59" is as wide as "10:59"; the
// blinking colons keep their cells, and the indicator's cell is the wider and taller of AM and PM.
TEST(FaceLayoutTest, BlankCellsAndTheIndicatorCell) {
    auto glyphs = DigitsAndColon({10, 20}, {4, 30});
    glyphs[0] = {12, 20};
    glyphs[kAmGlyph] = {9, 8};
    glyphs[kPmGlyph] = {7, 11};
    // 12 + 10 + 4 + 10 + 10 + 9 = 55 wide, from 100 / 2 - 55 / 2 = 23; the colon sets the top.
    const auto nine = LayoutGlyphs(" 9:59A", {100, 40}, glyphs);
    EXPECT_EQ(Xs(nine), (std::vector<int>{23, 35, 45, 49, 59, 69}));
    EXPECT_EQ(nine[0].glyph, kNoGlyph);
    EXPECT_EQ(Xs(LayoutGlyphs("10:59P", {100, 40}, glyphs)),
              (std::vector<int>{23, 33, 45, 49, 59, 69}));
    // A blank colon keeps the colon's cell, and its height still sets the top edge.
    const auto blank = LayoutGlyphs("10.00", {100, 40}, glyphs);
    EXPECT_EQ(Xs(blank), (std::vector<int>{25, 35, 47, 51, 63}));
    EXPECT_EQ(blank[2].glyph, kNoGlyph);
    EXPECT_EQ(blank[2].at.y, 5);
    // The box of what is stamped leaves the blank cells out.
    EXPECT_EQ(LaidOutLine(" 9:59A", {100, 40}, glyphs).left, 35);
    // One indicator without the other: no indicator cell at all.
    glyphs[kPmGlyph] = {};
    EXPECT_EQ(Xs(LayoutGlyphs("10:59P", {100, 40}, glyphs)),
              (std::vector<int>{27, 37, 49, 53, 63}));
}

TEST(FaceLayoutTest, PlainTextAndIconOrigins) {
    // An empty background puts the text's top-centre above the window's corner.
    EXPECT_EQ(PlainTextOrigin({0, 0}, 13).x, 0);
    EXPECT_EQ(PlainTextOrigin({0, 0}, 13).y, -6);
    EXPECT_EQ(PlainTextOrigin({101, 40}, 13).y, 14);
    EXPECT_EQ(MinimisedIconOrigin({36, 36}, {32, 32}).x, 2);
    EXPECT_EQ(MinimisedIconOrigin({35, 35}, {32, 32}).y, 2);
}

TEST(FaceLayoutTest, LineBoxFollowsTheLayoutOfTheFace) {
    std::array<Size, kGlyphCount> glyphs{};
    glyphs.fill({10, 20});
    glyphs[kColonGlyph] = {4, 20};
    // Six digits and two colons: 68 wide, centred with each half taken first.
    const Rect line = LaidOutLine("12:34:56", {99, 41}, glyphs);
    EXPECT_EQ(line.left, 49 - 34);
    EXPECT_EQ(line.right, line.left + 68);
    EXPECT_EQ(line.top, 20 - 10);
    EXPECT_EQ(line.bottom, line.top + 20);
    EXPECT_TRUE(FitsOn(line, {99, 41}));
    EXPECT_FALSE(FitsOn(LaidOutLine("12:34:56", {67, 41}, glyphs), {67, 41}));
    EXPECT_FALSE(FitsOn(LaidOutLine("12:34:56", {99, 19}, glyphs), {99, 19}));

    // A taller glyph sets the common top edge; the others hang from it.
    glyphs[8] = {10, 30};
    const Rect tall = LaidOutLine("88:11:11", {100, 40}, glyphs);
    EXPECT_EQ(tall.top, 20 - 15);
    EXPECT_EQ(tall.bottom, tall.top + 30);

    // Glyphs with no picture stamp nothing and take no room.
    std::array<Size, kGlyphCount> empty{};
    const Rect nothing = LaidOutLine("12:34:56", {100, 40}, empty);
    EXPECT_EQ(nothing.right - nothing.left, 0);
    EXPECT_TRUE(FitsOn(nothing, {100, 40}));
}

}  // namespace
