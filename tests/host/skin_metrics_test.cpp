#include "skin/skin_metrics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr ColorValue kKey = MakeColorValue(255, 0, 255);
constexpr std::uint32_t kKeyPixel = PixelOfColor(kKey, 0);
constexpr std::uint32_t kInk = PixelOfColor(MakeColorValue(10, 20, 30), 0);

struct Picture {
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
    ConstPixelSpan Span() const { return {pixels.data(), width, height}; }
};

// `rows` of '#' for ink and '.' for key colour.
Picture Draw(const std::vector<std::string>& rows) {
    Picture picture{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
    for (const std::string& row : rows)
        for (char c : row)
            picture.pixels.push_back(c == '#' ? kInk : kKeyPixel);
    return picture;
}

TEST(SkinMetricsTest, ShapeCountsKeyPixelsBandsAndRectangles) {
    const Picture ring = Draw({
        "......",
        ".####.",
        ".#..#.",
        ".#..#.",
        ".####.",
    });
    const ShapeMetrics metrics = MeasureShape(ring.Span(), kKey);
    EXPECT_EQ(metrics.totalPixels, 30);
    EXPECT_EQ(metrics.keyPixels, 30 - 12);
    EXPECT_EQ(metrics.bands, 3);
    EXPECT_EQ(metrics.rectangles, 1 + 2 + 1);

    // The fourth byte of a pixel is no part of its colour.
    Picture marked = Draw({"#.", ".#"});
    for (std::uint32_t& pixel : marked.pixels)
        pixel |= 0xFF000000u;
    const ShapeMetrics fourth = MeasureShape(marked.Span(), kKey);
    EXPECT_EQ(fourth.keyPixels, 2);
    EXPECT_EQ(fourth.rectangles, 2);

    const ShapeMetrics none = MeasureShape(Draw({"...", "..."}).Span(), kKey);
    EXPECT_EQ(none.keyPixels, none.totalPixels);
    EXPECT_EQ(none.bands, 0);
    EXPECT_EQ(none.rectangles, 0);
}

TEST(SkinMetricsTest, LineBoxFollowsTheLayoutOfTheFace) {
    std::array<Size, kGlyphCount> glyphs{};
    glyphs.fill({10, 20});
    glyphs[kColonGlyph] = {4, 20};
    // Six digits and two colons: 68 wide, centred with each half taken first.
    const LineBox line = LaidOutLine("12:34:56", {99, 41}, glyphs);
    EXPECT_EQ(line.left, 49 - 34);
    EXPECT_EQ(line.right, line.left + 68);
    EXPECT_EQ(line.top, 20 - 10);
    EXPECT_EQ(line.bottom, line.top + 20);
    EXPECT_TRUE(FitsOn(line, {99, 41}));
    EXPECT_FALSE(FitsOn(LaidOutLine("12:34:56", {67, 41}, glyphs), {67, 41}));
    EXPECT_FALSE(FitsOn(LaidOutLine("12:34:56", {99, 19}, glyphs), {99, 19}));

    // A taller glyph sets the common top edge; the others hang from it.
    glyphs[8] = {10, 30};
    const LineBox tall = LaidOutLine("88:11:11", {100, 40}, glyphs);
    EXPECT_EQ(tall.top, 20 - 15);
    EXPECT_EQ(tall.bottom, tall.top + 30);

    // Glyphs with no picture stamp nothing and take no room.
    std::array<Size, kGlyphCount> empty{};
    const LineBox nothing = LaidOutLine("12:34:56", {100, 40}, empty);
    EXPECT_EQ(nothing.right - nothing.left, 0);
    EXPECT_TRUE(FitsOn(nothing, {100, 40}));
}

}  // namespace
