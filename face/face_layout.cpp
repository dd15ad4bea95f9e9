#include "face/face_layout.h"

#include <algorithm>

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

Rect LaidOutLine(std::string_view time, Size frame, const std::array<Size, kGlyphCount>& glyphs) {
    Rect box;
    bool any = false;
    for (const GlyphPlacement& placement : LayoutGlyphs(time, frame, glyphs)) {
        const Size size = glyphs[placement.glyph];
        if (size.width <= 0 || size.height <= 0)
            continue;  // stamps nothing
        const Rect glyph = Rect::At(placement.at, size);
        box = any ? Rect{std::min(box.left, glyph.left), std::min(box.top, glyph.top),
                         std::max(box.right, glyph.right), std::max(box.bottom, glyph.bottom)}
                  : glyph;
        any = true;
    }
    return box;
}
