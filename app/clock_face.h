#pragma once
// The clock face: the skin's glyphs for a time text over its background, turned for the edge
// the clock is docked to.

#include <array>
#include <string>
#include <string_view>

#include "app/dock_mode.h"
#include "app/face_layout.h"
#include "image/pixel_image.h"

// The current local time as "HH:MM:SS", or empty if it cannot be formatted.
std::string LocalTimeText();

// Composes `time` onto a fresh copy of `background` in `face`, white glyph pixels letting the
// background through, then turns it for `mode`. With an empty background the face stays empty.
void ComposeFace(PixelImage& face, const PixelImage& background,
                 const std::array<PixelImage, kGlyphCount>& glyphs, std::string_view time,
                 DockMode mode);

// The quarter turn that docking to `mode`'s edge gives the face: 90, 270, or 0 for none.
constexpr int TurnFor(DockMode mode) {
    return mode == DockRight ? 90 : mode == DockLeft ? 270 : 0;
}
