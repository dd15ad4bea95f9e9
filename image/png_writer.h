#pragma once
// PNG files written through the Windows Imaging Component.

#include <string>

#include "image/pixel_ops.h"

// Writes `image`, whose pixels carry premultiplied alpha, as a 32-bit PNG file with straight
// alpha, as PNG keeps it. False when the file cannot be written.
bool WritePng(ConstPixelSpan image, const std::string& path);
