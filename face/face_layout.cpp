#include "face/face_layout.h"

#include <algorithm>
#include <optional>

namespace {

// What a character takes on the line: a cell of `size` and the glyph stamped at its left edge.
struct Cell {
    Size size;
    int glyph;
};

std::optional<Cell> CellOf(char c, const std::array<Size, kGlyphCount>& glyphs) {
    switch (c) {
        case kBlankDigit:
            return Cell{glyphs[0], kNoGlyph};
        case kBlankColon:
            return Cell{glyphs[kColonGlyph], kNoGlyph};
        case kAmIndicator:
        case kPmIndicator: {
            const Size am = glyphs[kAmGlyph];
            const Size pm = glyphs[kPmGlyph];
            if (std::min({am.width, am.height, pm.width, pm.height}) <= 0)
                return std::nullopt;
            return Cell{{std::max(am.width, pm.width), std::max(am.height, pm.height)},
                        GlyphIndex(c)};
        }
        default:
            if (const int glyph = GlyphIndex(c); glyph >= 0)
                return Cell{glyphs[glyph], glyph};
            return std::nullopt;
    }
}

}  // namespace

std::vector<GlyphPlacement> LayoutGlyphs(std::string_view time, Size frame,
                                         const std::array<Size, kGlyphCount>& glyphs) {
    std::vector<GlyphPlacement> placements;
    long long totalWidth = 0;
    int maxHeight = 0;
    for (char c : time) {
        if (const std::optional<Cell> cell = CellOf(c, glyphs)) {
            totalWidth += cell->size.width;
            maxHeight = std::max(maxHeight, cell->size.height);
        }
    }

    long long x = frame.width / 2 - totalWidth / 2;
    const int y = frame.height / 2 - maxHeight / 2;
    for (char c : time) {
        if (const std::optional<Cell> cell = CellOf(c, glyphs)) {
            placements.push_back({cell->glyph, {static_cast<int>(x), y}});
            x += cell->size.width;
        }
    }
    return placements;
}

Rect LaidOutLine(std::string_view time, Size frame, const std::array<Size, kGlyphCount>& glyphs) {
    Rect box;
    bool any = false;
    for (const GlyphPlacement& placement : LayoutGlyphs(time, frame, glyphs)) {
        const Size size = placement.glyph == kNoGlyph ? Size{} : glyphs[placement.glyph];
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
