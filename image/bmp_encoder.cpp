#include "image/bmp_encoder.h"

#include <cstddef>

#include "image/bmp_header.h"

namespace {

constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void PutLittle(std::vector<std::uint8_t>& bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmpHeaders(std::int32_t width, std::int32_t height,
                                           int bitsPerPixel, std::uint32_t paletteColors,
                                           std::uint32_t dataBytes) {
    const auto dataOffset =
        static_cast<std::uint32_t>(kBmpLayoutBytes + std::size_t{4} * paletteColors);
    std::vector<std::uint8_t> bytes{'B', 'M'};
    bytes.reserve(dataOffset + dataBytes);
    PutLittle(bytes, dataOffset + dataBytes, 4);
    PutLittle(bytes, 0, 4);
    PutLittle(bytes, dataOffset, 4);
    PutLittle(bytes, kBmpInfoBytes, 4);
    PutLittle(bytes, static_cast<std::uint32_t>(width), 4);
    PutLittle(bytes, static_cast<std::uint32_t>(height), 4);
    PutLittle(bytes, 1, 2);  // planes
    PutLittle(bytes, static_cast<std::uint32_t>(bitsPerPixel), 2);
    PutLittle(bytes, static_cast<std::uint32_t>(BmpCompression::Rgb), 4);
    PutLittle(bytes, dataBytes, 4);
    PutLittle(bytes, kPixelsPerMetre, 4);
    PutLittle(bytes, kPixelsPerMetre, 4);
    PutLittle(bytes, paletteColors, 4);
    PutLittle(bytes, 0, 4);  // every colour is important
    return bytes;
}

std::vector<std::uint8_t> EncodeBmp24(ConstPixelSpan image) {
    const auto stride = static_cast<std::uint32_t>(BmpRowBytes(image.width, 24));
    std::vector<std::uint8_t> bytes = EncodeBmpHeaders(
        image.width, image.height, 24, 0, stride * static_cast<std::uint32_t>(image.height));
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint32_t* row = image.pixels + static_cast<std::size_t>(y) * image.width;
        for (int x = 0; x < image.width; ++x)
            PutLittle(bytes, row[x], 3);  // blue, green, red
        bytes.resize(bytes.size() + (stride - static_cast<std::uint32_t>(image.width) * 3));
    }
    return bytes;
}
