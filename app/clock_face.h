#pragma once
// The clock face: the skin's glyphs for a time text over its background, turned for the edge
// the clock is docked to.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "app/dock_mode.h"
#include "skin/face_layout.h"
#include "image/pixel_image.h"

// The quarter turn that docking to `mode`'s edge gives the face: 90, 270, or 0 for none.
constexpr int TurnFor(DockMode mode) {
    return mode == DockRight ? 90 : mode == DockLeft ? 270 : 0;
}

// Keeps the face from one time to the next and changes only the glyph cells that differ, so a
// tick touches a digit or two; its images are made anew only when the background's size or the
// turn changes, since new pixel memory costs more to touch the first time than a whole tick.
class ClockFace {
public:
    // Brings the face to `time` over `background`, white glyph pixels letting the background
    // through, turned for `mode`. Returns the part of the face, in its turned coordinates, that
    // changed: all of it after a Reset or a change of turn or background size.
    Rect Update(const PixelImage& background, const std::array<PixelImage, kGlyphCount>& glyphs,
                std::string_view time, DockMode mode);
    // The face as the last Update left it. Empty when the background is, or when the images
    // cannot be made.
    const PixelImage& Image() const { return angle == 0 ? upright : turned; }
    // Makes the next Update compose the whole face anew: the skin's pictures changed.
    void Reset() { shown.reset(); }

private:
    PixelImage upright;  // of the background's size
    PixelImage turned;   // empty while the face is not turned
    int angle = 0;       // the turn of the face as shown
    // The line of glyphs on `upright`; none while the face is to be composed anew.
    std::optional<std::vector<GlyphPlacement>> shown;
};
