#pragma once
// Where the parts of the clock face go: the arithmetic of the paint, without any drawing.

#include <array>
#include <string_view>
#include <vector>

#include "base/geometry.h"

constexpr int kGlyphCount = 11;
constexpr int kColonGlyph = 10;

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

// Reference point (centre of the text's top edge) of the plain text face.
constexpr Point PlainTextOrigin(Size frame, int textHeight) {
    return {frame.width / 2, frame.height / 2 - textHeight / 2};
}

// Top-left of the icon in the middle of a minimised window.
constexpr Point MinimisedIconOrigin(Size client, Size icon) {
    return {(client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2};
}
