#pragma once
// A 32-bit top-down image held in a DIB section, so that the program reads and writes its
// pixels directly and the platform draws the same memory without conversion.

#include <windows.h>

#include <cstdint>
#include <string>

#include "image/image_load.h"
#include "image/pixel_ops.h"
#include "win/unique_handle.h"

class PixelImage {
public:
    PixelImage() = default;
    ~PixelImage() { Destroy(); }
    // Two copies would own one bitmap; pixels move through CopyFrom and CopyKeyed instead.
    PixelImage(const PixelImage&) = delete;
    PixelImage& operator=(const PixelImage&) = delete;
    PixelImage(PixelImage&& other) noexcept { TakeFrom(other); }
    PixelImage& operator=(PixelImage&& other) noexcept {
        if (this != &other)
            TakeFrom(other);
        return *this;
    }

    // Replaces the content by a new width x height image; the previous content is gone even
    // when this fails. Returns false (and stays empty) when width or height is 0 or the
    // platform gives no bitmap.
    bool Create(int width, int height);
    // Create, except that an image of that size already keeps its bitmap and its pixels: the
    // first write to new pixel memory can cost more than everything a paint does with it.
    bool EnsureSize(int width, int height);
    void Destroy();

    int Draw(HDC dc, int x, int y) const;
    // Copies this image's own width x height pixels from `source`, which must be at least as large.
    void CopyFrom(const PixelImage& source);
    // Stamps `source` at (x, y), clipped, skipping pixels equal to the key colour.
    void CopyKeyed(const PixelImage& source, int x, int y, int red, int green, int blue);
    ColorValue ColorAt(int x, int y) const;
    void SetColorAt(int x, int y, ColorValue color);
    // A quarter turn for 90 (clockwise) and 270 (counter-clockwise); other angles change nothing.
    // If the working image cannot be made the image stays as it was.
    void Rotate(int angle);
    // Converts a bitmap that is selected into no device context into this image's pixels.
    int CopyFromBitmap(HDC dc, HBITMAP source);

    // Loads a Targa file (a path ending in "tga", any case), a PNG file (ending in ".png", with
    // premultiplied alpha) or else a BMP file, and says why
    // when it could not. On failure the image keeps its previous picture, or is empty where the
    // file was read but no image could be made.
    ImageLoad Load(const std::string& path);
    ImageLoad LoadBmp(const std::string& path);

    // A new region covering every pixel whose colour differs from `key`, in pixel coordinates.
    UniqueRegion CreateRegion(ColorValue key) const;

    bool IsEmpty() const { return pixels == nullptr; }
    int Width() const { return width; }
    int Height() const { return height; }
    const BITMAPINFO& Header() const { return header; }
    HBITMAP Bitmap() const { return bitmap.get(); }
    PixelSpan Pixels() { return {pixels, width, height}; }
    ConstPixelSpan Pixels() const { return {pixels, width, height}; }

private:
    // Moves `other`'s bitmap into this image and leaves `other` empty.
    void TakeFrom(PixelImage& other);

    BITMAPINFO header{};
    int width = 0;
    int height = 0;
    UniqueBitmap bitmap;
    std::uint32_t* pixels = nullptr;  // lives and dies with `bitmap`
};
