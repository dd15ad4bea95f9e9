#include "skin/skin_metrics.h"

#include <algorithm>

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

LineBox LaidOutLine(std::string_view time, Size frame,
                    const std::array<Size, kGlyphCount>& glyphs) {
    LineBox box;
    bool any = false;
    for (const GlyphPlacement& placement : LayoutGlyphs(time, frame, glyphs)) {
        const Size size = glyphs[placement.glyph];
        if (size.width <= 0 || size.height <= 0)
            continue;  // stamps nothing
        const LineBox glyph{placement.at.x, placement.at.y, placement.at.x + size.width,
                            placement.at.y + size.height};
        box = any ? LineBox{std::min(box.left, glyph.left), std::min(box.top, glyph.top),
                            std::max(box.right, glyph.right), std::max(box.bottom, glyph.bottom)}
                  : glyph;
        any = true;
    }
    return box;
}
