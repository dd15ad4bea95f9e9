#include "bench/reference_tick.h"

#include "bench/reference_region.h"
#include "bench/reference_rotate.h"

void StampTime(const Skin& skin, std::string_view time, PixelImage& face) {
    const int frameWidth = skin.background.Width();
    const int frameHeight = skin.background.Height();
    int totalWidth = 0;
    int maxHeight = 0;
    for (char c : time) {
        if (GlyphIndex(c) < 0)
            continue;
        const PixelImage& glyph = skin.glyphs[GlyphIndex(c)];
        totalWidth += glyph.Width();
        if (glyph.Height() > maxHeight)
            maxHeight = glyph.Height();
    }
    int x = frameWidth / 2 - totalWidth / 2;
    const int y = frameHeight / 2 - maxHeight / 2;
    for (char c : time) {
        if (GlyphIndex(c) < 0)
            continue;
        const PixelImage& glyph = skin.glyphs[GlyphIndex(c)];
        face.CopyKeyed(glyph, x, y, 255, 255, 255);
        x += glyph.Width();
    }
}

void ComposeUnturned(const Skin& skin, std::string_view time, PixelImage& face) {
    face.Create(skin.background.Width(), skin.background.Height());
    face.CopyFrom(skin.background);
    StampTime(skin, time, face);
}

void ReferenceTick(const Skin& skin, std::string_view time, DockMode mode, int zoom,
                   PixelImage& face, TickResult& result) {
    ComposeUnturned(skin, time, face);
    if (mode == DockRight)
        RotateByPixels(face, 90);
    if (mode == DockLeft)
        RotateByPixels(face, 270);
    ZoomByPixels(face, zoom);
    result.face = &face;
    result.shape = skin.values.ShapeFollowsFace() ? RunByRunRegion(face, skin.values.KeyColor())
                                                  : UniqueRegion();
}
