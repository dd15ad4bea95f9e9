#pragma once
// What an image file may ask for before anything is allocated for it.

#include <cstdint>

// Wider or taller images are refused: no skin needs them, and a hostile file could otherwise
// make the clock allocate gigabytes.
inline constexpr std::int64_t kMaxImageSide = 16384;
// Nor more pixels than an 8K screen holds (2^25): the clock keeps a face of the background's
// size beside it, 128 MiB each at this size.
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 25;

constexpr bool IsAcceptableImageSize(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}
