#pragma once
// A minimal reader of uncompressed 24-bit BMP files, for programs that run without the platform's
// image loader.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/pixel_ops.h"

struct HostImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // top-down, stored as the pixel image stores them

    PixelSpan Span() { return {pixels.data(), width, height}; }
    ConstPixelSpan Span() const { return {pixels.data(), width, height}; }
};

// The picture of a BMP file of 24 bits a pixel without compression, bottom-up or top-down, as
// top-down pixels whose fourth byte is 0; nothing for any other file.
std::optional<HostImage> ReadBmp24(const std::string& path);
