#include "image/targa_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using PixelBytes = std::array<std::uint8_t, 4>;

// The header fields a test varies; the ID field and colour map are written between header and
// pixels as given.
struct TargaFile {
    std::uint8_t imageType = 2;
    std::uint8_t pixelDepth = 24;
    std::uint16_t width = 1;
    std::uint16_t height = 1;
    std::uint8_t imageDescriptor = 0;
    Bytes imageId = {};
    std::uint8_t colorMapType = 0;
    std::uint16_t colorMapLength = 0;
    std::uint8_t colorMapEntrySize = 0;
    Bytes colorMap = {};
    Bytes pixels = {};
};

Bytes Encode(const TargaFile& file) {
    auto low = [](std::uint16_t value) { return static_cast<std::uint8_t>(value & 0xFF); };
    auto high = [](std::uint16_t value) { return static_cast<std::uint8_t>(value >> 8); };
    Bytes bytes = {static_cast<std::uint8_t>(file.imageId.size()),
                   file.colorMapType,
                   file.imageType,
                   0,
                   0,
                   low(file.colorMapLength),
                   high(file.colorMapLength),
                   file.colorMapEntrySize,
                   0,
                   0,
                   0,
                   0,
                   low(file.width),
                   high(file.width),
                   low(file.height),
                   high(file.height),
                   file.pixelDepth,
                   file.imageDescriptor};
    for (const Bytes* part : {&file.imageId, &file.colorMap, &file.pixels}) {
        bytes.insert(bytes.end(), part->begin(), part->end());
    }
    return bytes;
}

// Does with a whole file what the platform reader does once the header checks passed. The
// output starts out filled with a marker, so every pixel the decoder leaves alone shows.
std::vector<PixelBytes> DecodeFile(const Bytes& file) {
    const TargaHeader header = ParseTargaHeader(file);
    EXPECT_EQ(CheckTargaHeader(header), TargaError::None);
    const std::size_t offset =
        static_cast<std::size_t>(std::min<std::uint64_t>(TargaPixelOffset(header), file.size()));
    std::vector<std::uint32_t> pixels(std::size_t{header.width} * header.height, 0xA5A5A5A5);
    DecodeTargaPixels(header, std::span(file).subspan(offset), pixels.data());

    std::vector<PixelBytes> memory(pixels.size());
    std::memcpy(memory.data(), pixels.data(), pixels.size() * sizeof(std::uint32_t));
    return memory;
}

TargaError CheckFile(const Bytes& file) {
    return CheckTargaHeader(ParseTargaHeader(file));
}

TEST(TargaDecoder, ChecksImageTypeBeforeDepth) {
    EXPECT_EQ(CheckFile(Encode({.imageType = 10, .pixelDepth = 16})),
              TargaError::ImageTypeNotSupported);
    EXPECT_EQ(CheckFile(Encode({.imageType = 10, .pixelDepth = 24})),
              TargaError::ImageTypeNotSupported);
    EXPECT_EQ(CheckFile({}), TargaError::ImageTypeNotSupported);
    for (std::uint8_t depth : {0, 8, 15, 16, 33}) {
        EXPECT_EQ(CheckFile(Encode({.pixelDepth = depth})), TargaError::BitDepthNotSupported)
            << int{depth};
    }
    EXPECT_EQ(CheckFile(Encode({.pixelDepth = 24})), TargaError::None);
    EXPECT_EQ(CheckFile(Encode({.pixelDepth = 32})), TargaError::None);
}

TEST(TargaDecoder, MessagesForEveryError) {
    EXPECT_EQ(std::string(TargaMessage(TargaError::None)), "");
    EXPECT_EQ(std::string(TargaMessage(TargaError::CouldNotOpen)), "Targa: could not open file");
    EXPECT_EQ(std::string(TargaMessage(TargaError::ImageTypeNotSupported)),
              "Targa: image type not yet supported");
    EXPECT_EQ(std::string(TargaMessage(TargaError::BitDepthNotSupported)),
              "Targa: bit depth not yet supported");
    EXPECT_EQ(std::string(TargaMessage(TargaError::CouldNotCreateDib)),
              "Targa: could not create dib");
    EXPECT_EQ(std::string(TargaMessage(TargaError::NotEnoughMemory)), "Targa: not enough memory");
}

