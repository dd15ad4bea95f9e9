#include "image/pixel_image.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "face/clock_face.h"

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

// The face a fresh ClockFace composes.
const PixelImage& Composed(ClockFace& face, const PixelImage& background,
                           const std::array<PixelImage, kGlyphCount>& glyphs, const char* time,
                           DockMode mode) {
    face.Show(background, glyphs, mode);
    face.Update(time);
    return face.Image();
}

TEST_F(ClockFaceTest, StampsGlyphsWithWhiteSeeThrough) {
    ClockFace clockFace;
    const PixelImage& face = Composed(clockFace, background, glyphs, "12:34:56", DockTop);
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
    const PixelImage& right = Composed(clockFace, background, glyphs, "12:34:56", DockRight);
    ASSERT_EQ(right.Width(), 40);
    ASSERT_EQ(right.Height(), 100);
    EXPECT_EQ(right.ColorAt(40 - 1 - 10, 16), kInk);  // clockwise: (x, y) -> (H - 1 - y, x)

    const PixelImage& left = Composed(clockFace, background, glyphs, "12:34:56", DockLeft);
    EXPECT_EQ(left.ColorAt(10, 100 - 1 - 16), kInk);  // counter-clockwise: (x, y) -> (y, W - 1 - x)

    EXPECT_EQ(Composed(clockFace, background, glyphs, "12:34:56", Floating).Width(), 100);
}

TEST_F(ClockFaceTest, EmptyBackgroundOrTimeGiveNothingOrTheBackground) {
    ClockFace clockFace;
    EXPECT_TRUE(Composed(clockFace, PixelImage{}, glyphs, "12:34:56", DockTop).IsEmpty());
    EXPECT_EQ(Composed(clockFace, background, glyphs, "", DockTop).ColorAt(16, 10), kBackground);
}

// Tick after tick a kept face changes only the glyph cells that differ: it must end up showing
// the same face as one composed whole, and every pixel that changed must lie in the area it
// reports, which is all the window repaints. Glyphs of differing widths and heights move the
// whole line when a digit changes; every dock mode turns the changed cells alone.
TEST_F(ClockFaceTest, UpdatedFacesEqualWholeOnesAndChangeOnlyWhatTheyReport) {
    std::array<PixelImage, kGlyphCount> uneven;
    for (int i = 0; i < kGlyphCount; ++i) {
        ASSERT_TRUE(uneven[i].Create(5 + i % 4, 12 + i));
        for (int y = 0; y < uneven[i].Height(); ++y)
            for (int x = 0; x < uneven[i].Width(); ++x)
                uneven[i].SetColorAt(
                    x, y, (x + y + i) % 3 ? RGB(20 * i, 255 - x, y) : RGB(255, 255, 255));
    }
    for (int y = 0; y < background.Height(); ++y)
        for (int x = 0; x < background.Width(); ++x)
            background.SetColorAt(x, y, RGB(x, y, 99));
    const char* times[] = {"09:59:58", "09:59:59", "10:00:00", "10:00:01",
                           "11:11:11", "",         "23:59:59", "00:00:00"};
    for (const DockMode mode : {DockTop, DockRight, DockLeft, Floating}) {
        ClockFace kept;
        kept.Show(background, uneven, mode);
        std::vector<std::uint32_t> before;
        for (const char* time : times) {
            const Rect changed = kept.Update(time);
            const PixelImage& face = kept.Image();
            ClockFace fresh;
            const PixelImage& expected = Composed(fresh, background, uneven, time, mode);
            ASSERT_EQ(face.Width(), expected.Width());
            ASSERT_EQ(face.Height(), expected.Height());
            const std::uint32_t* pixels = face.Pixels().pixels;
            const size_t count = static_cast<size_t>(face.Width()) * face.Height();
            for (size_t i = 0; i < count; ++i) {
                const Point at{static_cast<int>(i % face.Width()),
                               static_cast<int>(i / face.Width())};
                ASSERT_EQ(pixels[i], expected.Pixels().pixels[i])
                    << mode << " " << time << " at " << at.x << ", " << at.y;
                if (!before.empty() && before[i] != pixels[i]) {
                    ASSERT_TRUE(changed.Contains(at))
                        << mode << " " << time << " changed " << at.x << ", " << at.y;
                }
            }
            before.assign(pixels, pixels + count);
        }
    }
}

// Nothing of an earlier skin shows through once the face is reset, and no new images are made
// while nothing but the time changes.
TEST_F(ClockFaceTest, AResetFaceShowsTheNewSkinOnKeptImages) {
    ClockFace kept;
    Composed(kept, background, glyphs, "12:34:56", DockRight);
    const std::uint32_t* pixels = kept.Image().Pixels().pixels;
    PixelImage other;
    ASSERT_TRUE(other.Create(100, 40));
    Fill(other, RGB(0, 128, 0));
    kept.Reset();
    const PixelImage& face = Composed(kept, other, glyphs, "12:34:57", DockRight);
    EXPECT_EQ(face.Pixels().pixels, pixels);
    EXPECT_EQ(face.ColorAt(0, 0), RGB(0, 128, 0));
    ClockFace fresh;
    const PixelImage& expected = Composed(fresh, other, glyphs, "12:34:57", DockRight);
    EXPECT_EQ(std::memcmp(face.Pixels().pixels, expected.Pixels().pixels, 40 * 100 * 4), 0);

    // A background of another size is noticed without a reset.
    ASSERT_TRUE(other.Create(120, 30));
    Fill(other, RGB(9, 9, 9));
    kept.Update("12:34:58");
    EXPECT_EQ(kept.Image().ColorAt(0, 0), RGB(9, 9, 9));
}

// A face turned for a side edge is composed cell by cell into its one image: no upright copy of
// the whole face is kept beside it.
TEST_F(ClockFaceTest, AFaceHoldsOneImageWhateverItsTurn) {
    const long before = UniqueBitmap::Live();
    ClockFace clockFace;
    for (const DockMode mode : {DockTop, DockRight, DockLeft, Floating}) {
        Composed(clockFace, background, glyphs, "12:34:56", mode);
        EXPECT_EQ(UniqueBitmap::Live(), before + 1) << mode;
    }
}

}  // namespace
