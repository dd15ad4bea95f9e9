#include "app/clock_face.h"

#include <utility>

#include "app/face_glyphs.h"

Rect ClockFace::Update(const PixelImage& background,
                       const std::array<PixelImage, kGlyphCount>& glyphs, std::string_view time,
                       DockMode mode) {
    const Size frame{background.Width(), background.Height()};
    const Rect whole{0, 0, frame.width, frame.height};
    Rect changed;
    if (!shown || upright.Width() != frame.width || upright.Height() != frame.height) {
        shown.reset();
        angle = 0;
        turned.Destroy();
        if (!upright.EnsureSize(frame.width, frame.height))
            return {};
        upright.CopyFrom(background);
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
    const Rect restamped =
        RestampGlyphs(upright.Pixels(), background.Pixels(), spans, *shown, wanted);
    *shown = std::move(wanted);
    if (changed.IsEmpty())
        changed = restamped;

    const int newAngle = TurnFor(mode);
    if (newAngle == 0) {
        angle = 0;
        turned.Destroy();
        return changed;
    }
    const bool turnWhole = newAngle != angle || turned.Width() != frame.height ||
                           turned.Height() != frame.width;
    angle = newAngle;
    if (!turned.EnsureSize(frame.height, frame.width))
        return {};
    if (turnWhole)
        changed = whole;
    if (!changed.IsEmpty())
        TurnQuarter(std::as_const(upright).Pixels(), turned.Pixels(), angle, changed);
    return TurnedArea(changed, frame, angle);
}
