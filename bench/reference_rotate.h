#pragma once
// The quarter turn and the zoom done the plain way: pixel by pixel through ColorAt and
// SetColorAt into a working image, then the image re-created and the working image copied back.

#include "image/pixel_image.h"

// Writes `source` turned by 90 (clockwise) or 270 (counter-clockwise) into `target`, which is
// source's height wide and source's width high, one ColorAt and one SetColorAt a pixel.
void TurnByPixels(const PixelImage& source, PixelImage& target, int angle);

// Turns `image` by 90 or 270 through a new working image; other angles change nothing. If the
// working image cannot be made the image stays as it was.
void RotateByPixels(PixelImage& image, int angle);

// Grows `image` by `zoom`, every pixel becoming a zoom x zoom block, the same way.
void ZoomByPixels(PixelImage& image, int zoom);
