#pragma once
// Figures a skin author checks a skin by: how much of the background the key colour cuts away,
// how many rectangles the window shape costs, and where the widest time lands on the face.

#include <array>
#include <cstdint>
#include <string_view>

#include "image/pixel_ops.h"
#include "skin/face_layout.h"

struct ShapeMetrics {
    std::int64_t keyPixels = 0;  // pixels of the key colour, cut out of the window
    std::int64_t totalPixels = 0;
    int bands = 0;                // runs of rows with the same runs
    std::int64_t rectangles = 0;  // one per run per band: what the window's region holds
};

ShapeMetrics MeasureShape(ConstPixelSpan image, ColorValue key);

// The box the glyphs of `time` cover when laid out on a face of `frame` size, in face
// coordinates; it may reach outside the face. Empty (all zero) when no glyph has any size.
struct LineBox {
    int left = 0;
    int top = 0;
    int right = 0;   // one past the last column
    int bottom = 0;  // one past the last row
};

LineBox LaidOutLine(std::string_view time, Size frame, const std::array<Size, kGlyphCount>& glyphs);

// Whether every glyph pixel of the line lands on the face, so none is clipped away.
constexpr bool FitsOn(const LineBox& line, Size frame) {
    return line.left >= 0 && line.top >= 0 && line.right <= frame.width &&
           line.bottom <= frame.height;
}
