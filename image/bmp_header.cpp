#include "image/bmp_header.h"

namespace {

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
    if (infoSize == 12)
        return BmpDimensions{Little(start, 18, 2), Little(start, 20, 2)};
    if (infoSize < 16)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(Little(start, 18, 4));
    const auto height = static_cast<std::int32_t>(Little(start, 22, 4));
    return BmpDimensions{width, height < 0 ? -static_cast<std::int64_t>(height) : height};
}

bool IsCompleteBmp(std::span<const std::uint8_t> start, std::uint64_t fileSize) {
    const std::optional<BmpDimensions> size = ReadBmpDimensions(start);
    if (!size || fileSize < start.size())
        return false;
    const std::uint32_t infoSize = Little(start, 14, 4);
    const bool core = infoSize == 12;
    if (!core && (infoSize < 40 || start.size() < kBmpLayoutBytes))
        return false;
    const std::uint64_t dataOffset = Little(start, 10, 4);
    const std::uint32_t bitsPerPixel = Little(start, core ? 24 : 28, 2);
    const std::uint32_t compression = core ? 0 : Little(start, 30, 4);
    if (fileSize < 14 + std::uint64_t{infoSize} || dataOffset > fileSize || size->width <= 0)
        return false;

    constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
    if (compression == kRle8 || compression == kRle4) {
        const std::uint64_t dataBytes = Little(start, 34, 4);
        return dataBytes > 0 && dataOffset + dataBytes <= fileSize;
    }
    if (compression != kRgb && compression != kBitFields)
        return false;
    const std::uint64_t stride =
        (static_cast<std::uint64_t>(size->width) * bitsPerPixel + 31) / 32 * 4;
    const auto rows = static_cast<std::uint64_t>(size->height);
    // Compared by division, so that no declared size can wrap the product around.
    return rows == 0 || stride <= (fileSize - dataOffset) / rows;
}
