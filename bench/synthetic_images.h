#pragma once
// Pictures made by code for the cases the sample skins do not cover.

#include "skin/skin.h"

// `width` x `height` pixels of which a third, chosen at random from `seed`, are of `key`; the
// others have random colours other than the key.
PixelImage NoiseImage(int width, int height, ColorValue key, unsigned seed);

// A 400 x 120 skin whose shape follows its face: a plate with rounded corners, and seven-segment
// glyphs whose strokes are of the key colour with a dark rim, so each digit is a hole.
void MakeHoledFaceSkin(Skin& skin);

// A 1920 x 200 background for a clock across the top of a full-HD screen: rounded corners, a
// wavy lower edge and a row of round holes; everything outside the plate is of `key`.
PixelImage FullWidthBackground(ColorValue key);
