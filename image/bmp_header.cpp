#include "image/bmp_header.h"

namespace {

constexpr std::uint32_t kCoreInfoBytes = 12;

std::uint32_t Little(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

}  // namespace

std::optional<BmpDimensions> ReadBmpDimensions(std::span<const std::uint8_t> start) {
    if (start.size() < kBmpHeaderBytes || start[0] != 'B' || start[1] != 'M')
        return std::nullopt;
    const std::uint32_t infoSize = Little(start, 14, 4);
    if (infoSize == kCoreInfoBytes)
        return BmpDimensions{Little(start, 18, 2), Little(start, 20, 2), false,
                             static_cast<int>(Little(start, 24, 2))};
    if (infoSize < 16)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(Little(start, 18, 4));
    const auto height = static_cast<std::int32_t>(Little(start, 22, 4));
    return BmpDimensions{width, height < 0 ? -static_cast<std::int64_t>(height) : height,
                         height < 0, static_cast<int>(Little(start, 28, 2))};
}

std::optional<BmpLayout> ReadBmpLayout(std::span<const std::uint8_t> start) {
    const std::optional<BmpDimensions> dimensions = ReadBmpDimensions(start);
    if (!dimensions)
        return std::nullopt;
    const std::uint32_t infoSize = Little(start, 14, 4);
    const std::uint32_t dataOffset = Little(start, 10, 4);
    if (infoSize == kCoreInfoBytes)
        return BmpLayout{*dimensions, infoSize, BmpCompression::Rgb, dataOffset, 0};
    if (infoSize < kBmpInfoBytes || start.size() < kBmpLayoutBytes)
        return std::nullopt;
    return BmpLayout{*dimensions, infoSize, static_cast<BmpCompression>(Little(start, 30, 4)),
                     dataOffset, Little(start, 34, 4)};
}

bool IsCompleteBmp(std::span<const std::uint8_t> start, std::uint64_t fileSize) {
    const std::optional<BmpLayout> layout = ReadBmpLayout(start);
    if (!layout || fileSize < start.size())
        return false;
    const BmpDimensions& size = layout->dimensions;
    const std::uint64_t dataOffset = layout->dataOffset;
    if (fileSize < kBmpFileHeaderBytes + std::uint64_t{layout->infoBytes} ||
        dataOffset > fileSize || size.width <= 0)
        return false;

    switch (layout->compression) {
        case BmpCompression::Rle8:
        case BmpCompression::Rle4:
            return layout->dataBytes > 0 && dataOffset + layout->dataBytes <= fileSize;
        case BmpCompression::Rgb:
        case BmpCompression::BitFields:
            break;
        default:
            return false;
    }
    const std::uint64_t stride = BmpRowBytes(static_cast<std::uint64_t>(size.width),
                                             static_cast<std::uint32_t>(size.bitsPerPixel));
    const auto rows = static_cast<std::uint64_t>(size.height);
    // Compared by division, so that no declared size can wrap the product around.
    return rows == 0 || stride <= (fileSize - dataOffset) / rows;
}
