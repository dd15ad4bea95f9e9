#include "image/bmp_encoder.h"

#include <gtest/gtest.h>

#include "image/bmp_header.h"

namespace {

TEST(BmpEncoderTest, WritesTopDownPixelsAsABottomUp24BitFile) {
    // 3 x 2: each row of 9 bytes is padded to 12.
    const std::uint32_t pixels[] = {0xFF010203, 0, 0, 0x00A0B0C0, 0, 0x00112233};
    const std::vector<std::uint8_t> file = EncodeBmp24({pixels, 3, 2});
    ASSERT_EQ(file.size(), kBmpLayoutBytes + 24);
    ASSERT_TRUE(IsCompleteBmp(std::span(file).first(kBmpLayoutBytes), file.size()));
    const std::optional<BmpLayout> layout = ReadBmpLayout(file);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->dimensions.width, 3);
    EXPECT_EQ(layout->dimensions.height, 2);
    EXPECT_FALSE(layout->dimensions.topDown);
    EXPECT_EQ(layout->dimensions.bitsPerPixel, 24);
    EXPECT_EQ(layout->compression, BmpCompression::Rgb);
    EXPECT_EQ(layout->dataOffset, kBmpLayoutBytes);
    EXPECT_EQ(layout->dataBytes, 24u);

    const std::vector<std::uint8_t> bottomRow(file.begin() + kBmpLayoutBytes,
                                              file.begin() + kBmpLayoutBytes + 12);
    EXPECT_EQ(bottomRow,
              (std::vector<std::uint8_t>{0xC0, 0xB0, 0xA0, 0, 0, 0, 0x33, 0x22, 0x11, 0, 0, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(file.end() - 12, file.end() - 9),
              (std::vector<std::uint8_t>{0x03, 0x02, 0x01}));  // the fourth byte is left out
}

}  // namespace
