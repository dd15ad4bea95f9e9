#include "image/pixel_ops.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A small image whose pixel at (x, y) is a distinct value, for following pixels around.
struct TestImage {
    int width;
    int height;
    std::vector<std::uint32_t> pixels;

    TestImage(int width, int height, std::uint32_t fill = 0)
        : width(width), height(height), pixels(static_cast<size_t>(width) * height, fill) {}

    static TestImage Numbered(int width, int height) {
        TestImage image(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.at(x, y) = 0x00010000u * (y + 1) + (x + 1);
        return image;
    }

    std::uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    PixelSpan span() { return {pixels.data(), width, height}; }
    ConstPixelSpan cspan() const { return {pixels.data(), width, height}; }
};

constexpr std::uint32_t kBackground = 0xAABBCC;
constexpr std::uint32_t kWhiteKey = KeyPixel(255, 255, 255);

TEST(ColorValueTest, ReadsAndWritesColourBytesInRedLowOrder) {
    // Stored bytes blue 0x12, green 0x34, red 0x56, fourth 0x78.
    const std::uint32_t stored = 0x78563412u;
    EXPECT_EQ(ColorOfPixel(stored), (0x12u << 16) | (0x34u << 8) | 0x56u);
    EXPECT_EQ(PixelOfColor(ColorOfPixel(stored), 0x78), stored);
    // Bits 24 to 31 of a colour value are ignored when it is written.
    EXPECT_EQ(PixelOfColor(0xFF123456u, 0), 0x00563412u);
    EXPECT_EQ(MakeColorValue(256, -1, 0x1FF), 0xFFFF00u);
}

TEST(CopyKeyedTest, ClipsAtEveryEdge) {
    const TestImage source = TestImage::Numbered(4, 3);
    struct Case {
        int x, y;
    };
    for (const Case c :
         {Case{-2, -1}, Case{3, 2}, Case{-3, 1}, Case{1, -2}, Case{0, 0}, Case{4, 0}}) {
        TestImage destination(5, 4, kBackground);
        CopyKeyed(destination.span(), source.cspan(), c.x, c.y, kWhiteKey);
        for (int y = 0; y < destination.height; ++y) {
            for (int x = 0; x < destination.width; ++x) {
                const int sx = x - c.x;
                const int sy = y - c.y;
                const bool covered = sx >= 0 && sx < source.width && sy >= 0 && sy < source.height;
                const std::uint32_t expected =
                    covered ? source.pixels[static_cast<size_t>(sy) * source.width + sx]
                            : kBackground;
                EXPECT_EQ(destination.at(x, y), expected)
                    << "at " << x << "," << y << " placed at " << c.x << "," << c.y;
            }
        }
    }
}

TEST(CopyKeyedTest, NegativeOriginTakesSourceFromTheOffset) {
    const TestImage source = TestImage::Numbered(4, 3);
    TestImage destination(5, 4, kBackground);
    CopyKeyed(destination.span(), source.cspan(), -2, -1, kWhiteKey);
    EXPECT_EQ(destination.at(0, 0), source.pixels[1 * 4 + 2]);  // source column 2, row 1
    EXPECT_EQ(destination.at(2, 0), kBackground);
}

TEST(CopyKeyedTest, PlacementsOutsideTheDestinationChangeNothing) {
    const TestImage source = TestImage::Numbered(3, 3);
    for (const auto& [x, y] : {std::pair{5, 0},
                               {0, 4},
                               {-3, 0},
                               {0, -3},
                               {1 << 30, 0},
                               {-(1 << 30), 0},
                               {0x7FFFFFFF, 0x7FFFFFFF},
                               {-0x7FFFFFFF - 1, 0}}) {
        TestImage destination(5, 4, kBackground);
        CopyKeyed(destination.span(), source.cspan(), x, y, kWhiteKey);
        EXPECT_EQ(destination.pixels, TestImage(5, 4, kBackground).pixels) << x << "," << y;
    }
}

TEST(CopyKeyedTest, LargerSourceFillsExactlyTheDestination) {
    const TestImage source = TestImage::Numbered(9, 7);
    TestImage destination(5, 4, kBackground);
    CopyKeyed(destination.span(), source.cspan(), 0, 0, kWhiteKey);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(destination.at(x, y), source.pixels[y * 9 + x]);
}

// Image editors write 32-bit BMP files with any fourth byte, often 0xFF: only the colour counts.
TEST(CopyKeyedTest, OnlyTheKeysColourIsSeeThroughWhateverTheFourthByte) {
    TestImage source(4, 1);
    source.pixels = {0x00FFFFFF, 0x01FFFFFF, 0xFFFFFFFF, 0xFFFFFFFE};
    TestImage destination(4, 1, kBackground);
    CopyKeyed(destination.span(), source.cspan(), 0, 0, kWhiteKey);
    EXPECT_EQ(destination.pixels,
              (std::vector<std::uint32_t>{kBackground, kBackground, kBackground, 0xFFFFFFFE}));
}

TEST(CopyKeyedTest, KeyUsesOnlyTheLowBitsOfEachComponent) {
    EXPECT_EQ(KeyPixel(255 + 256, 255 - 512, 255), kWhiteKey);
    EXPECT_EQ(KeyPixel(0x12, 0x34, 0x56), 0x123456u);  // red in the stored pixel's third byte
}

TEST(TurnQuarterTest, MapsPixelsClockwiseAndCounterClockwise) {
    TestImage source = TestImage::Numbered(3, 2);
    source.at(0, 0) |= 0x7F000000;  // the fourth byte does not travel
    TestImage clockwise(2, 3);
    TurnQuarter(source.cspan(), clockwise.span(), 90);
    EXPECT_EQ(clockwise.at(1, 0), source.at(0, 0) & 0xFFFFFF);
    EXPECT_EQ(clockwise.at(0, 2), source.at(2, 1));
    EXPECT_EQ(clockwise.at(0, 0),
              source.at(0, 1));  // left column becomes the top row, read right to left

    TestImage counter(2, 3);
    TurnQuarter(source.cspan(), counter.span(), 270);
    EXPECT_EQ(counter.at(0, 2), source.at(0, 0) & 0xFFFFFF);
    EXPECT_EQ(counter.at(1, 0), source.at(2, 1));
}

TEST(TurnQuarterTest, TurningBackRestoresEveryPixel) {
    const TestImage source = TestImage::Numbered(5, 3);
    for (const auto& [first, second] : {std::pair{270, 90}, {90, 270}}) {
        TestImage turned(3, 5);
        TestImage back(5, 3);
        TurnQuarter(source.cspan(), turned.span(), first);
        TurnQuarter(turned.cspan(), back.span(), second);
        EXPECT_EQ(back.pixels, source.pixels);
    }
}

// Premultiplied "over" at its edges: alpha 0 and 255, and the rounding of the rest between.
TEST(PremultipliedTest, OverRoundsEachByteToTheNearest) {
    struct Case {
        std::uint32_t source, destination, expected;
    };
    for (const Case c : {
             Case{0x00000000, 0xFF102030, 0xFF102030},  // alpha 0: the destination stays
             Case{0xFF405060, 0xFF102030, 0xFF405060},  // alpha 255: the source replaces it
             Case{0x80404040, 0xFFFFFFFF, 0xFFBFBFBF},  // 0x40 + 255 * 127 / 255
             Case{0x80000000, 0x02010201, 0x81000100},  // 1 x 0.498 rounds down, 2 x 0.498 up
             Case{0x01000000, 0xFF808080, 0xFF7F7F7F},  // 128 x 254 / 255 = 127.498
             Case{0x00FFFFFF, 0xFF808080, 0xFFFFFFFF},  // colour without alpha adds, up to 255
             Case{0x80402010, 0x00000000, 0x80402010},  // over nothing: itself
         }) {
        EXPECT_EQ(Over(c.source, c.destination), c.expected) << std::hex << c.source;
    }
    EXPECT_EQ(Unpremultiplied(0x80402010), 0x80804020u);
    EXPECT_EQ(Unpremultiplied(0x00FFFFFF), 0u);

    // A BMP glyph on an alpha face: its see-through white goes, whatever its fourth byte, and
    // every other pixel is opaque.
    TestImage glyph(4, 1);
    glyph.pixels = {kWhiteKey, 0xFFFFFFFF, 0x01FFFFFE, 0x00123456};
    MakeKeyedOpaque(glyph.span());
    EXPECT_EQ(glyph.pixels, (std::vector<std::uint32_t>{0, 0, 0xFFFFFFFE, 0xFF123456}));
    TestImage face(3, 1, 0x80808080);
    CopyOver(face.span(), glyph.cspan(), -1, 0);
    EXPECT_EQ(face.pixels, (std::vector<std::uint32_t>{0x80808080, 0xFFFFFFFE, 0xFF123456}));
}

}  // namespace
