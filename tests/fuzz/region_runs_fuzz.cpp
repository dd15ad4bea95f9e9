// The key-colour run scanner over small images built from arbitrary bytes, checked against the
// shape it promises: every non-key pixel covered exactly once, nothing else, in maximal runs and
// bands.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/pixel_ops.h"
#include "image/region_runs.h"
#include "tests/fuzz/fuzz_expect.h"

namespace {

constexpr int kMaxSide = 64;
constexpr std::size_t kImageStart = 6;  // width, height, the key's red, green, blue and top byte

// The byte at `index`, or 0 past the end.
std::uint8_t ByteAt(const std::uint8_t* data, std::size_t size, std::size_t index) {
    return index < size ? data[index] : 0;
}

// A pixel byte below 0x80 gives the key colour with a fourth byte that the comparison must
// ignore; any other gives the key with one colour bit flipped, the nearest miss there is.
std::uint32_t PixelFromByte(std::uint8_t byte, ColorValue key) {
    if (byte < 0x80)
        return PixelOfColor(key, std::uint32_t{byte} * 2);
    return PixelOfColor(key ^ (ColorValue{1} << (byte % 24)), byte);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int width = ByteAt(data, size, 0) % (kMaxSide + 1);
    const int height = ByteAt(data, size, 1) % (kMaxSide + 1);
    // A key byte from 0x80 up also sets the bits above the colour, which no pixel's colour has.
    const std::uint8_t top = ByteAt(data, size, 5);
    const ColorValue key =
        MakeColorValue(ByteAt(data, size, 2), ByteAt(data, size, 3), ByteAt(data, size, 4)) |
        (top >= 0x80 ? ColorValue{top} << 24 : 0);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = PixelFromByte(ByteAt(data, size, kImageStart + i), key);

    FuzzExpect(KeyedRegionBands({nullptr, width, height}, key).empty());
    const std::vector<RegionBand> bands = KeyedRegionBands({pixels.data(), width, height}, key);

    std::vector<std::uint8_t> covered(pixels.size(), 0);
    const RegionBand* previous = nullptr;
    for (const RegionBand& band : bands) {
        FuzzExpect(band.top >= (previous ? previous->bottom : 0));
        FuzzExpect(band.top < band.bottom && band.bottom <= height && !band.runs.empty());
        // Touching bands with the same runs would have been one band.
        if (previous && previous->bottom == band.top)
            FuzzExpect(previous->runs != band.runs);
        for (std::size_t r = 0; r < band.runs.size(); ++r) {
            const PixelRun& run = band.runs[r];
            // Sorted with a gap between neighbours: two runs that touched would be one run.
            FuzzExpect(run.left >= (r == 0 ? 0 : band.runs[r - 1].right + 1));
            FuzzExpect(run.left < run.right && run.right <= width);
            for (int y = band.top; y < band.bottom; ++y) {
                for (int x = run.left; x < run.right; ++x)
                    covered[static_cast<std::size_t>(y) * width + x] = 1;
            }
        }
        previous = &band;
    }
    for (std::size_t i = 0; i < pixels.size(); ++i)
        FuzzExpect((covered[i] == 1) == (ColorOfPixel(pixels[i]) != key));
    return 0;
}
