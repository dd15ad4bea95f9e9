#pragma once
// Targa decoding over plain bytes: the header, the checks a reader makes before creating an
// image, where the pixel data lie, and their widening into 32-bit top-down pixels (memory bytes
// blue, green, red, fourth byte). Opening files, creating images and showing messages belong to
// the platform reader built on top of this.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

enum class TargaError {
    None,
    CouldNotOpen,
    ImageTypeNotSupported,
    BitDepthNotSupported,
    CouldNotCreateDib,
    NotEnoughMemory,
};

// The text shown to the user for an error; "" for None.
const char* TargaMessage(TargaError error);

inline constexpr std::size_t kTargaHeaderSize = 18;

// The fixed header at the start of every Targa file, field by field in file order.
struct TargaHeader {
    std::uint8_t idLength = 0;
    std::uint8_t colorMapType = 0;
    std::uint8_t imageType = 0;
    std::uint16_t colorMapFirstEntry = 0;
    std::uint16_t colorMapLength = 0;
    std::uint8_t colorMapEntrySize = 0;
    std::uint16_t xOrigin = 0;
    std::uint16_t yOrigin = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t pixelDepth = 0;
    std::uint8_t imageDescriptor = 0;
};

// Reads the header from the start of a file. Bytes past the end of a short input read as 0, so
// an empty file has image type 0.
TargaHeader ParseTargaHeader(std::span<const std::uint8_t> first);

// Image type first (only uncompressed true-colour), then pixel depth (24 or 32 bits).
TargaError CheckTargaHeader(const TargaHeader& header);

// Byte offset of the pixel data: past the header, the image ID field and any colour map.
std::uint64_t TargaPixelOffset(const TargaHeader& header);

// Bytes of pixel data a complete file holds. Meaningful once CheckTargaHeader passed.
std::uint64_t TargaPixelBytes(const TargaHeader& header);

// Bytes of the decoded 32-bit image.
std::uint64_t TargaImageBytes(const TargaHeader& header);

// Widens the pixel data of a header that passed CheckTargaHeader into out, which holds
// width × height pixels, top row first. Each pixel is blue | green << 8 | red << 16 | fourth << 24;
// the fourth byte is the file's attribute byte at 32 bits and 0 at 24 bits. The file's origin
// bits are honoured, so bottom-up and right-to-left files come out upright. Pixel data shorter
// than TargaPixelBytes (a file that ends early) read as 0 where they are missing.
void DecodeTargaPixels(const TargaHeader& header, std::span<const std::uint8_t> pixelData,
                       std::uint32_t* out);

// Whether a path goes to the Targa reader: its last three characters are "tga" in any case,
// with or without a dot before them.
bool IsTargaPath(std::string_view path);
