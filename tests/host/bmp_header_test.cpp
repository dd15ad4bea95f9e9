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
        for (std::size_t i = 0; i < size; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
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

TEST(ImageLimitsTest, SidesFromOneToTheCap) {
    EXPECT_TRUE(IsAcceptableImageSize(1, 1));
    EXPECT_TRUE(IsAcceptableImageSize(kMaxImageSide, kMaxImageSide));
    EXPECT_FALSE(IsAcceptableImageSize(kMaxImageSide + 1, 1));
    EXPECT_FALSE(IsAcceptableImageSize(1, 0));
    EXPECT_FALSE(IsAcceptableImageSize(-5, 10));
    EXPECT_FALSE(IsAcceptableImageSize(0x80000000LL, 1));
}

}  // namespace
