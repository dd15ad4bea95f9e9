#include "bench/synthetic_images.h"

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr ColorValue kWhite = 0xFFFFFF;
constexpr ColorValue kRim = 0x202020;

// Creates `image` at the given size and sets every pixel to `colorAt(x, y)`.
template <class ColorAt>
void Paint(PixelImage& image, int width, int height, ColorAt colorAt) {
    image.Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetColorAt(x, y, colorAt(x, y));
}

// Whether (x, y) lies on a plate of the given size whose corners are rounded by `radius`.
bool OnRoundedPlate(int x, int y, int width, int height, int radius) {
    const int cx = x < radius ? radius : x >= width - radius ? width - 1 - radius : x;
    const int cy = y < radius ? radius : y >= height - radius ? height - 1 - radius : y;
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

ColorValue Gradient(int x, int y) {
    return MakeColorValue(40 + x % 160, 60 + y % 120, 120);
}

struct Box {
    int left, top, right, bottom;
    bool Holds(int x, int y, int margin) const {
        return x >= left - margin && x < right + margin && y >= top - margin && y < bottom + margin;
    }
};

// The segments a to g of a 40 x 72 seven-segment digit.
constexpr std::array<Box, 7> kSegments{{
    {6, 2, 34, 10},
    {30, 6, 38, 36},
    {30, 36, 38, 66},
    {6, 62, 34, 70},
    {2, 36, 10, 66},
    {2, 6, 10, 36},
    {6, 32, 34, 40},
}};
// Bit s set: segment s is lit.
constexpr std::array<int, 10> kDigitSegments{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                             0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// White (see-through) where no stroke is, the key colour in the strokes, a dark rim around them.
template <class Strokes>
void PaintStrokes(PixelImage& glyph, int width, int height, ColorValue key, Strokes strokes) {
    Paint(glyph, width, height, [&](int x, int y) {
        for (const Box& box : strokes)
            if (box.Holds(x, y, 0))
                return key;
        for (const Box& box : strokes)
            if (box.Holds(x, y, 2))
                return kRim;
        return kWhite;
    });
}

}  // namespace

PixelImage NoiseImage(int width, int height, ColorValue key, unsigned seed) {
    std::mt19937 random(seed);
    PixelImage image;
    Paint(image, width, height, [&](int, int) {
        if (random() % 3 == 0)
            return key;
        const ColorValue color = random() & 0xFFFFFF;
        return color == key ? color ^ 1 : color;
    });
    return image;
}

void MakeHoledFaceSkin(Skin& skin) {
    skin.values.trans = 1;  // and the default key, magenta
    const ColorValue key = skin.values.KeyColor();
    Paint(skin.background, 400, 120,
          [&](int x, int y) { return OnRoundedPlate(x, y, 400, 120, 24) ? Gradient(x, y) : key; });
    for (int digit = 0; digit < 10; ++digit) {
        std::vector<Box> lit;
        for (int s = 0; s < 7; ++s)
            if (kDigitSegments[digit] >> s & 1)
                lit.push_back(kSegments[s]);
        PaintStrokes(skin.glyphs[digit], 40, 72, key, lit);
    }
    PaintStrokes(skin.glyphs[kColonGlyph], 16, 72, key,
                 std::array<Box, 2>{{{5, 22, 11, 28}, {5, 44, 11, 50}}});
}

PixelImage FullWidthBackground(ColorValue key) {
    constexpr int kWidth = 1920, kHeight = 200, kHoleRadius = 12;
    PixelImage image;
    Paint(image, kWidth, kHeight, [&](int x, int y) {
        const int lowerEdge = 170 + static_cast<int>(std::lround(20 * std::sin(x / 60.0)));
        if (y >= lowerEdge || !OnRoundedPlate(x, y, kWidth, kHeight, 40))
            return key;
        const int holeX = x % 160 - 80;
        const int holeY = y - 40;
        if (holeX * holeX + holeY * holeY <= kHoleRadius * kHoleRadius)
            return key;
        return Gradient(x, y);
    });
    return image;
}
