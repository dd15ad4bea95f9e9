#include "face/face_label.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The skin's area when it lies within the background; a strip below it otherwise.
TEST(FaceLabelTest, TheSkinsAreaWhereItFitsElseAStripBelow) {
    const Size background{220, 64};
    EXPECT_EQ(PlanLabel(background, Rect{10, 50, 210, 62}, 16).area, (Rect{10, 50, 210, 62}));
    EXPECT_EQ(PlanLabel(background, Rect{10, 50, 210, 62}, 16).face, background);
    for (const std::optional<Rect> area :
         {std::optional<Rect>(), std::optional(Rect{10, 60, 210, 70}),
          std::optional(Rect{5, 5, 5, 9})}) {
        const LabelPlan plan = PlanLabel(background, area, 16);
        EXPECT_TRUE(plan.strip);
        EXPECT_EQ(plan.face, (Size{220, 80}));
        EXPECT_EQ(plan.area, (Rect{0, 64, 220, 80}));
    }
}

// Keyed pictures leave the key out; premultiplied ones weigh each colour by its opacity.
TEST(FaceLabelTest, AverageColoursAndTheTextsColourStandsOut) {
    const std::uint32_t key = KeyPixel(255, 0, 255);
    std::vector<std::uint32_t> keyed{key, KeyPixel(200, 0, 0), KeyPixel(100, 50, 0), key};
    EXPECT_EQ(AverageColour({keyed.data(), 2, 2}, key), MakeColorValue(150, 25, 0));
    // Opaque red and half-opaque blue, premultiplied: red weighs twice.
    std::vector<std::uint32_t> alpha{0xFFFF0000u, 0x8000007Fu, 0};
    EXPECT_EQ(AverageColour({alpha.data(), 3, 1}, std::nullopt), MakeColorValue(169, 0, 84));
    EXPECT_EQ(AverageColour({keyed.data(), 1, 1}, key), MakeColorValue(0, 0, 0));

    const ColorValue white = MakeColorValue(255, 255, 255), black = MakeColorValue(0, 0, 0);
    EXPECT_EQ(ReadableColour(MakeColorValue(200, 30, 30), black), MakeColorValue(200, 30, 30));
    EXPECT_EQ(ReadableColour(MakeColorValue(20, 20, 30), black), white);
    EXPECT_EQ(ReadableColour(MakeColorValue(240, 240, 230), white), black);
}

// Whole coverage leaves the colour, opaque; half blends it over what is there; nothing outside
// the area or the picture is touched.
TEST(FaceLabelTest, CoverageLaysTheTextsColourOverTheArea) {
    std::vector<std::uint32_t> image(4 * 2, 0xFF000000u);
    const std::vector<std::uint8_t> coverage{255, 128, 0, 255};
    LayCoverage({image.data(), 4, 2}, Rect{3, 1, 5, 3}, coverage, MakeColorValue(255, 0, 0));
    EXPECT_EQ(image[7], 0xFFFF0000u);
    EXPECT_EQ(image[6], 0xFF000000u);
    LayCoverage({image.data(), 4, 2}, Rect{0, 0, 2, 1}, coverage, MakeColorValue(0, 0, 255));
    EXPECT_EQ(image[0], 0xFF0000FFu);
    EXPECT_EQ(image[1], 0xFF000080u);
    EXPECT_EQ(image[2], 0xFF000000u);
}

}  // namespace
