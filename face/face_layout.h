#pragma once
// Where the glyphs of a time go on the face: the arithmetic of the paint, without any drawing.

#include <array>
#include <string_view>
#include <vector>

#include "base/geometry.h"
#include "skin/skin_files.h"

// The characters of a face's text besides the digits and the colon. A blank takes the cell of
// the glyph it stands for, '0' or the colon, and leaves the background in it. An indicator
// stamps the AM or PM glyph at the left of a cell as wide as the wider and as tall as the taller
// of the two, and takes no cell unless the skin has both.
constexpr char kBlankDigit = ' ';
constexpr char kBlankColon = '.';
constexpr char kAmIndicator = 'A';
constexpr char kPmIndicator = 'P';

// Glyph of a character of the time text: 0 to 9 for the digits, 10 for the colon, 11 and 12 for
// the indicators, -1 otherwise.
constexpr int GlyphIndex(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c == kAmIndicator)
        return kAmGlyph;
    if (c == kPmIndicator)
        return kPmGlyph;
    return c == ':' ? kColonGlyph : -1;
}

// The glyph of a blank cell, which stamps nothing.
constexpr int kNoGlyph = -1;

struct GlyphPlacement {
    int glyph;  // kNoGlyph in a blank cell
    Point at;
    bool operator==(const GlyphPlacement&) const = default;
};

// Lays the cells of `time` out as one line centred on a background of `frame` size, one
// placement a cell. Each half is taken before the subtraction, and every cell hangs from the
// same top edge.
std::vector<GlyphPlacement> LayoutGlyphs(std::string_view time, Size frame,
                                         const std::array<Size, kGlyphCount>& glyphs);

// The box the glyphs of `time` cover when laid out on a face of `frame` size, in face
// coordinates; it may reach outside the face. Empty (all zero) when no glyph has any size.
Rect LaidOutLine(std::string_view time, Size frame, const std::array<Size, kGlyphCount>& glyphs);

// Whether every glyph pixel of the line lands on the face, so none is clipped away.
constexpr bool FitsOn(const Rect& line, Size frame) {
    return Rect::At({}, frame).Covers(line);
}
