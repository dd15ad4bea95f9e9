#pragma once
// What a PNG file's header chunk declares, read before the platform's decoder is handed the file:
// a decoder may allocate the whole picture at once, whatever size a hostile file claims.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The signature and the IHDR chunk up to its colour type.
inline constexpr std::size_t kPngHeaderBytes = 26;

struct PngHeader {
    std::int64_t width;
    std::int64_t height;
    int bitDepth;
    int colourType;  // 4 and 6 carry an alpha channel; others may add one in a tRNS chunk

    bool HasAlphaChannel() const { return colourType == 4 || colourType == 6; }
};

// The header of a file that starts with `start`, or nothing when it is not a PNG file's start.
std::optional<PngHeader> ReadPngHeader(std::span<const std::uint8_t> start);

// Whether the path names a PNG file: it ends in ".png", in any case.
bool IsPngPath(std::string_view path);
