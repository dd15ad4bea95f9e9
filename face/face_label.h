#pragma once
// A clock's label on its face: where it goes, in which colours, and its text laid over the
// face's background. The skin may name an area for it; without one, the label takes a strip of
// its own below the background, as wide as it.

#include <cstdint>
#include <optional>
#include <span>

#include "base/geometry.h"
#include "image/pixel_ops.h"

struct LabelPlan {
    Size face;  // the labelled background: the skin's, and the strip below it where there is one
    Rect area;  // where the label's text goes, in the labelled background
    bool strip = false;
};

// The skin's `skinArea` where it names one that lies within the `background`, else a strip of
// `stripHeight` pixels below it.
LabelPlan PlanLabel(Size background, std::optional<Rect> skinArea, int stripHeight);

// The average colour of the picture's own pixels: those not of the colour `key` in a keyed
// picture, and, weighed by their opacity, those with any in a picture of premultiplied alpha
// (`key` none). Black where it has none.
ColorValue AverageColour(ConstPixelSpan picture, std::optional<std::uint32_t> key);

// `wanted` for text over `under`, unless the two are too alike in lightness to be read: then
// black or white, whichever stands out more.
ColorValue ReadableColour(ColorValue wanted, ColorValue under);

// Lays `colour` over `image` inside `area`, each pixel as much as `coverage` (0 to 255, the
// area's pixels row by row) says: the text of the label, drawn as a mask of its coverage. Pixels
// the text covers whole become `colour` and opaque.
void LayCoverage(PixelSpan image, const Rect& area, std::span<const std::uint8_t> coverage,
                 ColorValue colour);
