#include "image/bmp_header.h"

#include <gtest/gtest.h>

#include <vector>

#include "image/image_limits.h"

namespace {

std::vector<std::uint8_t> Start(std::uint32_t infoSize, std::int32_t width, std::int32_t height) {
    std::vector<std::uint8_t> bytes(kBmpHeaderBytes);
    bytes[0] = 'B';
    bytes[1] = 'M';
    const auto put = [&](std::size_t at, std::uint32_t value, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i)
            bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(14, infoSize, 4);
    if (infoSize == 12) {
        put(18, static_cast<std::uint32_t>(width), 2);
        put(20, static_cast<std::uint32_t>(height), 2);
    } else {
        put(18, static_cast<std::uint32_t>(width), 4);
        put(22, static_cast<std::uint32_t>(height), 4);
    }
    return bytes;
}

TEST(BmpHeaderTest, ReadsTheDeclaredSizeOfEveryHeaderKind) {
    for (std::uint32_t infoSize : {40u, 108u, 124u, 64u}) {
        const auto size = ReadBmpDimensions(Start(infoSize, 200000, -200000));
        ASSERT_TRUE(size.has_value());
        EXPECT_EQ(size->width, 200000);
        EXPECT_EQ(size->height, 200000);  // top-down files declare a negative height
        EXPECT_FALSE(IsAcceptableImageSize(size->width, size->height));
    }
    const auto core = ReadBmpDimensions(Start(12, 640, 480));
    ASSERT_TRUE(core.has_value());
    EXPECT_EQ(core->width, 640);
    EXPECT_TRUE(IsAcceptableImageSize(core->width, core->height));
}

TEST(BmpHeaderTest, WhatIsNotABmpStartIsLeftToTheLoader) {
    EXPECT_FALSE(ReadBmpDimensions({}).has_value());
    auto notBmp = Start(40, 1, 1);
    notBmp[0] = 'X';
    EXPECT_FALSE(ReadBmpDimensions(notBmp).has_value());
    auto shortFile = Start(40, 1, 1);
    shortFile.resize(20);
    EXPECT_FALSE(ReadBmpDimensions(shortFile).has_value());
    EXPECT_FALSE(ReadBmpDimensions(Start(8, 1, 1)).has_value());
}

// A 3 x 2 24-bit file: 14 + 40 header bytes, then two rows of 12 bytes (9 padded to 12).
std::vector<std::uint8_t> Complete24Bit() {
    std::vector<std::uint8_t> bytes = Start(40, 3, 2);
    bytes.resize(54 + 24);
    bytes[10] = 54;  // data offset
    bytes[28] = 24;  // bits per pixel
    return bytes;
}

TEST(BmpHeaderTest, OnlyFilesHoldingAllTheirPixelDataAreComplete) {
    const std::vector<std::uint8_t> file = Complete24Bit();
    EXPECT_TRUE(IsCompleteBmp(std::span(file).first(kBmpLayoutBytes), file.size()));
    EXPECT_FALSE(IsCompleteBmp(std::span(file).first(kBmpLayoutBytes), file.size() - 1));
    EXPECT_FALSE(IsCompleteBmp(std::span(file).first(30), 30));  // cut inside the info header

    std::vector<std::uint8_t> rle = file;
    rle[30] = 1;  // RLE8: the declared data size counts
    rle[34] = 24;
    EXPECT_TRUE(IsCompleteBmp(std::span(rle).first(kBmpLayoutBytes), rle.size()));
    rle[34] = 25;
    EXPECT_FALSE(IsCompleteBmp(std::span(rle).first(kBmpLayoutBytes), rle.size()));
    rle[34] = 0;
    EXPECT_FALSE(IsCompleteBmp(std::span(rle).first(kBmpLayoutBytes), rle.size()));

    std::vector<std::uint8_t> far = file;
    far[13] = 1;  // data offset beyond the end of the file
    EXPECT_FALSE(IsCompleteBmp(std::span(far).first(kBmpLayoutBytes), far.size()));
    std::vector<std::uint8_t> png = file;
    png[30] = 5;  // an embedded PNG is not for this loader
    EXPECT_FALSE(IsCompleteBmp(std::span(png).first(kBmpLayoutBytes), png.size()));
    // A huge declared size cannot overflow the arithmetic into looking complete.
    std::vector<std::uint8_t> huge = Start(40, 0x7FFFFFFF, 0x7FFFFFFF);
    huge.resize(kBmpLayoutBytes);
    huge[28] = 0xFF;  // 65535 bits per pixel
    huge[29] = 0xFF;
    EXPECT_FALSE(IsCompleteBmp(huge, ~std::uint64_t{0}));
}

TEST(ImageLimitsTest, SidesFromOneToTheCapAndNoMorePixelsThanAnEightKScreen) {
    EXPECT_TRUE(IsAcceptableImageSize(1, 1));
    EXPECT_TRUE(IsAcceptableImageSize(kMaxImageSide, 1));
    EXPECT_TRUE(IsAcceptableImageSize(8192, 4096));  // 2^25 pixels
    EXPECT_TRUE(IsAcceptableImageSize(kMaxImageSide, 2048));
    EXPECT_FALSE(IsAcceptableImageSize(8192, 4097));
    EXPECT_FALSE(IsAcceptableImageSize(kMaxImageSide, kMaxImageSide));
    EXPECT_FALSE(IsAcceptableImageSize(kMaxImageSide + 1, 1));
    EXPECT_FALSE(IsAcceptableImageSize(1, 0));
    EXPECT_FALSE(IsAcceptableImageSize(-5, 10));
    EXPECT_FALSE(IsAcceptableImageSize(0x80000000LL, 1));
}

}  // namespace
