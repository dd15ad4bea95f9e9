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

}  // namespace
