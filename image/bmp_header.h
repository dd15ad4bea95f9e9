#pragma once
// What a BMP file's headers declare, read before the platform loads the file or where there is
// no platform loader at all.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The file header, which every kind of info header follows.
inline constexpr std::size_t kBmpFileHeaderBytes = 14;
// Enough of the start of a file for its file header and any kind of info header's size fields.
inline constexpr std::size_t kBmpHeaderBytes = kBmpFileHeaderBytes + 16;

struct BmpDimensions {
    std::int64_t width;
    std::int64_t height;  // positive for bottom-up and top-down files alike
    bool topDown;
    int bitsPerPixel;
};

// The size and depth that the file's info header declares (the old 12-byte core header or any
// of the later ones), or nothing when the bytes are not a BMP file's start.
std::optional<BmpDimensions> ReadBmpDimensions(std::span<const std::uint8_t> start);

// The bytes of one row of pixel data, which is padded to whole 32-bit words.
constexpr std::uint64_t BmpRowBytes(std::uint64_t width, std::uint32_t bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// The info header that every program reads; later kinds only add fields after it.
inline constexpr std::size_t kBmpInfoBytes = 40;
// Enough of the start of a file for the file header and a 40-byte info header.
inline constexpr std::size_t kBmpLayoutBytes = kBmpFileHeaderBytes + kBmpInfoBytes;

enum class BmpCompression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

// Where and in what form a file keeps its pixel data.
struct BmpLayout {
    BmpDimensions dimensions;
    std::uint32_t infoBytes;  // the info header's declared size
    BmpCompression compression;
    std::uint32_t dataOffset;
    std::uint32_t dataBytes;  // as declared; files without compression may leave it 0
};

// The layout from the first kBmpLayoutBytes of a file (the core header needs fewer), or nothing
// when they are not a BMP file's start or its info header is too short to tell the compression.
std::optional<BmpLayout> ReadBmpLayout(std::span<const std::uint8_t> start);

// Whether a file of `fileSize` bytes that starts with `start` is a BMP file holding every byte
// its headers promise: its headers, and pixel data from its data offset for the declared size
// and depth (or, compressed, the declared data size). The platform's loader reads a cut-off
// file past its end, so only complete files are handed to it.
bool IsCompleteBmp(std::span<const std::uint8_t> start, std::uint64_t fileSize);
