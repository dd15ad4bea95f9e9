#include "face/clock_face.h"

#include <utility>

#include "face/face_glyphs.h"

void ClockFace::Show(const PixelImage& newBackground,
                     const std::array<PixelImage, kGlyphCount>& newGlyphs, DockMode newMode,
                     int newZoom, GlyphBlend newBlend, std::optional<Size> newGlyphArea) {
    background = &newBackground;
    glyphArea = newGlyphArea;
    glyphs = &newGlyphs;
    mode = newMode;
    zoom = newZoom;
    blend = newBlend;
    shown.reset();
}

Rect ClockFace::Update(std::string_view time) {
    if (!background)
        return {};
    const Size frame{background->Width(), background->Height()};
    const Rect whole{0, 0, frame.width, frame.height};
    const int angle = TurnFor(mode);
    const Size shownSize = TurnedArea(whole, frame, angle, zoom).Extent();
    Rect changed;
    if (!shown || face.Width() != shownSize.width || face.Height() != shownSize.height) {
        shown.reset();
        if (!face.EnsureSize(shownSize.width, shownSize.height))
            return {};
        if (angle || zoom != 1)
            TurnAndZoom(background->Pixels(), whole, face.Pixels(), {0, 0}, angle, zoom,
                        blend == GlyphBlend::Over);
        else
            face.CopyFrom(*background);
        shown.emplace();
        changed = whole;
    }

    GlyphSpans spans;
    std::array<Size, kGlyphCount> sizes{};
    for (int i = 0; i < kGlyphCount; ++i) {
        spans[i] = (*glyphs)[i].Pixels();
        sizes[i] = {(*glyphs)[i].Width(), (*glyphs)[i].Height()};
    }
    const Size glyphFrame = glyphArea.value_or(frame);
    std::vector<GlyphPlacement> wanted = LayoutGlyphs(time, glyphFrame, sizes);
    UprightCells upright(face.Pixels(), background->Pixels(), blend);
    TransformedCells transformed(face.Pixels(), background->Pixels(), angle, zoom, cell, blend);
    FaceCells& cells = angle || zoom != 1 ? static_cast<FaceCells&>(transformed)
                                          : static_cast<FaceCells&>(upright);
    const Rect restamped = RestampGlyphs(cells, glyphFrame, spans, *shown, wanted);
    *shown = std::move(wanted);
    if (changed.IsEmpty())
        changed = restamped;
    return TurnedArea(changed, frame, angle, zoom);
}
