#include "image/region_runs.h"

#include <cstddef>
#include <cstring>

namespace {

// Marks every pixel of the row whose colour differs from the key with 1, the others with 0.
// Comparing the masked stored pixel rather than its ColorValue keeps the loop free of branches and
// byte shuffles; blocks of a fixed sixteen and the promise that the marks do not overlap the
// pixels let the compiler compare sixteen pixels at once even where it only vectorises loops of
// a known length.
void MarkInk(const std::uint32_t* __restrict row, int width, std::uint32_t keyPixel,
             std::uint8_t* __restrict ink) {
    int x = 0;
    for (; x + 16 <= width; x += 16)
        for (int i = 0; i < 16; ++i)
            ink[x + i] = ColorBits(row[x + i]) != keyPixel;
    for (; x < width; ++x)
        ink[x] = ColorBits(row[x]) != keyPixel;
}

// The first column from `x` on whose mark is not `mark`, or `width`. Runs in real shapes are
// long, so eight marks are skipped at a time while they all agree.
int NextChange(const std::uint8_t* ink, int x, int width, std::uint8_t mark) {
    const std::uint64_t same = mark ? 0x0101010101010101u : 0;
    for (; x + 8 <= width; x += 8) {
        std::uint64_t eight;
        std::memcpy(&eight, ink + x, sizeof eight);
        if (eight != same)
            break;
    }
    while (x < width && ink[x] == mark)
        ++x;
    return x;
}

void ScanRow(const std::uint8_t* ink, int width, std::vector<PixelRun>& runs) {
    runs.clear();
    int x = NextChange(ink, 0, width, 0);
    while (x < width) {
        const int left = x;
        x = NextChange(ink, x, width, 1);
        runs.push_back({left, x});
        x = NextChange(ink, x, width, 0);
    }
}

}  // namespace

std::vector<RegionBand> KeyedRegionBands(ConstPixelSpan image, ColorValue key) {
    std::vector<RegionBand> bands;
    if (!image.pixels || image.width <= 0 || image.height <= 0)
        return bands;

    // A key with bits above the colour matches no pixel; no masked pixel equals all ones.
    const std::uint32_t keyPixel = key > 0x00FFFFFFu ? 0xFFFFFFFFu : PixelOfColor(key, 0);
    std::vector<std::uint8_t> ink(static_cast<size_t>(image.width));
    std::vector<PixelRun> runs;
    for (int y = 0; y < image.height; ++y) {
        MarkInk(image.pixels + static_cast<std::ptrdiff_t>(y) * image.width, image.width, keyPixel,
                ink.data());
        ScanRow(ink.data(), image.width, runs);
        if (runs.empty())
            continue;
        if (!bands.empty() && bands.back().bottom == y && bands.back().runs == runs)
            bands.back().bottom = y + 1;
        else
            bands.push_back({y, y + 1, runs});
    }
    return bands;
}
