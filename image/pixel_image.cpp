#include "image/pixel_image.h"

#include <cstring>
#include <utility>

bool PixelImage::Create(int newWidth, int newHeight) {
    Destroy();
    if (newWidth <= 0 || newHeight <= 0)
        return false;

    BITMAPINFOHEADER& info = header.bmiHeader;
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = newWidth;
    info.biHeight = -newHeight;  // negative: row 0 is the top row
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage =
        static_cast<DWORD>(static_cast<unsigned long long>(newWidth) * newHeight * 4);

    void* memory = nullptr;
    bitmap.reset(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &memory, nullptr, 0));
    if (!bitmap || !memory) {
        Destroy();
        return false;
    }
    pixels = static_cast<std::uint32_t*>(memory);
    width = newWidth;
    height = newHeight;
    return true;
}

bool PixelImage::EnsureSize(int newWidth, int newHeight) {
    if (!IsEmpty() && width == newWidth && height == newHeight)
        return true;
    return Create(newWidth, newHeight);
}

void PixelImage::Destroy() {
    pixels = nullptr;
    bitmap.reset();
    width = 0;
    height = 0;
    header = BITMAPINFO{};
}

int PixelImage::Draw(HDC dc, int x, int y) const {
    return SetDIBitsToDevice(dc, x, y, width, height, 0, 0, 0, height, pixels, &header,
                             DIB_RGB_COLORS);
}

void PixelImage::CopyFrom(const PixelImage& source) {
    if (IsEmpty() || source.IsEmpty())
        return;
    std::memcpy(pixels, source.pixels, static_cast<size_t>(width) * height * 4);
}

void PixelImage::CopyKeyed(const PixelImage& source, int x, int y, int red, int green, int blue) {
    ::CopyKeyed(Pixels(), source.Pixels(), x, y, KeyPixel(red, green, blue));
}

ColorValue PixelImage::ColorAt(int x, int y) const {
    return ColorOfPixel(pixels[static_cast<size_t>(y) * width + x]);
}

void PixelImage::SetColorAt(int x, int y, ColorValue color) {
    std::uint32_t& pixel = pixels[static_cast<size_t>(y) * width + x];
    pixel = PixelOfColor(color, pixel >> 24);
}

void PixelImage::Rotate(int angle) {
    if ((angle != 90 && angle != 270) || IsEmpty())
        return;
    PixelImage turned;
    if (!turned.Create(height, width))
        return;
    TurnQuarter(std::as_const(*this).Pixels(), turned.Pixels(), angle);
    TakeFrom(turned);
}

int PixelImage::CopyFromBitmap(HDC dc, HBITMAP source) {
    return GetDIBits(dc, source, 0, static_cast<UINT>(height), pixels, &header, DIB_RGB_COLORS);
}

void PixelImage::TakeFrom(PixelImage& other) {
    Destroy();
    header = std::exchange(other.header, BITMAPINFO{});
    width = std::exchange(other.width, 0);
    height = std::exchange(other.height, 0);
    bitmap = std::move(other.bitmap);
    pixels = std::exchange(other.pixels, nullptr);
}
