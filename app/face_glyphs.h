#pragma once
// The glyphs of a time stamped on a face: the whole line, or only the cells in which it differs
// from the line already shown, so that a tick touches the digits that changed and nothing else.

#include <array>
#include <vector>

#include "image/pixel_ops.h"
#include "skin/face_layout.h"

using GlyphSpans = std::array<ConstPixelSpan, kGlyphCount>;

// Brings `face`, which shows the glyph line `shown` over `background` (an image of the same
// size), to the line `wanted`; both lines come from LayoutGlyphs on that face. Every glyph that
// is not stamped at the same place in both lines has its old cell given back the background
// and is stamped anew, white pixels letting the background through. Returns the bounding box of
// the cells that changed, clipped to the face; empty when nothing did. With an empty `shown`
// over a face that holds the plain background, this stamps the whole line.
Rect RestampGlyphs(PixelSpan face, ConstPixelSpan background, const GlyphSpans& glyphs,
                   const std::vector<GlyphPlacement>& shown,
                   const std::vector<GlyphPlacement>& wanted);
