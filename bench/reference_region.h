#pragma once
// The window shape built the plain way: the yardstick the fast region builder is measured and
// checked against.

#include "image/pixel_image.h"

// Every run of non-key pixels becomes a one-row rectangle region, united into the result one at
// a time, so each union works on the whole shape built so far.
UniqueRegion RunByRunRegion(const PixelImage& image, ColorValue key);
