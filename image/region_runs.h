#pragma once
// The shape of an image cut by a key colour, as horizontal runs of non-key pixels.
//
// Rows with identical runs are gathered into one band, which is the form a platform region
// keeps internally; building a region band by band avoids uniting thousands of one-pixel-high
// rectangles one at a time.

#include <vector>

#include "image/pixel_ops.h"

struct PixelRun {
    int left;   // first non-key column
    int right;  // one past the last
    bool operator==(const PixelRun&) const = default;
};

struct RegionBand {
    int top;                     // first row
    int bottom;                  // one past the last
    std::vector<PixelRun> runs;  // left to right, never empty
};

// The maximal runs of pixels whose colour (ColorOfPixel) differs from `key`, per row, with
// consecutive rows of identical runs merged into bands, top to bottom. Rows without any
// non-key pixel give no band.
std::vector<RegionBand> KeyedRegionBands(ConstPixelSpan image, ColorValue key);
