#pragma once
// The clock face: the skin's glyphs for a time text over its background, turned for the edge
// the clock is docked to and grown for the screen's DPI.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "face/dock_mode.h"
#include "face/face_glyphs.h"
#include "face/face_layout.h"
#include "image/pixel_image.h"

// Keeps the face from one time to the next and changes only the glyph cells that differ, so a
// tick touches a digit or two. It holds the face as shown and nothing more: one image of the
// window's size, made anew only when the background's size, the turn or the zoom changes, since
// new pixel memory costs more to touch the first time than a whole tick.
class ClockFace {
public:
    // Draws from now on with `background` and `glyphs`, stamped as `blend` says, turned for
    // `mode` and grown by `zoom`, every skin pixel a zoom x zoom block. The glyphs are laid out
    // on the part of the background of `glyphArea` size at its top-left, the whole of it unless
    // given: a label's strip below the skin's background holds none. The pictures are borrowed:
    // they must live as long as the face draws with them. The next Update composes the whole
    // face.
    void Show(const PixelImage& background, const std::array<PixelImage, kGlyphCount>& glyphs,
              DockMode mode, int zoom = 1, GlyphBlend blend = GlyphBlend::Keyed,
              std::optional<Size> glyphArea = std::nullopt);
    // Brings the face to `time`. Returns the part of the face, in its own coordinates, that
    // changed: all of it after Show or Reset, or when the background changed its size; nothing
    // before any Show.
    Rect Update(std::string_view time);
    // The face as the last Update left it. Empty when the background is, or when the image
    // cannot be made.
    const PixelImage& Image() const { return face; }
    DockMode Mode() const { return mode; }
    int Zoom() const { return zoom; }
    // Makes the next Update compose the whole face anew: the skin's pictures changed.
    void Reset() { shown.reset(); }
    // Gives the face's image back until the next Update composes it anew.
    void Release() {
        shown.reset();
        face.Destroy();
    }

private:
    const PixelImage* background = nullptr;                       // not owned
    const std::array<PixelImage, kGlyphCount>* glyphs = nullptr;  // not owned
    DockMode mode = DockTop;
    int zoom = 1;
    GlyphBlend blend = GlyphBlend::Keyed;
    std::optional<Size> glyphArea;
    PixelImage face;
    // The line of glyphs on the face; none while the face is to be composed anew.
    std::optional<std::vector<GlyphPlacement>> shown;
    std::vector<std::uint32_t> cell;  // where a transformed face's cells are composed upright
};
