#include "image/pixel_image.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/clock_face.h"

namespace {

void Fill(PixelImage& image, ColorValue color) {
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.SetColorAt(x, y, color);
}

TEST(PixelImageTest, CreateFillsTheHeaderForATopDownImage) {
    PixelImage image;
    ASSERT_TRUE(image.Create(3, 2));
    const BITMAPINFOHEADER& h = image.Header().bmiHeader;
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 3);
    EXPECT_EQ(h.biHeight, -2);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 32);
    EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(h.biSizeImage, 24u);
    EXPECT_EQ(h.biXPelsPerMeter | h.biYPelsPerMeter | h.biClrUsed | h.biClrImportant, 0);
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_NE(image.Bitmap(), nullptr);
    EXPECT_EQ(image.ColorAt(2, 1), 0u);  // a new DIB section is zero-filled
}

TEST(PixelImageTest, FailedCreateLeavesTheImageEmpty) {
    PixelImage image;
    ASSERT_TRUE(image.Create(4, 4));
    for (const auto& [w, h] : {std::pair{0, 10}, {10, 0}}) {
        EXPECT_FALSE(image.Create(w, h));
        EXPECT_TRUE(image.IsEmpty());
        EXPECT_EQ(image.Width(), 0);
        EXPECT_EQ(image.Height(), 0);
        EXPECT_EQ(image.Bitmap(), nullptr);
        const BITMAPINFO empty{};
        EXPECT_EQ(std::memcmp(&image.Header(), &empty, sizeof empty), 0);
        ASSERT_TRUE(image.Create(4, 4));
    }
    image.Destroy();
    image.Destroy();  // safe to repeat
    EXPECT_TRUE(image.IsEmpty());
}

TEST(PixelImageTest, SetColorAtKeepsTheFourthByte) {
    PixelImage image;
    ASSERT_TRUE(image.Create(2, 2));
    image.Pixels().pixels[3] = 0x7F000000;
    const ColorValue color = (0x12u << 16) | (0x34u << 8) | 0x56u;
    image.SetColorAt(1, 1, color | 0xAB000000u);
    EXPECT_EQ(image.ColorAt(1, 1), color);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&image.Pixels().pixels[3]);
    EXPECT_EQ(bytes[0], 0x12);  // blue
    EXPECT_EQ(bytes[1], 0x34);  // green
    EXPECT_EQ(bytes[2], 0x56);  // red
    EXPECT_EQ(bytes[3], 0x7F);
}

