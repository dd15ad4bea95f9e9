#pragma once
// Figures a skin author checks a skin by: how much of the background the key colour cuts away
// and how many rectangles the window shape costs.

#include <cstdint>

#include "image/pixel_ops.h"

struct ShapeMetrics {
    std::int64_t keyPixels = 0;  // pixels of the key colour, cut out of the window
    std::int64_t totalPixels = 0;
    int bands = 0;                // runs of rows with the same runs
    std::int64_t rectangles = 0;  // one per run per band: what the window's region holds
};

ShapeMetrics MeasureShape(ConstPixelSpan image, ColorValue key);
