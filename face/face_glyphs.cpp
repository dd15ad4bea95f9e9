#include "face/face_glyphs.h"

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

void StampGlyph(PixelSpan target, ConstPixelSpan glyph, Point at, GlyphBlend blend) {
    if (blend == GlyphBlend::Over)
        CopyOver(target, glyph, at.x, at.y);
    else
        CopyKeyed(target, glyph, at.x, at.y, kSeeThrough);
}

}  // namespace

void UprightCells::Clear(const Rect& area) {
    CopyArea(face, background, area, area.Origin());
}

void UprightCells::Stamp(ConstPixelSpan glyph, Point at, const Rect&) {
    StampGlyph(face, glyph, at, blend);
}

Point TransformedCells::Place(const Rect& area) const {
    return TurnedArea(area, {background.width, background.height}, angle, zoom).Origin();
}

void TransformedCells::Clear(const Rect& area) {
    TurnAndZoom(background, area, face, Place(area), angle, zoom, blend == GlyphBlend::Over);
}

void TransformedCells::Stamp(ConstPixelSpan glyph, Point at, const Rect& area) {
    scratch.resize(static_cast<size_t>(area.Width()) * area.Height());
    const PixelSpan cell{scratch.data(), area.Width(), area.Height()};
    CopyArea(cell, background, area, {0, 0});
    StampGlyph(cell, glyph, {at.x - area.left, at.y - area.top}, blend);
    TurnAndZoom(AsConst(cell), {0, 0, cell.width, cell.height}, face, Place(area), angle, zoom,
                blend == GlyphBlend::Over);
}

Rect RestampGlyphs(FaceCells& cells, Size frame, const GlyphSpans& glyphs,
                   const std::vector<GlyphPlacement>& shown,
                   const std::vector<GlyphPlacement>& wanted) {
    const Rect bounds{0, 0, frame.width, frame.height};
    const auto cell = [&](const GlyphPlacement& placement) {
        if (placement.glyph == kNoGlyph)
            return Rect{};  // a blank cell keeps the background
        const ConstPixelSpan glyph = glyphs[placement.glyph];
        return Intersection(Rect::At(placement.at, {glyph.width, glyph.height}), bounds);
    };
    const auto same = [&](const std::vector<GlyphPlacement>& line,
                          const std::vector<GlyphPlacement>& other,
                          size_t i) { return i < other.size() && line[i] == other[i]; };

    // A line's cells never overlap one another, so clearing the old cells of changed glyphs
    // leaves every unchanged glyph whole, and the new glyphs then land on plain background.
    Rect changed;
    for (size_t i = 0; i < shown.size(); ++i) {
        const Rect old = cell(shown[i]);
        if (same(shown, wanted, i) || old.IsEmpty())
            continue;
        cells.Clear(old);
        changed = Union(changed, old);
    }
    for (size_t i = 0; i < wanted.size(); ++i) {
        const Rect stamped = cell(wanted[i]);
        if (same(wanted, shown, i) || stamped.IsEmpty())
            continue;
        cells.Stamp(glyphs[wanted[i].glyph], wanted[i].at, stamped);
        changed = Union(changed, stamped);
    }
    return changed;
}
