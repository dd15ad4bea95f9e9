#pragma once
// BMP files written without the platform's help, in the form every image program reads.

#include <cstdint>
#include <vector>

#include "image/pixel_ops.h"

// The file header and 40-byte info header of an uncompressed BMP file, `width` x `height` pixels
// (a negative height for a top-down file), whose `dataBytes` of pixel data follow a palette of
// `paletteColors` entries.
std::vector<std::uint8_t> EncodeBmpHeaders(std::int32_t width, std::int32_t height,
                                           int bitsPerPixel, std::uint32_t paletteColors,
                                           std::uint32_t dataBytes);

// A bottom-up 24-bit BMP file of top-down pixels; their fourth bytes are left out.
std::vector<std::uint8_t> EncodeBmp24(ConstPixelSpan image);
