#pragma once
// The glyphs of a time stamped on a face: the whole line, or only the cells in which it differs
// from the line already shown, so that a tick touches the digits that changed and nothing else.

#include <array>
#include <cstdint>
#include <vector>

#include "image/pixel_ops.h"
#include "face/face_layout.h"

using GlyphSpans = std::array<ConstPixelSpan, kGlyphCount>;

// How a glyph is stamped: its pure white pixels letting the background through and every other
// pixel copied, or laid over the background by its premultiplied alpha.
enum class GlyphBlend { Keyed, Over };

// Where the cells of a face are painted, in the coordinates of the upright face: the face
// itself, or a face turned for a side edge.
class FaceCells {
public:
    virtual ~FaceCells() = default;
    // Gives `area` its background back.
    virtual void Clear(const Rect& area) = 0;
    // Paints `area`, the cell of `glyph` at `at` clipped to the face, as the background with the
    // glyph stamped on it.
    virtual void Stamp(ConstPixelSpan glyph, Point at, const Rect& area) = 0;
};

// The upright face itself: cells are painted in place.
class UprightCells : public FaceCells {
public:
    UprightCells(PixelSpan face, ConstPixelSpan background, GlyphBlend blend = GlyphBlend::Keyed)
        : face(face), background(background), blend(blend) {}
    void Clear(const Rect& area) override;
    void Stamp(ConstPixelSpan glyph, Point at, const Rect& area) override;

private:
    PixelSpan face;
    ConstPixelSpan background;  // of the face's size
    GlyphBlend blend;
};

// A face turned by `angle` for a side edge and grown by `zoom` for a high DPI: each cell is
// composed upright at the skin's own size in a scratch image of its own and turned and zoomed
// into place, so no upright copy of the whole face is kept, and every key test is made on the
// skin's own pixels. Alpha travels with the pixels only where glyphs are laid over.
class TransformedCells : public FaceCells {
public:
    TransformedCells(PixelSpan face, ConstPixelSpan background, int angle, int zoom,
                     std::vector<std::uint32_t>& scratch, GlyphBlend blend = GlyphBlend::Keyed)
        : face(face),
          background(background),
          angle(angle),
          zoom(zoom),
          scratch(scratch),
          blend(blend) {}
    void Clear(const Rect& area) override;
    void Stamp(ConstPixelSpan glyph, Point at, const Rect& area) override;

private:
    Point Place(const Rect& area) const;

    PixelSpan face;             // the background turned by `angle`, times `zoom`
    ConstPixelSpan background;  // upright, at the skin's own size
    int angle;
    int zoom;
    std::vector<std::uint32_t>& scratch;
    GlyphBlend blend;
};

// Brings the face painted through `cells`, which shows the glyph line `shown` over its background,
// to the line `wanted`; both lines come from LayoutGlyphs on a face of `frame` size. Every glyph
// that is not stamped at the same place in both lines has its old cell cleared and is stamped
// anew. Returns the bounding box, in upright coordinates, of the cells that changed, clipped to
// the face; empty when nothing did. With an empty `shown` over a face that holds the plain
// background, this stamps the whole line.
Rect RestampGlyphs(FaceCells& cells, Size frame, const GlyphSpans& glyphs,
                   const std::vector<GlyphPlacement>& shown,
                   const std::vector<GlyphPlacement>& wanted);
