// The window shape of an image: every pixel except those of the key colour.

#include <vector>

#include "image/pixel_image.h"
#include "image/region_runs.h"

namespace {

// One band's rectangles, already in the platform's banded order, as one region.
UniqueRegion BandRegion(const RegionBand& band) {
    std::vector<std::byte> buffer(sizeof(RGNDATAHEADER) + band.runs.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(band.runs.size());
    data->rdh.rcBound = {band.runs.front().left, band.top, band.runs.back().right, band.bottom};
    auto* rects = reinterpret_cast<RECT*>(data->Buffer);
    for (size_t i = 0; i < band.runs.size(); ++i)
        rects[i] = {band.runs[i].left, band.top, band.runs[i].right, band.bottom};
    return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}

// Unites neighbours pairwise, like a merge sort, so that no union works on the whole region
// more than a logarithmic number of times.
UniqueRegion UniteAll(std::vector<UniqueRegion> regions) {
    if (regions.empty())
        return UniqueRegion(CreateRectRgn(0, 0, 0, 0));
    while (regions.size() > 1) {
        size_t kept = 0;
        for (size_t i = 0; i < regions.size(); i += 2) {
            if (i + 1 < regions.size())
                CombineRgn(regions[i].get(), regions[i].get(), regions[i + 1].get(), RGN_OR);
            regions[kept++] = std::move(regions[i]);
        }
        regions.resize(kept);
    }
    return std::move(regions.front());
}

}  // namespace

UniqueRegion PixelImage::CreateRegion(ColorValue key) const {
    std::vector<UniqueRegion> bands;
    for (const RegionBand& band : KeyedRegionBands(Pixels(), key))
        bands.push_back(BandRegion(band));
    return UniteAll(std::move(bands));
}
