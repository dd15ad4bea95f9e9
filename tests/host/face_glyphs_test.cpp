#include "face/face_glyphs.h"
#include "face/zoom.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct Picture {
    int width;
    int height;
    std::vector<std::uint32_t> pixels;

    PixelSpan Span() { return {pixels.data(), width, height}; }
    ConstPixelSpan Span() const { return {pixels.data(), width, height}; }
};

Picture Made(int width, int height, std::uint32_t seed) {
    Picture picture{width, height, std::vector<std::uint32_t>(size_t(width) * height)};
    for (size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = (i * 2654435761u + seed) % 5 == 0 ? 0x00FFFFFFu  // see-through
                                                              : 0x7F000000u | (i * 40503u + seed);
    return picture;
}

// A face turned for a side edge or zoomed for a high DPI is painted cell by cell from the
// upright background at the skin's own size; tick after tick it must be exactly the upright face
// turned and zoomed, with glyphs of many sizes moving the line about. Zooming repeats pixels, so
// every key-coloured pixel stays whole and no colour bleeds into its neighbours.
TEST(RestampGlyphsTest, ATransformedFaceIsTheUprightFaceTurnedAndZoomed) {
    const Picture background = Made(61, 23, 7);
    std::array<Picture, kGlyphCount> glyphPictures;
    GlyphSpans glyphs;
    std::array<Size, kGlyphCount> sizes;
    for (int i = 0; i < kGlyphCount; ++i) {
        glyphPictures[i] = Made(3 + i % 4, 9 + i, 100 + i);
        glyphs[i] = std::as_const(glyphPictures[i]).Span();
        sizes[i] = {glyphPictures[i].width, glyphPictures[i].height};
    }
    const Size frame{background.width, background.height};
    const Rect whole{0, 0, frame.width, frame.height};
    for (const auto& [angle, zoom] : {std::pair{90, 1}, {270, 1}, {0, 2}, {90, 3}, {270, 2}}) {
        const Size shownSize = TurnedArea(whole, frame, angle, zoom).Extent();
        const auto blank = [&] {
            return Picture{shownSize.width, shownSize.height,
                           std::vector<std::uint32_t>(size_t(shownSize.width) * shownSize.height)};
        };
        Picture upright = background;
        Picture transformed = blank();
        TurnAndZoom(background.Span(), whole, transformed.Span(), {0, 0}, angle, zoom);
        std::vector<std::uint32_t> scratch;
        UprightCells uprightCells(upright.Span(), background.Span());
        TransformedCells transformedCells(transformed.Span(), background.Span(), angle, zoom,
                                          scratch);
        std::vector<GlyphPlacement> shown;
        for (const char* time : {"09:59:58", "09:59:59", "10:00:00", "", "23:51:07", "11:51:07P",
                                 " 1:00:00A", " 1.00.01A"}) {
            const std::vector<GlyphPlacement> wanted = LayoutGlyphs(time, frame, sizes);
            const Rect a = RestampGlyphs(uprightCells, frame, glyphs, shown, wanted);
            const Rect b = RestampGlyphs(transformedCells, frame, glyphs, shown, wanted);
            EXPECT_EQ(a, b) << time;
            shown = wanted;
            Picture expected = blank();
            TurnAndZoom(std::as_const(upright).Span(), whole, expected.Span(), {0, 0}, angle, zoom);
            ASSERT_EQ(transformed.pixels, expected.pixels) << angle << " x" << zoom << " " << time;
        }
        // Each zoomed pixel is a block of one colour.
        if (angle == 0) {
            EXPECT_EQ(transformed.pixels[0], transformed.pixels[1]);
            EXPECT_EQ(transformed.pixels[0], transformed.pixels[size_t(shownSize.width) + 1]);
            EXPECT_EQ(transformed.pixels[0], upright.pixels[0]);
        }
    }
}

TEST(FaceZoomTest, TheScreensDpiRoundedUnlessChosenAndNeverPastThePixelLimit) {
    EXPECT_EQ(AutomaticZoom(96), 1);
    EXPECT_EQ(AutomaticZoom(120), 1);  // 125%
    EXPECT_EQ(AutomaticZoom(144), 2);  // 150% rounds up
    EXPECT_EQ(AutomaticZoom(192), 2);
    EXPECT_EQ(AutomaticZoom(288), 3);
    EXPECT_EQ(AutomaticZoom(0), 1);
    EXPECT_EQ(FaceZoom(0, 192, {220, 64}), 2);
    EXPECT_EQ(FaceZoom(3, 96, {220, 64}), 3);
    EXPECT_EQ(FaceZoom(7, 96, {220, 64}), 1);  // not a choice: automatic
    EXPECT_EQ(FaceZoom(3, 96, {4096, 2048}), 2);
    EXPECT_EQ(FaceZoom(0, 288, {8192, 4096}), 1);
}

}  // namespace
