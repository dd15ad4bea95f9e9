#include "app/clock_face.h"

#include <ctime>
#include <utility>

std::string LocalTimeText() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    char text[128];
    if (!local)
        return {};
    return std::string(text, std::strftime(text, sizeof text, "%H:%M:%S", local));
}

const PixelImage& ClockFace::Compose(const PixelImage& background,
                                     const std::array<PixelImage, kGlyphCount>& glyphs,
                                     std::string_view time, DockMode mode) {
    const Size frame{background.Width(), background.Height()};
    const int angle = TurnFor(mode);
    if (angle == 0)
        turned.Destroy();
    if (!upright.EnsureSize(frame.width, frame.height))
        return upright;
    upright.CopyFrom(background);

    std::array<Size, kGlyphCount> sizes{};
    for (int i = 0; i < kGlyphCount; ++i)
        sizes[i] = {glyphs[i].Width(), glyphs[i].Height()};
    for (const GlyphPlacement& placement : LayoutGlyphs(time, frame, sizes))
        upright.CopyKeyed(glyphs[placement.glyph], placement.at.x, placement.at.y, 255, 255, 255);

    if (angle == 0)
        return upright;
    if (turned.EnsureSize(frame.height, frame.width))
        TurnQuarter(std::as_const(upright).Pixels(), turned.Pixels(), angle);
    return turned;
}
