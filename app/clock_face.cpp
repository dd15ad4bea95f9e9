#include "app/clock_face.h"

#include <utility>

#include "app/face_glyphs.h"

Rect ClockFace::Update(const PixelImage& background,
                       const std::array<PixelImage, kGlyphCount>& glyphs, std::string_view time,
                       DockMode mode, int newZoom) {
    const Size frame{background.Width(), background.Height()};
    const Rect whole{0, 0, frame.width, frame.height};
    const int newAngle = TurnFor(mode);
    const Size shownSize = TurnedArea(whole, frame, newAngle, newZoom).Extent();
    Rect changed;
    if (!shown || newAngle != angle || newZoom != zoom || face.Width() != shownSize.width ||
        face.Height() != shownSize.height) {
        shown.reset();
        angle = newAngle;
        zoom = newZoom;
        if (!face.EnsureSize(shownSize.width, shownSize.height))
            return {};
        if (angle || zoom != 1)
            TurnAndZoom(background.Pixels(), whole, face.Pixels(), {0, 0}, angle, zoom);
        else
            face.CopyFrom(background);
        shown.emplace();
        changed = whole;
    }

    GlyphSpans spans;
    std::array<Size, kGlyphCount> sizes{};
    for (int i = 0; i < kGlyphCount; ++i) {
        spans[i] = glyphs[i].Pixels();
        sizes[i] = {glyphs[i].Width(), glyphs[i].Height()};
    }
    std::vector<GlyphPlacement> wanted = LayoutGlyphs(time, frame, sizes);
    UprightCells upright(face.Pixels(), background.Pixels());
    TransformedCells transformed(face.Pixels(), background.Pixels(), angle, zoom, cell);
    FaceCells& cells = angle || zoom != 1 ? static_cast<FaceCells&>(transformed)
                                          : static_cast<FaceCells&>(upright);
    const Rect restamped = RestampGlyphs(cells, frame, spans, *shown, wanted);
    *shown = std::move(wanted);
    if (changed.IsEmpty())
        changed = restamped;
    return TurnedArea(changed, frame, angle, zoom);
}
