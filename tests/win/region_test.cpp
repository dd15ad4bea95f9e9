#include <gtest/gtest.h>

#include <random>

#include "bench/reference_region.h"
#include "image/pixel_image.h"

namespace {

constexpr ColorValue kKey = RGB(255, 0, 255);

std::vector<RECT> Rects(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<std::byte> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    GetRegionData(region, size, data);
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    return {rects, rects + data->rdh.nCount};
}

PixelImage Image(const std::vector<std::string>& rows) {
    PixelImage image;
    image.Create(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.SetColorAt(x, y, rows[y][x] == '.' ? kKey : RGB(1, 2, 3));
    return image;
}

void ExpectSameAsRunByRun(const PixelImage& image) {
    const UniqueRegion fast = image.CreateRegion(kKey);
    const UniqueRegion reference = RunByRunRegion(image, kKey);
    EXPECT_TRUE(EqualRgn(fast.get(), reference.get()));
}

TEST(CreateRegionTest, EdgeCasesMatchTheRunByRunShape) {
    for (const auto& rows : std::vector<std::vector<std::string>>{
             {"###", "###"},
             {"...", "..."},
             {".##.#"},
             {"....#", "#####"},
             {"....#", "#...."},
             {"#", ".", "#", "#"},
             {"#.#.#", "#.#.#", ".....", "##.##"},
         })
        ExpectSameAsRunByRun(Image(rows));
}

TEST(CreateRegionTest, ShapesOfKnownPictures) {
    const UniqueRegion full = Image({"###", "###"}).CreateRegion(kKey);
    RECT box{};
    EXPECT_EQ(GetRgnBox(full.get(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 3);
    EXPECT_EQ(box.bottom, 2);

    const UniqueRegion none = Image({"...", "..."}).CreateRegion(kKey);
    EXPECT_EQ(GetRgnBox(none.get(), &box), NULLREGION);
    const UniqueRegion empty = PixelImage().CreateRegion(kKey);
    EXPECT_EQ(GetRgnBox(empty.get(), &box), NULLREGION);

    // A run that reaches the row's end includes the last pixel.
    const UniqueRegion row = Image({".##.#"}).CreateRegion(kKey);
    const std::vector<RECT> rects = Rects(row.get());
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].left, 1);
    EXPECT_EQ(rects[0].right, 3);
    EXPECT_EQ(rects[1].left, 4);
    EXPECT_EQ(rects[1].right, 5);
}

TEST(CreateRegionTest, KeyPixelsWithAFourthByteAreStillCutOut) {
    PixelImage image = Image({"##"});
    image.Pixels().pixels[0] = PixelOfColor(kKey, 0x55);
    const UniqueRegion region = image.CreateRegion(kKey);
    RECT box{};
    GetRgnBox(region.get(), &box);
    EXPECT_EQ(box.left, 1);
}

TEST(CreateRegionTest, RandomImagesMatchTheRunByRunShape) {
    std::mt19937 random(11);
    for (int round = 0; round < 30; ++round) {
        PixelImage image;
        ASSERT_TRUE(image.Create(1 + random() % 64, 1 + random() % 48));
        const unsigned keyShare = 1 + random() % 4;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                image.SetColorAt(x, y, random() % keyShare == 0 ? kKey : RGB(0, 0, random() % 2));
        // Copy some rows so that bands of equal rows occur.
        for (int y = 1; y < image.Height(); y += 3)
            std::copy_n(image.Pixels().pixels + (y - 1) * image.Width(), image.Width(),
                        image.Pixels().pixels + y * image.Width());
        ExpectSameAsRunByRun(image);
    }
}

}  // namespace
