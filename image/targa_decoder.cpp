#include "image/targa_decoder.h"

#include <algorithm>
#include <array>
#include <bit>

// Pixels are composed as 32-bit values whose memory bytes must come out blue, green, red, fourth.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr std::uint8_t kUncompressedTrueColor = 2;
constexpr std::uint8_t kColorMapPresent = 1;
constexpr std::uint8_t kRightToLeft = 0x10;
constexpr std::uint8_t kTopToBottom = 0x20;

std::uint16_t ReadLittleEndian16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

// One pixel of bytesPerPixel bytes starting at start; bytes past the end of data count as 0.
std::uint32_t GatherPixel(std::span<const std::uint8_t> data, std::size_t start,
                          std::size_t bytesPerPixel) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytesPerPixel && start + i < data.size(); ++i) {
        value |= std::uint32_t{data[start + i]} << (8 * i);
    }
    return value;
}

}  // namespace

const char* TargaMessage(TargaError error) {
    switch (error) {
        case TargaError::None:
            return "";
        case TargaError::CouldNotOpen:
            return "Targa: could not open file";
        case TargaError::ImageTypeNotSupported:
            return "Targa: image type not yet supported";
        case TargaError::BitDepthNotSupported:
            return "Targa: bit depth not yet supported";
        case TargaError::CouldNotCreateDib:
            return "Targa: could not create dib";
        case TargaError::NotEnoughMemory:
            return "Targa: not enough memory";
    }
    return "";
}

TargaHeader ParseTargaHeader(std::span<const std::uint8_t> first) {
    // Copying into a zeroed block makes every byte a short file lacks read as 0, including the
    // high byte of a two-byte field cut in half.
    std::array<std::uint8_t, kTargaHeaderSize> bytes{};
    std::copy_n(first.begin(), std::min(first.size(), bytes.size()), bytes.begin());

    TargaHeader header;
    header.idLength = bytes[0];
    header.colorMapType = bytes[1];
    header.imageType = bytes[2];
    header.colorMapFirstEntry = ReadLittleEndian16(&bytes[3]);
    header.colorMapLength = ReadLittleEndian16(&bytes[5]);
    header.colorMapEntrySize = bytes[7];
    header.xOrigin = ReadLittleEndian16(&bytes[8]);
    header.yOrigin = ReadLittleEndian16(&bytes[10]);
    header.width = ReadLittleEndian16(&bytes[12]);
    header.height = ReadLittleEndian16(&bytes[14]);
    header.pixelDepth = bytes[16];
    header.imageDescriptor = bytes[17];
    return header;
}

TargaError CheckTargaHeader(const TargaHeader& header) {
    if (header.imageType != kUncompressedTrueColor) {
        return TargaError::ImageTypeNotSupported;
    }
    if (header.pixelDepth != 24 && header.pixelDepth != 32) {
        return TargaError::BitDepthNotSupported;
    }
    return TargaError::None;
}

std::uint64_t TargaPixelOffset(const TargaHeader& header) {
    std::uint64_t offset = kTargaHeaderSize + std::uint64_t{header.idLength};
    // A colour map may accompany a true-colour image; it is skipped, not used.
    if (header.colorMapType == kColorMapPresent) {
        const std::uint64_t entryBytes = (std::uint64_t{header.colorMapEntrySize} + 7) / 8;
        offset += std::uint64_t{header.colorMapLength} * entryBytes;
    }
    return offset;
}

std::uint64_t TargaPixelBytes(const TargaHeader& header) {
    return std::uint64_t{header.width} * header.height * (header.pixelDepth / 8);
}

std::uint64_t TargaImageBytes(const TargaHeader& header) {
    return std::uint64_t{header.width} * header.height * sizeof(std::uint32_t);
}

void DecodeTargaPixels(const TargaHeader& header, std::span<const std::uint8_t> pixelData,
                       std::uint32_t* out) {
    // out holds width × height pixels, so these products fit in size_t wherever it exists.
    const std::size_t width = header.width;
    const std::size_t height = header.height;
    const std::size_t bytesPerPixel = header.pixelDepth / 8;
    const bool topToBottom = (header.imageDescriptor & kTopToBottom) != 0;
    const bool rightToLeft = (header.imageDescriptor & kRightToLeft) != 0;

    for (std::size_t fileRow = 0; fileRow < height; ++fileRow) {
        std::uint32_t* row = out + (topToBottom ? fileRow : height - 1 - fileRow) * width;
        for (std::size_t fileColumn = 0; fileColumn < width; ++fileColumn) {
            const std::size_t column = rightToLeft ? width - 1 - fileColumn : fileColumn;
            row[column] = GatherPixel(pixelData, (fileRow * width + fileColumn) * bytesPerPixel,
                                      bytesPerPixel);
        }
    }
}

bool IsTargaPath(std::string_view path) {
    if (path.size() < 3)
        return false;
    const std::string_view ending = path.substr(path.size() - 3);
    constexpr std::string_view kTga = "tga";
    for (size_t i = 0; i < 3; ++i) {
        const char c = ending[i] >= 'A' && ending[i] <= 'Z'
                           ? static_cast<char>(ending[i] - 'A' + 'a')
                           : ending[i];
        if (c != kTga[i])
            return false;
    }
    return true;
}
