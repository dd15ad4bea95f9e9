#pragma once
// The size a BMP file declares, read from its headers before the platform loads it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// Enough of the start of a file for its file header and any kind of info header's size fields.
inline constexpr std::size_t kBmpHeaderBytes = 14 + 16;

struct BmpDimensions {
    std::int64_t width;
    std::int64_t height;  // positive for bottom-up and top-down files alike
};

// The width and height that the file's info header declares (the old 12-byte core header or
// any of the later ones), or nothing when the bytes are not a BMP file's start.
std::optional<BmpDimensions> ReadBmpDimensions(std::span<const std::uint8_t> start);

// Enough of the start of a file for the file header and a 40-byte info header.
inline constexpr std::size_t kBmpLayoutBytes = 14 + 40;

// Whether a file of `fileSize` bytes that starts with `start` is a BMP file holding every byte
// its headers promise: its headers, and pixel data from its data offset for the declared size
// and depth (or, compressed, the declared data size). The platform's loader reads a cut-off
// file past its end, so only complete files are handed to it.
bool IsCompleteBmp(std::span<const std::uint8_t> start, std::uint64_t fileSize);
