#include "image/region_runs.h"

#include <cstddef>

namespace {

void ScanRow(const std::uint32_t* row, int width, ColorValue key, std::vector<PixelRun>& runs) {
    runs.clear();
    int x = 0;
    while (x < width) {
        while (x < width && ColorOfPixel(row[x]) == key)
            ++x;
        if (x == width)
            break;
        const int left = x;
        while (x < width && ColorOfPixel(row[x]) != key)
            ++x;
        runs.push_back({left, x});
    }
}

}  // namespace

std::vector<RegionBand> KeyedRegionBands(ConstPixelSpan image, ColorValue key) {
    std::vector<RegionBand> bands;
    if (!image.pixels || image.width <= 0 || image.height <= 0)
        return bands;

    std::vector<PixelRun> runs;
    for (int y = 0; y < image.height; ++y) {
        ScanRow(image.pixels + static_cast<std::ptrdiff_t>(y) * image.width, image.width, key,
                runs);
        if (runs.empty())
            continue;
        if (!bands.empty() && bands.back().bottom == y && bands.back().runs == runs)
            bands.back().bottom = y + 1;
        else
            bands.push_back({y, y + 1, runs});
    }
    return bands;
}
