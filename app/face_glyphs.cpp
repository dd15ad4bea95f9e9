#include "app/face_glyphs.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kSeeThrough = KeyPixel(255, 255, 255);

// The smallest rectangle holding both; an empty one adds nothing.
Rect Union(const Rect& a, const Rect& b) {
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

Rect RestampGlyphs(PixelSpan face, ConstPixelSpan background, const GlyphSpans& glyphs,
                   const std::vector<GlyphPlacement>& shown,
                   const std::vector<GlyphPlacement>& wanted) {
    const Rect bounds{0, 0, face.width, face.height};
    const auto cell = [&](const GlyphPlacement& placement) {
        const ConstPixelSpan glyph = glyphs[placement.glyph];
        return Intersection(Rect::At(placement.at, {glyph.width, glyph.height}), bounds);
    };
    const auto same = [&](const std::vector<GlyphPlacement>& line,
                          const std::vector<GlyphPlacement>& other, size_t i) {
        return i < other.size() && line[i] == other[i];
    };

    // A line's cells never overlap one another, so clearing the old cells of changed glyphs
    // leaves every unchanged glyph whole, and the new glyphs then land on plain background.
    Rect changed;
    for (size_t i = 0; i < shown.size(); ++i) {
        if (same(shown, wanted, i))
            continue;
        const Rect old = cell(shown[i]);
        CopyArea(face, background, old);
        changed = Union(changed, old);
    }
    for (size_t i = 0; i < wanted.size(); ++i) {
        if (same(wanted, shown, i))
            continue;
        const GlyphPlacement& placement = wanted[i];
        CopyKeyed(face, glyphs[placement.glyph], placement.at.x, placement.at.y, kSeeThrough);
        changed = Union(changed, cell(placement));
    }
    return changed;
}
