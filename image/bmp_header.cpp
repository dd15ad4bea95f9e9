#include "image/bmp_header.h"

namespace {

std::uint32_t Little(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

}  // namespace

std::optional<BmpDimensions> ReadBmpDimensions(std::span<const std::uint8_t> start) {
    if (start.size() < kBmpHeaderBytes || start[0] != 'B' || start[1] != 'M') return std::nullopt;
    const std::uint32_t infoSize = Little(start, 14, 4);
    if (infoSize == 12) return BmpDimensions{Little(start, 18, 2), Little(start, 20, 2)};
    if (infoSize < 16) return std::nullopt;
    const auto width = static_cast<std::int32_t>(Little(start, 18, 4));
    const auto height = static_cast<std::int32_t>(Little(start, 22, 4));
    return BmpDimensions{width, height < 0 ? -static_cast<std::int64_t>(height) : height};
}
