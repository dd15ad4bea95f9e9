#pragma once
// A skin's background with a clock's label laid on it.

#include <string>

#include "image/pixel_image.h"
#include "skin/skin.h"

// The background of `skin` with `label` on it, in the Windows UI font: in the skin's label area
// where it names one, else in a strip of its own below the background, as wide as it, filled with
// the background's colour. The text takes the skin's label colour, else the colour of its glyphs,
// unless that cannot be read there. Empty for an empty label or where the picture cannot be made.
PixelImage LabelledBackground(const Skin& skin, const std::string& label);
