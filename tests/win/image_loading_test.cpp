#include <gtest/gtest.h>

#include "image/pixel_image.h"
#include "tests/win/message_box_watcher.h"
#include "tests/win/test_files.h"

namespace {

// A 5 x 3 picture with a distinct top row, so an upside-down load shows.
BmpPicture Picture(int colours) {
    const COLORREF palette[] = {RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 128, 255)};
    BmpPicture picture{5, 3, {}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.pixels.push_back(palette[(y == 0 ? x : x + y + 1) % colours]);
    return picture;
}

void ExpectPicture(const PixelImage& image, const BmpPicture& picture) {
    ASSERT_EQ(image.Width(), picture.width);
    ASSERT_EQ(image.Height(), picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            EXPECT_EQ(image.ColorAt(x, y), picture.pixels[y * picture.width + x]) << x << "," << y;
}

bool RunningOnWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

void ExpectEveryDepthLoads(bool topDown) {
    const ScratchFolder folder;
    for (int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(std::to_string(bits) + " bits");
        const BmpPicture picture = Picture(bits == 1 ? 2 : 4);
        folder.Write("p.bmp", EncodeBmp(picture, bits, topDown));
        PixelImage image;
        ASSERT_TRUE(image.LoadBmp(folder / "p.bmp"));
        ExpectPicture(image, picture);
        if (bits <= 24) {
            EXPECT_EQ(image.Pixels().pixels[0] >> 24, 0u);
        }
    }
}

TEST(LoadBmpTest, EveryDepthBottomUp) {
    ExpectEveryDepthLoads(false);
}

// Wine 8's LoadImageA fills the DIB section it makes for a top-down file with nothing;
// Windows loads such files upright.
TEST(LoadBmpTest, EveryDepthTopDown) {
    if (RunningOnWine())
        GTEST_SKIP() << "Wine 8 loads top-down BMP files blank";
    ExpectEveryDepthLoads(true);
}

TEST(LoadBmpTest, AFileThatDoesNotLoadKeepsThePreviousPicture) {
    const ScratchFolder folder;
    const BmpPicture picture = Picture(4);
    folder.Write("good.bmp", EncodeBmp(picture, 24, false));
    folder.Write("junk.bmp", std::string("this is not a bitmap"));
    PixelImage image;
    ASSERT_TRUE(image.Load(folder / "good.bmp"));
    EXPECT_FALSE(image.Load(folder / "missing.bmp"));
    EXPECT_FALSE(image.Load(folder / "junk.bmp"));
    ExpectPicture(image, picture);
}

std::vector<std::uint8_t> Targa(int depth, std::uint8_t descriptor,
                                std::vector<std::uint8_t> pixels, std::uint8_t type = 2) {
    // A 2 x 1 image, the pixel data straight after the header.
    std::vector<std::uint8_t> header{
        0,         0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, static_cast<std::uint8_t>(depth),
        descriptor};
    pixels.insert(pixels.begin(), header.begin(), header.end());
    return pixels;
}

TEST(TargaLoadTest, ReadsThroughLoadWhateverTheCaseOfTheEnding) {
    const ScratchFolder folder;
    folder.Write("a.TGA", Targa(24, 0x20, {0x10, 0x20, 0x30, 1, 2, 3}));
    folder.Write("btga", Targa(32, 0x20, {0x10, 0x20, 0x30, 0x40, 1, 2, 3, 4}));
    PixelImage image;
    ASSERT_TRUE(image.Load(folder / "a.TGA"));
    EXPECT_EQ(image.ColorAt(0, 0), (0x10u << 16) | (0x20u << 8) | 0x30u);
    EXPECT_EQ(image.Pixels().pixels[0] >> 24, 0u);
    ASSERT_TRUE(image.Load(folder / "btga"));
    EXPECT_EQ(image.Pixels().pixels[0] >> 24, 0x40u);
    EXPECT_EQ(image.ColorAt(1, 0), (1u << 16) | (2u << 8) | 3u);
}

TEST(TargaLoadTest, RefusalsNameTheirReasonAndKeepOrEmptyTheImage) {
    const ScratchFolder folder;
    folder.Write("good.tga", Targa(24, 0x20, {1, 2, 3, 4, 5, 6}));
    folder.Write("rle.tga", Targa(24, 0, {}, 10));
    folder.Write("deep.tga", Targa(16, 0, {}));
    std::vector<std::uint8_t> narrow = Targa(24, 0, {});
    narrow[12] = 0;  // width 0
    folder.Write("narrow.tga", narrow);

    PixelImage image;
    MessageBoxWatcher watcher;
    ASSERT_TRUE(image.Load(folder / "good.tga"));
    const ImageLoad missing = image.Load(folder / "missing.tga");
    const ImageLoad compressed = image.Load(folder / "rle.tga");
    const ImageLoad deep = image.Load(folder / "deep.tga");
    EXPECT_EQ(image.Width(), 2);  // kept through every refusal so far
    const ImageLoad narrowLoad = image.Load(folder / "narrow.tga");
    EXPECT_TRUE(image.IsEmpty());

    EXPECT_EQ(std::string(missing.Text()), "Targa: could not open file");
    EXPECT_EQ(std::string(compressed.Text()), "Targa: image type not yet supported");
    EXPECT_EQ(std::string(deep.Text()), "Targa: bit depth not yet supported");
    EXPECT_EQ(std::string(narrowLoad.Text()), "Targa: could not create dib");
    // The reader only reports; the caller decides what the user sees.
    EXPECT_TRUE(watcher.Seen().empty());
}

}  // namespace
