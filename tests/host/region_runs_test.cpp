#include "image/region_runs.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

constexpr ColorValue kKey = MakeColorValue(255, 0, 255);
constexpr std::uint32_t kKeyPixel = PixelOfColor(kKey, 0);
constexpr std::uint32_t kInk = PixelOfColor(MakeColorValue(10, 20, 30), 0);

// Rows drawn as text: '.' is a key pixel, anything else is not.
std::vector<std::uint32_t> Picture(const std::vector<std::string>& rows) {
    std::vector<std::uint32_t> pixels;
    for (const std::string& row : rows)
        for (char c : row)
            pixels.push_back(c == '.' ? kKeyPixel : kInk);
    return pixels;
}

std::vector<RegionBand> Bands(const std::vector<std::string>& rows) {
    const std::vector<std::uint32_t> pixels = Picture(rows);
    return KeyedRegionBands(
        {pixels.data(), static_cast<int>(rows[0].size()), static_cast<int>(rows.size())}, kKey);
}

// Every pixel covered by the bands, back as text, for comparing with the picture.
std::vector<std::string> Covered(const std::vector<RegionBand>& bands, int width, int height) {
    std::vector<std::string> rows(height, std::string(width, '.'));
    for (const RegionBand& band : bands)
        for (int y = band.top; y < band.bottom; ++y)
            for (const PixelRun& run : band.runs)
                for (int x = run.left; x < run.right; ++x)
                    rows[y][x] = '#';
    return rows;
}

TEST(RegionRunsTest, RunsEndAtKeyPixelsAndIncludeTheLastColumn) {
    const auto bands = Bands({".##.#"});
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].runs, (std::vector<PixelRun>{{1, 3}, {4, 5}}));
}

TEST(RegionRunsTest, RunsNeverCarryIntoTheNextRow) {
    const auto bands = Bands({"....#", "#####", "#...."});
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0].runs, (std::vector<PixelRun>{{4, 5}}));
    EXPECT_EQ(bands[1].runs, (std::vector<PixelRun>{{0, 5}}));
    EXPECT_EQ(bands[2].runs, (std::vector<PixelRun>{{0, 1}}));
}

TEST(RegionRunsTest, IdenticalRowsShareABandAndEmptyRowsBreakIt) {
    const auto bands = Bands({"#.#", "#.#", "...", "#.#", "###", "###"});
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0].top, 0);
    EXPECT_EQ(bands[0].bottom, 2);
    EXPECT_EQ(bands[1].top, 3);
    EXPECT_EQ(bands[1].bottom, 4);
    EXPECT_EQ(bands[2].top, 4);
    EXPECT_EQ(bands[2].bottom, 6);
}

TEST(RegionRunsTest, WholeAndEmptyImages) {
    const auto full = Bands({"###", "###"});
    ASSERT_EQ(full.size(), 1u);
    EXPECT_EQ(full[0].bottom, 2);
    EXPECT_EQ(full[0].runs, (std::vector<PixelRun>{{0, 3}}));
    EXPECT_TRUE(Bands({"...", "..."}).empty());
    EXPECT_TRUE(KeyedRegionBands({nullptr, 0, 0}, kKey).empty());
}

TEST(RegionRunsTest, OnePixelWideImageGivesOneRunPerInkedPixel) {
    const auto bands = Bands({"#", ".", "#", "#"});
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[1].top, 2);
    EXPECT_EQ(bands[1].bottom, 4);
}

TEST(RegionRunsTest, TheFourthByteDoesNotMatter) {
    std::vector<std::uint32_t> pixels{PixelOfColor(kKey, 0x80), kInk | 0xFF000000u};
    const auto bands = KeyedRegionBands({pixels.data(), 2, 1}, kKey);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].runs, (std::vector<PixelRun>{{1, 2}}));
}

TEST(RegionRunsTest, CoversExactlyTheNonKeyPixelsOfRandomImages) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        const int width = 1 + static_cast<int>(random() % 40);
        const int height = 1 + static_cast<int>(random() % 30);
        std::vector<std::string> rows(height, std::string(width, '.'));
        for (std::string& row : rows)
            for (char& c : row)
                c = random() % 3 == 0 ? '.' : '#';
        if (round % 2)
            rows[height / 2] = rows[0];  // some repeated rows
        EXPECT_EQ(Covered(Bands(rows), width, height), rows);
    }
}

}  // namespace
