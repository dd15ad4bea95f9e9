#pragma once
// Where the glyphs of a time go on the face: the arithmetic of the paint, without any drawing.

#include <array>
#include <string_view>
#include <vector>

#include "base/geometry.h"
#include "skin/skin_files.h"

// Glyph of a character of the time text: 0 to 9 for the digits, 10 for the colon, -1 otherwise.
constexpr int GlyphIndex(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return c == ':' ? kColonGlyph : -1;
}

struct GlyphPlacement {
    int glyph;
    Point at;
    bool operator==(const GlyphPlacement&) const = default;
};

// Lays the glyphs of `time` out as one line centred on a background of `frame` size. Each half
// is taken before the subtraction, and every glyph hangs from the same top edge.
std::vector<GlyphPlacement> LayoutGlyphs(std::string_view time, Size frame,
                                         const std::array<Size, kGlyphCount>& glyphs);

// The box the glyphs of `time` cover when laid out on a face of `frame` size, in face
// coordinates; it may reach outside the face. Empty (all zero) when no glyph has any size.
Rect LaidOutLine(std::string_view time, Size frame, const std::array<Size, kGlyphCount>& glyphs);

// Whether every glyph pixel of the line lands on the face, so none is clipped away.
constexpr bool FitsOn(const Rect& line, Size frame) {
    return Rect::At({}, frame).Covers(line);
}
