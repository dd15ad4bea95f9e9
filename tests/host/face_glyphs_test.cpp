#include "app/face_glyphs.h"

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

// A turned face is painted cell by cell from the upright background; tick after tick it must
// be exactly the upright face turned, with glyphs of many sizes moving the line about.
TEST(RestampGlyphsTest, ATurnedFaceIsTheUprightFaceTurned) {
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
    for (const int angle : {90, 270}) {
        Picture upright = background;
        Picture turned{frame.height, frame.width,
                       std::vector<std::uint32_t>(background.pixels.size())};
        TurnQuarter(background.Span(), turned.Span(), angle);
        std::vector<std::uint32_t> scratch;
        UprightCells uprightCells(upright.Span(), background.Span());
        TurnedCells turnedCells(turned.Span(), background.Span(), angle, scratch);
        std::vector<GlyphPlacement> shown;
        for (const char* time : {"09:59:58", "09:59:59", "10:00:00", "", "23:51:07"}) {
            const std::vector<GlyphPlacement> wanted = LayoutGlyphs(time, frame, sizes);
            const Rect a = RestampGlyphs(uprightCells, frame, glyphs, shown, wanted);
            const Rect b = RestampGlyphs(turnedCells, frame, glyphs, shown, wanted);
            EXPECT_EQ(a, b) << time;
            shown = wanted;
            Picture expected{frame.height, frame.width, turned.pixels};
            TurnQuarter(std::as_const(upright).Span(), expected.Span(), angle);
            ASSERT_EQ(turned.pixels, expected.pixels) << angle << " " << time;
        }
    }
}

}  // namespace
