#include "bench/paint_tick.h"

#include <cstring>

void PaintTick(const Skin& skin, std::string_view time, ClockFace& kept, TickResult& result) {
    kept.Update(time);
    result.face = &kept.Image();
    result.shape = skin.values.ShapeFollowsFace()
                       ? result.face->CreateRegion(skin.values.KeyColor())
                       : UniqueRegion();
}

bool SamePixels(const PixelImage& a, const PixelImage& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    const size_t bytes = static_cast<size_t>(a.Width()) * a.Height() * 4;
    return bytes == 0 || std::memcmp(a.Pixels().pixels, b.Pixels().pixels, bytes) == 0;
}

bool SameTick(const TickResult& a, const TickResult& b) {
    if (!a.face || !b.face || !SamePixels(*a.face, *b.face) || bool(a.shape) != bool(b.shape))
        return false;
    return !a.shape || EqualRgn(a.shape.get(), b.shape.get());
}
