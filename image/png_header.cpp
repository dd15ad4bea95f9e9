#include "image/png_header.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kHeaderChunk[] = {0, 0, 0, 13, 'I', 'H', 'D', 'R'};

std::int64_t BigEndian32(std::span<const std::uint8_t> bytes) {
    return std::int64_t{bytes[0]} << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
}

}  // namespace

std::optional<PngHeader> ReadPngHeader(std::span<const std::uint8_t> start) {
    if (start.size() < kPngHeaderBytes || !std::ranges::equal(start.first(8), kSignature) ||
        !std::ranges::equal(start.subspan(8, 8), kHeaderChunk))
        return std::nullopt;
    return PngHeader{BigEndian32(start.subspan(16, 4)), BigEndian32(start.subspan(20, 4)),
                     start[24], start[25]};
}

bool IsPngPath(std::string_view path) {
    constexpr std::string_view kEnding = ".png";
    return path.size() >= kEnding.size() &&
           std::ranges::equal(
               path.substr(path.size() - kEnding.size()), kEnding,
               [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}
