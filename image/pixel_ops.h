#pragma once
// Pixel loops over 32-bit top-down images, independent of the platform's bitmaps.
//
// A pixel is stored as the bytes blue, green, red and a fourth byte that carries no colour;
// read as a little-endian 32-bit value it is b | g << 8 | r << 16 | fourth << 24.

#include <cstdint>

#include "base/geometry.h"

// A 24-bit colour as 0x00BBGGRR: red in the low byte.
using ColorValue = std::uint32_t;

struct PixelSpan {
    std::uint32_t* pixels;
    int width;
    int height;
};

struct ConstPixelSpan {
    const std::uint32_t* pixels;
    int width;
    int height;
};

inline ConstPixelSpan AsConst(PixelSpan span) {
    return {span.pixels, span.width, span.height};
}

// The colour bytes of a stored pixel as a ColorValue; the fourth byte is dropped.
constexpr ColorValue ColorOfPixel(std::uint32_t pixel) {
    return (pixel & 0xFFu) << 16 | (pixel & 0xFF00u) | (pixel >> 16 & 0xFFu);
}

// A stored pixel with the colour bytes of `color` and the given fourth byte.
constexpr std::uint32_t PixelOfColor(ColorValue color, std::uint32_t fourth) {
    return (color >> 16 & 0xFFu) | (color & 0xFF00u) | (color & 0xFFu) << 16 | fourth << 24;
}

// The colour bits of a stored pixel, which alone are compared with a key: image editors write
// 32-bit BMP files with any fourth byte, often 0xFF, and it says nothing about the colour.
constexpr std::uint32_t ColorBits(std::uint32_t pixel) {
    return pixel & 0x00FFFFFFu;
}

// The key a keyed copy compares the colour bits of stored pixels with. Only the low 8 bits of
// each component count.
constexpr std::uint32_t KeyPixel(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red & 0xFF) << 16 |
           static_cast<std::uint32_t>(green & 0xFF) << 8 | static_cast<std::uint32_t>(blue & 0xFF);
}

// A ColorValue from components of which only the low 8 bits count.
constexpr ColorValue MakeColorValue(int red, int green, int blue) {
    return static_cast<ColorValue>(red & 0xFF) | static_cast<ColorValue>(green & 0xFF) << 8 |
           static_cast<ColorValue>(blue & 0xFF) << 16;
}

// Stamps `source` onto `destination` with its top-left at (x, y), clipped to the destination,
// leaving destination pixels alone where the source pixel's colour bits equal `key`.
void CopyKeyed(PixelSpan destination, ConstPixelSpan source, int x, int y, std::uint32_t key);

// Premultiplied alpha, as layered windows take it: the fourth byte is the pixel's alpha and each
// colour byte is already multiplied by it, so 0 is fully transparent.

// `source` over `destination` (Porter-Duff "over"), each byte rounded to the nearest: a source of
// alpha 0 leaves the destination as it is, one of alpha 255 replaces it. A colour byte above its
// alpha (no premultiplied colour) adds light, up to 255.
std::uint32_t Over(std::uint32_t source, std::uint32_t destination);

// Stamps `source` over `destination` with its top-left at (x, y), clipped as CopyKeyed clips.
void CopyOver(PixelSpan destination, ConstPixelSpan source, int x, int y);

// Gives a keyed glyph's pixels alpha: the see-through white (KeyPixel(255, 255, 255), whatever
// the fourth byte) becomes fully transparent and every other pixel opaque, so a BMP glyph draws the
// same over an alpha face as over a keyed one.
void MakeKeyedOpaque(PixelSpan image);

// A premultiplied pixel with its colour divided by its alpha again, as PNG files store colour;
// fully transparent pixels become 0.
std::uint32_t Unpremultiplied(std::uint32_t pixel);

// Copies the pixels of `area` of `source` into `destination` with their top-left at `to`;
// whatever lies outside either image is left out.
void CopyArea(PixelSpan destination, ConstPixelSpan source, Rect area, Point to);

// Writes `source` turned a quarter turn into `destination`, which must be source.height wide
// and source.width high: 90 turns clockwise, 270 counter-clockwise. Only the colour bytes
// move; every fourth byte of the result is 0.
void TurnQuarter(ConstPixelSpan source, PixelSpan destination, int angle);
// The same for `area` of the source alone (which must lie within it), its turned picture written
// with its top-left at `to` (which must leave it within the destination): a few cells of a face
// are turned without the rest.
void TurnQuarter(ConstPixelSpan source, Rect area, PixelSpan destination, Point to, int angle);

// `area` of the source (which must lie within it) turned by `angle` (0, 90 or 270) and grown
// by `zoom` (1 or more), every pixel becoming a zoom x zoom block, written with its top-left at
// `to` (which must leave it within the destination): the face shown at a high DPI, without a
// blur. A turn clears the fourth byte as TurnQuarter does, unless `keepAlpha`; without one pixels
// are copied whole.
void TurnAndZoom(ConstPixelSpan source, Rect area, PixelSpan destination, Point to, int angle,
                 int zoom, bool keepAlpha = false);

// Where `area` of an image of `source` size lands when the image is turned by `angle` (90 or
// 270; any other angle leaves it where it is) and grown by `zoom`.
Rect TurnedArea(Rect area, Size source, int angle, int zoom = 1);
