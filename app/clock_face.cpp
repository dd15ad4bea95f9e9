#include "app/clock_face.h"

#include <utility>

#include "app/face_glyphs.h"

Rect ClockFace::Update(const PixelImage& background,
                       const std::array<PixelImage, kGlyphCount>& glyphs, std::string_view time,
                       DockMode mode) {
    const Size frame{background.Width(), background.Height()};
    const int newAngle = TurnFor(mode);
    const Size shownSize = newAngle ? Size{frame.height, frame.width} : frame;
    Rect changed;
    if (!shown || newAngle != angle || face.Width() != shownSize.width ||
        face.Height() != shownSize.height) {
        shown.reset();
        angle = newAngle;
        if (!face.EnsureSize(shownSize.width, shownSize.height))
            return {};
        if (angle)
            TurnQuarter(background.Pixels(), face.Pixels(), angle);
        else
            face.CopyFrom(background);
        shown.emplace();
        changed = {0, 0, frame.width, frame.height};
    }

    GlyphSpans spans;
    std::array<Size, kGlyphCount> sizes{};
    for (int i = 0; i < kGlyphCount; ++i) {
        spans[i] = glyphs[i].Pixels();
        sizes[i] = {glyphs[i].Width(), glyphs[i].Height()};
    }
    std::vector<GlyphPlacement> wanted = LayoutGlyphs(time, frame, sizes);
    UprightCells upright(face.Pixels(), background.Pixels());
    TurnedCells turned(face.Pixels(), background.Pixels(), angle, cell);
    FaceCells& cells = angle ? static_cast<FaceCells&>(turned) : upright;
    const Rect restamped = RestampGlyphs(cells, frame, spans, *shown, wanted);
    *shown = std::move(wanted);
    if (changed.IsEmpty())
        changed = restamped;
    return TurnedArea(changed, frame, angle);
}
