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

// The quarter turn that docking to `mode`'s edge gives the face: 90, 270, or 0 for none.
constexpr int TurnFor(DockMode mode) {
    return mode == DockRight ? 90 : mode == DockLeft ? 270 : 0;
}

// Composes faces into images that it keeps from one face to the next, made anew only when the
// background's size or the turn changes: a clock paints the same size every second, and new
// pixel memory costs more to touch the first time than all the rest of a paint.
class ClockFace {
public:
    // Composes `time` onto a copy of `background`, white glyph pixels letting the background
    // through, turned for `mode`. The face lives until the next Compose. It is empty when the
    // background is, or when the images cannot be made.
    const PixelImage& Compose(const PixelImage& background,
                              const std::array<PixelImage, kGlyphCount>& glyphs,
                              std::string_view time, DockMode mode);

private:
    PixelImage upright;  // of the background's size
    PixelImage turned;   // empty while faces are not turned
};