TEST(TargaDecoder, HeaderFieldsAreLittleEndianAtTheirOffsets) {
    Bytes file(20);
    for (std::size_t i = 0; i < file.size(); ++i) {
        file[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    const TargaHeader header = ParseTargaHeader(file);
    EXPECT_EQ(header.idLength, 0xA0);
    EXPECT_EQ(header.colorMapType, 0xA1);
    EXPECT_EQ(header.imageType, 0xA2);
    EXPECT_EQ(header.colorMapFirstEntry, 0xA4A3);
    EXPECT_EQ(header.colorMapLength, 0xA6A5);
    EXPECT_EQ(header.colorMapEntrySize, 0xA7);
    EXPECT_EQ(header.xOrigin, 0xA9A8);
    EXPECT_EQ(header.yOrigin, 0xABAA);
    EXPECT_EQ(header.width, 0xADAC);
    EXPECT_EQ(header.height, 0xAFAE);
    EXPECT_EQ(header.pixelDepth, 0xB0);
    EXPECT_EQ(header.imageDescriptor, 0xB1);

    // Cut inside the width: its low byte is there, everything after reads as 0.
    const TargaHeader cut = ParseTargaHeader(std::span(file).first(13));
    EXPECT_EQ(cut.yOrigin, 0xABAA);
    EXPECT_EQ(cut.width, 0x00AC);
    EXPECT_EQ(cut.height, 0);
    EXPECT_EQ(cut.pixelDepth, 0);
    EXPECT_EQ(cut.imageDescriptor, 0);
}

TEST(TargaDecoder, WidensTwentyFourBitPixelsWithFourthByteZero) {
    const auto pixels = DecodeFile(Encode({.width = 2, .pixels = {0x10, 0x20, 0x30, 1, 2, 3}}));
    EXPECT_EQ(pixels[0], (PixelBytes{0x10, 0x20, 0x30, 0x00}));
    EXPECT_EQ(pixels[1], (PixelBytes{1, 2, 3, 0}));
}

TEST(TargaDecoder, KeepsThirtyTwoBitAttributeByte) {
    const auto pixels = DecodeFile(Encode({.pixelDepth = 32,
                                           .width = 2,
                                           .pixels = {0x10, 0x20, 0x30, 0x7F,  //
                                                      1, 2, 3, 0xFF}}));
    EXPECT_EQ(pixels[0], (PixelBytes{0x10, 0x20, 0x30, 0x7F}));
    EXPECT_EQ(pixels[1], (PixelBytes{1, 2, 3, 0xFF}));
}

TEST(TargaDecoder, SkipsImageIdAndColorMap) {
    const Bytes id(5, 0xEE);
    // 15-bit entries take two bytes each, 24-bit entries three.
    const auto fifteen = DecodeFile(Encode({.imageId = id,
                                            .colorMapType = 1,
                                            .colorMapLength = 3,
                                            .colorMapEntrySize = 15,
                                            .colorMap = Bytes(6, 0xCC),
                                            .pixels = {0x10, 0x20, 0x30}}));
    EXPECT_EQ(fifteen[0], (PixelBytes{0x10, 0x20, 0x30, 0}));
    const auto twentyFour = DecodeFile(Encode({.imageId = id,
                                               .colorMapType = 1,
                                               .colorMapLength = 2,
                                               .colorMapEntrySize = 24,
                                               .colorMap = Bytes(6, 0xCC),
                                               .pixels = {0x10, 0x20, 0x30}}));
    EXPECT_EQ(twentyFour[0], (PixelBytes{0x10, 0x20, 0x30, 0}));

    // Without a colour map the map fields describe nothing to skip.
    EXPECT_EQ(TargaPixelOffset(ParseTargaHeader(
                  Encode({.imageId = id, .colorMapLength = 2, .colorMapEntrySize = 24}))),
              18u + 5u);
}

TEST(TargaDecoder, EveryOriginComesOutUpright) {
    // The upright picture is   a b c
    //                          d e f
    const Bytes a = {1, 2, 3}, b = {4, 5, 6}, c = {7, 8, 9};
    const Bytes d = {10, 11, 12}, e = {13, 14, 15}, f = {16, 17, 18};
    auto rows = [](std::initializer_list<Bytes> pixels) {
        Bytes joined;
        for (const Bytes& pixel : pixels) {
            joined.insert(joined.end(), pixel.begin(), pixel.end());
        }
        return joined;
    };
    const std::vector<PixelBytes> upright = {{1, 2, 3, 0},    {4, 5, 6, 0},    {7, 8, 9, 0},
                                             {10, 11, 12, 0}, {13, 14, 15, 0}, {16, 17, 18, 0}};
    const struct {
        std::uint8_t descriptor;
        Bytes pixels;
    } files[] = {
        {0x00, rows({d, e, f, a, b, c})},  // bottom-up, the format's default
        {0x20, rows({a, b, c, d, e, f})},  // top-down
        {0x10, rows({f, e, d, c, b, a})},  // bottom-up, right to left
        {0x30, rows({c, b, a, f, e, d})},  // top-down, right to left
        {0x08, rows({d, e, f, a, b, c})},  // the attribute-bit count plays no part
    };
    for (const auto& file : files) {
        EXPECT_EQ(DecodeFile(Encode({.width = 3,
                                     .height = 2,
                                     .imageDescriptor = file.descriptor,
                                     .pixels = file.pixels})),
                  upright)
            << "descriptor " << int{file.descriptor};
    }
}

TEST(TargaDecoder, MissingPixelDataReadsAsZero) {
    const std::vector<PixelBytes> twentyFour = DecodeFile(
        Encode({.width = 2, .height = 2, .imageDescriptor = 0x20, .pixels = {1, 2, 3, 4}}));
    EXPECT_EQ(twentyFour, (std::vector<PixelBytes>{{1, 2, 3, 0}, {4, 0, 0, 0}, {}, {}}));

    const std::vector<PixelBytes> thirtyTwo = DecodeFile(Encode({.pixelDepth = 32,
                                                                 .width = 2,
                                                                 .height = 2,
                                                                 .imageDescriptor = 0x20,
                                                                 .pixels = {1, 2, 3, 4, 5}}));
    EXPECT_EQ(thirtyTwo, (std::vector<PixelBytes>{{1, 2, 3, 4}, {5, 0, 0, 0}, {}, {}}));

    // A bottom-up file that stops after its first row leaves the top of the picture empty.
    const std::vector<PixelBytes> bottomUp =
        DecodeFile(Encode({.width = 2, .height = 2, .pixels = {1, 2, 3, 4, 5, 6}}));
    EXPECT_EQ(bottomUp, (std::vector<PixelBytes>{{}, {}, {1, 2, 3, 0}, {4, 5, 6, 0}}));

    // The file ends inside its ID field, before any pixel data.
    Bytes idCut = Encode({.pixelDepth = 32, .width = 2, .imageId = Bytes(10, 0xEE)});
    idCut.resize(20);
    EXPECT_EQ(DecodeFile(idCut), (std::vector<PixelBytes>{{}, {}}));
}

TEST(TargaDecoder, LargestSizesDoNotOverflow) {
    const TargaHeader largest24 =
        ParseTargaHeader(Encode({.pixelDepth = 24, .width = 65535, .height = 65535}));
    EXPECT_EQ(TargaPixelBytes(largest24), 12'884'508'675u);
    EXPECT_EQ(TargaImageBytes(largest24), 17'179'344'900u);
    const TargaHeader largest32 =
        ParseTargaHeader(Encode({.pixelDepth = 32, .width = 65535, .height = 65535}));
    EXPECT_EQ(TargaPixelBytes(largest32), 17'179'344'900u);

    const TargaHeader largestMap = ParseTargaHeader(Encode({.imageId = Bytes(255, 0),
                                                            .colorMapType = 1,
                                                            .colorMapLength = 65535,
                                                            .colorMapEntrySize = 32}));
    EXPECT_EQ(TargaPixelOffset(largestMap), 18u + 255u + 65535u * 4u);
}

}  // namespace

namespace {

TEST(TargaPathTest, LastThreeCharactersChooseTheReader) {
    for (const char* path : {"a.tga", "a.TGA", "skin\\back.Tga", "notga", "tga"})
        EXPECT_TRUE(IsTargaPath(path)) << path;
    for (const char* path : {"a.bmp", "a.png", "ga", "", "a.tg", "a.tgax"})
        EXPECT_FALSE(IsTargaPath(path)) << path;
}

}  // namespace
