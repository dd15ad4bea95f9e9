#pragma once
// What an image file may ask for before anything is allocated for it.

#include <cstdint>

// Wider or taller images are refused: no skin needs them, and a hostile file could otherwise
// make the clock allocate gigabytes.
inline constexpr std::int64_t kMaxImageSide = 16384;

constexpr bool IsAcceptableImageSize(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide;
}
