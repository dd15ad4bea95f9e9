#include "skin/skin_metrics.h"

#include "image/region_runs.h"

ShapeMetrics MeasureShape(ConstPixelSpan image, ColorValue key) {
    ShapeMetrics metrics;
    metrics.totalPixels = static_cast<std::int64_t>(image.width) * image.height;
    std::int64_t shownPixels = 0;
    for (const RegionBand& band : KeyedRegionBands(image, key)) {
        ++metrics.bands;
        metrics.rectangles += static_cast<std::int64_t>(band.runs.size());
        for (const PixelRun& run : band.runs)
            shownPixels +=
                static_cast<std::int64_t>(run.right - run.left) * (band.bottom - band.top);
    }
    metrics.keyPixels = metrics.totalPixels - shownPixels;
    return metrics;
}
