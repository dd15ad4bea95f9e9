#pragma once
// The clock face: the skin's glyphs for a time text over its background, turned for the edge
// the clock is docked to.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "app/dock_mode.h"
#include "image/pixel_image.h"
#include "skin/face_layout.h"

// The quarter turn that docking to `mode`'s edge gives the face: 90, 270, or 0 for none.
constexpr int TurnFor(DockMode mode) {
    return mode == DockRight ? 90 : mode == DockLeft ? 270 : 0;
}

// Keeps the face from one time to the next and changes only the glyph cells that differ, so a
// tick touches a digit or two. It holds the face as shown and nothing more: one image of the
// window's size, made anew only when the background's size, the turn or the zoom changes, since
// new pixel memory costs more to touch the first time than a whole tick.
class ClockFace {
public:
    // Brings the face to `time` over `background`, white glyph pixels letting the background
    // through, turned for `mode` and grown by `zoom`, every skin pixel a zoom x zoom block.
    // Returns the part of the face, in its own coordinates, that changed: all of it after a
    // Reset or a change of turn, zoom or background size.
    Rect Update(const PixelImage& background, const std::array<PixelImage, kGlyphCount>& glyphs,
                std::string_view time, DockMode mode, int zoom = 1);
    // The face as the last Update left it. Empty when the background is, or when the image
    // cannot be made.
    const PixelImage& Image() const { return face; }
    // Makes the next Update compose the whole face anew: the skin's pictures changed.
    void Reset() { shown.reset(); }
    // Gives the face's image back until the next Update composes it anew.
    void Release() {
        shown.reset();
        face.Destroy();
    }

private:
    PixelImage face;
    int angle = 0;  // the turn of the face as shown
    int zoom = 1;
    // The line of glyphs on the face; none while the face is to be composed anew.
    std::optional<std::vector<GlyphPlacement>> shown;
    std::vector<std::uint32_t> cell;  // where a transformed face's cells are composed upright
};
