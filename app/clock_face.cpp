#include "app/clock_face.h"

#include <ctime>

std::string LocalTimeText() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    char text[128];
    if (!local)
        return {};
    return std::string(text, std::strftime(text, sizeof text, "%H:%M:%S", local));
}

void ComposeFace(PixelImage& face, const PixelImage& background,
                 const std::array<PixelImage, kGlyphCount>& glyphs, std::string_view time,
                 DockMode mode) {
    const Size frame{background.Width(), background.Height()};
    face.Create(frame.width, frame.height);
    face.CopyFrom(background);

    std::array<Size, kGlyphCount> sizes{};
    for (int i = 0; i < kGlyphCount; ++i)
        sizes[i] = {glyphs[i].Width(), glyphs[i].Height()};
    for (const GlyphPlacement& placement : LayoutGlyphs(time, frame, sizes))
        face.CopyKeyed(glyphs[placement.glyph], placement.at.x, placement.at.y, 255, 255, 255);

    face.Rotate(TurnFor(mode));
}
