#include "bench/bmp24_reader.h"

#include <fstream>
#include <iterator>

#include "image/bmp_header.h"
#include "image/image_limits.h"

std::optional<HostImage> ReadBmp24(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    const std::optional<BmpLayout> layout = ReadBmpLayout(bytes);
    if (!layout || layout->dimensions.bitsPerPixel != 24 ||
        layout->compression != BmpCompression::Rgb)
        return std::nullopt;

    const BmpDimensions& size = layout->dimensions;
    if (!IsAcceptableImageSize(size.width, size.height))
        return std::nullopt;
    const size_t stride = BmpRowBytes(size.width, 24);
    const size_t offset = layout->dataOffset;
    if (offset > bytes.size() || bytes.size() - offset < stride * size.height)
        return std::nullopt;

    HostImage image{static_cast<int>(size.width), static_cast<int>(size.height), {}};
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const int fileRow = size.topDown ? y : image.height - 1 - y;
        const std::uint8_t* from = bytes.data() + offset + stride * fileRow;
        for (int x = 0; x < image.width; ++x, from += 3)
            image.pixels[static_cast<size_t>(y) * image.width + x] =
                from[0] | from[1] << 8 | static_cast<std::uint32_t>(from[2]) << 16;
    }
    return image;
}
