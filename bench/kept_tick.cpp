#include "bench/kept_tick.h"

#include <utility>

#include "app/clock_face.h"
#include "bench/paint_tick.h"
#include "bench/reference_region.h"
#include "bench/reference_rotate.h"
#include "bench/reference_tick.h"

const PixelImage& KeptImages::Finished(DockMode mode) const {
    return TurnFor(mode) != 0 ? turned : face;
}

void PrepareKept(const BenchSkin& skin, DockMode mode, KeptImages& images) {
    const int width = skin.background.Width();
    const int height = skin.background.Height();
    images.face.Create(width, height);
    if (TurnFor(mode) != 0) {
        images.working.Create(height, width);
        images.turned.Create(height, width);
    }
}

void KeptPaintTick(const BenchSkin& skin, std::string_view time, DockMode mode,
                   KeptImages& images) {
    const Size frame{skin.background.Width(), skin.background.Height()};
    images.face.CopyFrom(skin.background);
    std::array<Size, kGlyphCount> sizes{};
    for (int i = 0; i < kGlyphCount; ++i)
        sizes[i] = {skin.glyphs[i].Width(), skin.glyphs[i].Height()};
    for (const GlyphPlacement& placement : LayoutGlyphs(time, frame, sizes))
        images.face.CopyKeyed(skin.glyphs[placement.glyph], placement.at.x, placement.at.y, 255,
                              255, 255);
    if (const int angle = TurnFor(mode))
        TurnQuarter(std::as_const(images.face).Pixels(), images.turned.Pixels(), angle);
    if (skin.shapeFollowsFace)
        images.shape = images.Finished(mode).CreateRegion(skin.key);
}

void KeptReferenceTick(const BenchSkin& skin, std::string_view time, DockMode mode,
                       KeptImages& images) {
    images.face.CopyFrom(skin.background);
    StampTime(skin, time, images.face);
    if (const int angle = TurnFor(mode)) {
        TurnByPixels(images.face, images.working, angle);
        images.turned.CopyFrom(images.working);
    }
    if (skin.shapeFollowsFace)
        images.shape = RunByRunRegion(images.Finished(mode), skin.key);
}

bool SameKept(const KeptImages& a, const KeptImages& b, DockMode mode) {
    if (!SamePixels(a.Finished(mode), b.Finished(mode)) || bool(a.shape) != bool(b.shape))
        return false;
    return !a.shape || EqualRgn(a.shape.get(), b.shape.get());
}
