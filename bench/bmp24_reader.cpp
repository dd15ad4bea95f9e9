#include "bench/bmp24_reader.h"

#include <fstream>
#include <iterator>

#include "image/image_limits.h"

namespace {

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[at + i];
    return value;
}

}  // namespace

std::optional<HostImage> ReadBmp24(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    constexpr size_t kHeaders = 14 + 40;
    if (bytes.size() < kHeaders || bytes[0] != 'B' || bytes[1] != 'M' ||
        Little(bytes, 14, 4) < 40 || Little(bytes, 28, 2) != 24 || Little(bytes, 30, 4) != 0)
        return std::nullopt;

    const auto width = static_cast<std::int32_t>(Little(bytes, 18, 4));
    const auto declaredHeight = static_cast<std::int32_t>(Little(bytes, 22, 4));
    const std::int64_t height = declaredHeight < 0 ? -std::int64_t{declaredHeight} : declaredHeight;
    if (!IsAcceptableImageSize(width, height))
        return std::nullopt;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    const size_t offset = Little(bytes, 10, 4);
    if (offset > bytes.size() || bytes.size() - offset < stride * height)
        return std::nullopt;

    HostImage image{width, static_cast<int>(height), {}};
    image.pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < image.height; ++y) {
        const int fileRow = declaredHeight < 0 ? y : image.height - 1 - y;
        const std::uint8_t* from = bytes.data() + offset + stride * fileRow;
        for (int x = 0; x < width; ++x, from += 3)
            image.pixels[static_cast<size_t>(y) * width + x] =
                from[0] | from[1] << 8 | static_cast<std::uint32_t>(from[2]) << 16;
    }
    return image;
}
