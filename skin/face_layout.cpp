#include "skin/face_layout.h"

std::vector<GlyphPlacement> LayoutGlyphs(std::string_view time, Size frame,
                                         const std::array<Size, kGlyphCount>& glyphs) {
    std::vector<GlyphPlacement> placements;
    long long totalWidth = 0;
    int maxHeight = 0;
    for (char c : time) {
        const int glyph = GlyphIndex(c);
        if (glyph < 0)
            continue;
        totalWidth += glyphs[glyph].width;
        if (glyphs[glyph].height > maxHeight)
            maxHeight = glyphs[glyph].height;
    }

    long long x = frame.width / 2 - totalWidth / 2;
    const int y = frame.height / 2 - maxHeight / 2;
    for (char c : time) {
        const int glyph = GlyphIndex(c);
        if (glyph < 0)
            continue;
        placements.push_back({glyph, {static_cast<int>(x), y}});
        x += glyphs[glyph].width;
    }
    return placements;
}