TEST(PixelImageTest, RotateTurnsAndSwapsTheSize) {
    PixelImage image;
    ASSERT_TRUE(image.Create(3, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.SetColorAt(x, y, RGB(x + 1, y + 1, 9));
    image.Rotate(90);
    ASSERT_EQ(image.Width(), 2);
    ASSERT_EQ(image.Height(), 3);
    EXPECT_EQ(image.Header().bmiHeader.biHeight, -3);
    EXPECT_EQ(image.ColorAt(1, 0), RGB(1, 1, 9));
    EXPECT_EQ(image.ColorAt(0, 2), RGB(3, 2, 9));
    image.Rotate(270);
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.ColorAt(2, 1), RGB(3, 2, 9));
    for (int angle : {0, 180, 45, -90}) {
        image.Rotate(angle);
        EXPECT_EQ(image.Width(), 3);
        EXPECT_EQ(image.ColorAt(0, 0), RGB(1, 1, 9));
    }
    PixelImage empty;
    empty.Rotate(90);
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(PixelImageTest, DrawPutsThePixelsOnADevice) {
    PixelImage image;
    ASSERT_TRUE(image.Create(4, 3));
    Fill(image, RGB(10, 20, 30));
    image.SetColorAt(3, 0, RGB(200, 100, 50));

    PixelImage target;
    ASSERT_TRUE(target.Create(8, 8));
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    {
        const ScopedSelect select(dc.get(), target.Bitmap());
        image.Draw(dc.get(), 2, 1);
        GdiFlush();
    }
    EXPECT_EQ(target.ColorAt(2, 1), RGB(10, 20, 30));
    EXPECT_EQ(target.ColorAt(5, 1), RGB(200, 100, 50));  // top row stays on top
    EXPECT_EQ(target.ColorAt(5, 3), RGB(10, 20, 30));
    EXPECT_EQ(target.ColorAt(1, 1), 0u);
    EXPECT_EQ(target.ColorAt(6, 1), 0u);
    EXPECT_EQ(target.ColorAt(2, 4), 0u);
}

TEST(PixelImageTest, CopyFromBitmapConvertsAPlatformBitmap) {
    const UniqueDc screen(CreateCompatibleDC(nullptr));
    PixelImage source;
    ASSERT_TRUE(source.Create(3, 2));
    source.SetColorAt(0, 0, RGB(1, 2, 3));
    source.SetColorAt(2, 1, RGB(4, 5, 6));
    PixelImage copy;
    ASSERT_TRUE(copy.Create(3, 2));
    EXPECT_EQ(copy.CopyFromBitmap(screen.get(), source.Bitmap()), 2);
    EXPECT_EQ(copy.ColorAt(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(copy.ColorAt(2, 1), RGB(4, 5, 6));
}

// The face of "12:34:56" with 10 x 20 digits and a 4 x 20 colon on a 100 x 40 background.
class ClockFaceTest : public ::testing::Test {
protected:
    static constexpr ColorValue kBackground = RGB(0, 0, 128);
    static constexpr ColorValue kInk = RGB(255, 200, 0);

    void SetUp() override {
        ASSERT_TRUE(background.Create(100, 40));
        Fill(background, kBackground);
        for (int i = 0; i < kGlyphCount; ++i) {
            ASSERT_TRUE(glyphs[i].Create(i == kColonGlyph ? 4 : 10, 20));
            Fill(glyphs[i], RGB(255, 255, 255));
            glyphs[i].SetColorAt(0, 0, kInk);  // one inked pixel at each glyph's corner
        }
    }

    PixelImage background;
    std::array<PixelImage, kGlyphCount> glyphs;
};

TEST_F(ClockFaceTest, StampsGlyphsWithWhiteSeeThrough) {
    ClockFace clockFace;
    const PixelImage& face = clockFace.Compose(background, glyphs, "12:34:56", DockTop);
    ASSERT_EQ(face.Width(), 100);
    ASSERT_EQ(face.Height(), 40);
    for (int x : {16, 26, 36, 40, 50, 60, 64, 74})
        EXPECT_EQ(face.ColorAt(x, 10), kInk) << x;
    EXPECT_EQ(face.ColorAt(17, 10), kBackground);
    EXPECT_EQ(face.ColorAt(16, 11), kBackground);
    EXPECT_EQ(background.ColorAt(16, 10), kBackground);  // the background itself is untouched
}

TEST_F(ClockFaceTest, SideDocksTurnTheFinishedFace) {
    ClockFace clockFace;
    const PixelImage& right = clockFace.Compose(background, glyphs, "12:34:56", DockRight);
    ASSERT_EQ(right.Width(), 40);
    ASSERT_EQ(right.Height(), 100);
    EXPECT_EQ(right.ColorAt(40 - 1 - 10, 16), kInk);  // clockwise: (x, y) -> (H - 1 - y, x)

    const PixelImage& left = clockFace.Compose(background, glyphs, "12:34:56", DockLeft);
    EXPECT_EQ(left.ColorAt(10, 100 - 1 - 16), kInk);  // counter-clockwise: (x, y) -> (y, W - 1 - x)

    EXPECT_EQ(clockFace.Compose(background, glyphs, "12:34:56", Floating).Width(), 100);
}

TEST_F(ClockFaceTest, EmptyBackgroundOrTimeGiveNothingOrTheBackground) {
    ClockFace clockFace;
    EXPECT_TRUE(clockFace.Compose(PixelImage{}, glyphs, "12:34:56", DockTop).IsEmpty());
    EXPECT_EQ(clockFace.Compose(background, glyphs, "", DockTop).ColorAt(16, 10), kBackground);
}

// One face composed after another must show nothing of the one before, whatever changed between
// them, and must not make new images while nothing but the time changes.
TEST_F(ClockFaceTest, KeptImagesShowTheSameFaceAsNewOnes) {
    PixelImage wide;
    ASSERT_TRUE(wide.Create(120, 30));
    Fill(wide, RGB(0, 128, 0));
    struct Paint {
        const PixelImage& background;
        const char* time;
        DockMode mode;
    };
    const Paint paints[] = {
        {background, "12:34:56", DockRight}, {background, "00:00:00", DockRight},
        {background, "11:11:11", DockTop},   {wide, "12:34:56", DockLeft},
        {wide, "09:59:59", DockLeft},        {background, "", Floating},
    };
    ClockFace kept;
    const Paint* previous = nullptr;
    const std::uint32_t* previousPixels = nullptr;
    for (const Paint& paint : paints) {
        const PixelImage& face = kept.Compose(paint.background, glyphs, paint.time, paint.mode);
        ClockFace fresh;
        const PixelImage& expected =
            fresh.Compose(paint.background, glyphs, paint.time, paint.mode);
        ASSERT_EQ(face.Width(), expected.Width()) << paint.time;
        ASSERT_EQ(face.Height(), expected.Height()) << paint.time;
        for (int y = 0; y < face.Height(); ++y)
            for (int x = 0; x < face.Width(); ++x)
                ASSERT_EQ(face.ColorAt(x, y), expected.ColorAt(x, y))
                    << paint.time << " at " << x << ", " << y;
        if (previous && &previous->background == &paint.background &&
            previous->mode == paint.mode) {
            EXPECT_EQ(face.Pixels().pixels, previousPixels) << paint.time;
        }
        previous = &paint;
        previousPixels = face.Pixels().pixels;
    }
}

TEST_F(ClockFaceTest, AnUnturnedFaceGivesTheTurnedImageBack) {
    ClockFace clockFace;
    clockFace.Compose(background, glyphs, "12:34:56", DockTop);
    const long upright = UniqueBitmap::Live();
    clockFace.Compose(background, glyphs, "12:34:56", DockRight);
    EXPECT_EQ(UniqueBitmap::Live(), upright + 1);
    clockFace.Compose(background, glyphs, "12:34:56", Floating);
    EXPECT_EQ(UniqueBitmap::Live(), upright);
}

TEST(LocalTimeTextTest, IsEightCharactersOfDigitsAndColons) {
    const std::string time = LocalTimeText();
    ASSERT_EQ(time.size(), 8u);
    for (size_t i = 0; i < time.size(); ++i) {
        if (i == 2 || i == 5)
            EXPECT_EQ(time[i], ':');
        else
            EXPECT_NE(GlyphIndex(time[i]), -1);
    }
}

}  // namespace
