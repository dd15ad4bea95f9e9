#include "skin/skin_config.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

class SkinConfigTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::mt19937_64 random(std::random_device{}() ^
                               std::chrono::steady_clock::now().time_since_epoch().count());
        do {
            directory =
                fs::temp_directory_path() / ("skin_config_test_" + std::to_string(random()));
        } while (!fs::create_directory(directory));
    }

    void TearDown() override { fs::remove_all(directory); }

    std::string PathOf(const std::string& name) const { return (directory / name).string(); }

    // Writes `bytes` exactly as given and loads them into `config`.
    void Load(const std::string& bytes) {
        std::string path = PathOf("config.ini");
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            ASSERT_TRUE(out.good());
        }
        ASSERT_TRUE(config.LoadFile(path));
    }

    std::string Get(const std::string& section, const std::string& key) const {
        std::string value = "<untouched>";
        config.GetString(section, key, value);
        return value;
    }

    fs::path directory;
    SkinConfig config;
};

// A string of `length` characters that differ along the line, so a misplaced split shows.
std::string Pattern(size_t length, size_t offset = 0) {
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text.push_back(static_cast<char>('a' + (offset + i) % 26));
    return text;
}

TEST_F(SkinConfigTest, LineBreaksFollowTextModeRules) {
    Load("A\r\nB\r\n");
    EXPECT_EQ(config.lines, (Lines{"A", "B", ""}));
    Load("A\r\nB");
    EXPECT_EQ(config.lines, (Lines{"A", "B"}));
    Load("A\nB\n");
    EXPECT_EQ(config.lines, (Lines{"A", "B", ""}));
    // Only a CR directly before an LF belongs to the line break.
    Load("A\rB\r\n\r\r\nC\r");
    EXPECT_EQ(config.lines, (Lines{"A\rB", "\r", "C\r"}));
    Load("");
    EXPECT_EQ(config.lines, (Lines{""}));
}

TEST_F(SkinConfigTest, CtrlZEndsTheFile) {
    Load("[skin]\r\nBack=a\x1A\r\nTrans=1\r\n");
    EXPECT_EQ(config.lines, (Lines{"[skin]", "Back=a"}));
    Load(
        "A\r\n\x1A"
        "B");
    EXPECT_EQ(config.lines, (Lines{"A", ""}));
    Load("A\r\x1A\n");
    EXPECT_EQ(config.lines, (Lines{"A\r"}));
}

TEST_F(SkinConfigTest, ReadsTakeAtMost1022Characters) {
    Load(Pattern(2000) + "\r\n");
    EXPECT_EQ(config.lines, (Lines{Pattern(1022), Pattern(978, 1022), ""}));
    Load(Pattern(1022) + "\r\n");
    EXPECT_EQ(config.lines, (Lines{Pattern(1022), "", ""}));
    Load(Pattern(1022));
    EXPECT_EQ(config.lines, (Lines{Pattern(1022), ""}));
    Load(Pattern(1021) + "\n");
    EXPECT_EQ(config.lines, (Lines{Pattern(1021), ""}));
    // A CR LF counts as the one LF it reads as.
    Load(Pattern(1021) + "\r\n");
    EXPECT_EQ(config.lines, (Lines{Pattern(1021), ""}));

    // The tail of a long line is a line of its own, and can be a key.
    Load("[skin]\r\n" + std::string(1022, ' ') + "Trans=1\r\n");
    EXPECT_EQ(Get("skin", "Trans"), "1");
}

TEST_F(SkinConfigTest, ZeroByteEndsTheKeptText) {
    Load("[skin]\r\nBack=bg\0.bmp\r\nTrans=1\r\n"s);
    EXPECT_EQ(config.lines, (Lines{"[skin]", "Back=bg", "Trans=1", ""}));
    EXPECT_EQ(Get("skin", "Trans"), "1");

    // What follows the zero byte is still read and counts towards the 1022 characters.
    Load("0123456789\0"s + Pattern(1500) + "\n");
    EXPECT_EQ(config.lines, (Lines{"0123456789", Pattern(489, 1011), ""}));
}

TEST_F(SkinConfigTest, MissingFileGivesNoLinesAndIsNotCreated) {
    Load("[skin]\r\nBack=a\r\n");
    std::string missing = PathOf("absent.ini");
    EXPECT_TRUE(config.LoadFile(missing));
    EXPECT_TRUE(config.lines.empty());
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(Get("skin", "Back"), "<untouched>");

    EXPECT_TRUE(config.LoadFile(PathOf("no_such_folder/config.ini")));
    EXPECT_TRUE(config.lines.empty());
}

TEST_F(SkinConfigTest, LinesAreKeptVerbatim) {
    Load("  [skin]\t\r\n; comment\r\n\r\nBack = x \r\n");
    EXPECT_EQ(config.lines, (Lines{"  [skin]\t", "; comment", "", "Back = x ", ""}));
    EXPECT_EQ(config.LineAt(0), "  [skin]\t");
    EXPECT_EQ(config.LineAt(3), "Back = x ");
    EXPECT_EQ(config.LineAt(-1), "");
    EXPECT_EQ(config.LineAt(5), "");
}

TEST_F(SkinConfigTest, HeadersMatchExactly) {
    Load(
        "[skin] \r\n"
        " [skin]\r\n"
        "[ skin]\r\n"
        "[skin ]\r\n"
        "[Skin]\r\n"
        "Back=upper\r\n"
        "[skin]\r\n"
        "Back=lower\r\n");
    EXPECT_EQ(config.FindSection("skin"), 6);
    EXPECT_EQ(config.FindSection("Skin"), 4);
    EXPECT_EQ(config.FindSection("SKIN"), -1);
    EXPECT_EQ(config.FindSection("skin "), 3);
    EXPECT_EQ(Get("skin", "Back"), "lower");
    EXPECT_EQ(Get("Skin", "Back"), "upper");
    EXPECT_EQ(Get("Skin", "back"), "<untouched>");
}

TEST_F(SkinConfigTest, HeaderShapeEndsASection) {
    Load("[]\r\n[a]\r\n]a[\r\n[a] \r\n[x]y]\r\n[\r\n");
    std::vector<bool> headers;
    for (int i = -1; i <= static_cast<int>(config.lines.size()); ++i) {
        headers.push_back(config.IsSectionLine(i));
    }
    EXPECT_EQ(headers,
              (std::vector<bool>{false, false, true, false, false, true, false, false, false}));

    Load("[skin]\r\n[]\r\nBack=after_empty_brackets\r\n[a]\r\nTrans=1\r\n");
    EXPECT_EQ(Get("skin", "Back"), "after_empty_brackets");
    EXPECT_EQ(Get("skin", "Trans"), "<untouched>");
    EXPECT_EQ(Get("a", "Trans"), "1");
}

TEST_F(SkinConfigTest, KeyLinesMatchByPrefix) {
    Load(
        "[skin]\r\n"
        "Back =spaced\r\n"
        " Trans=1\r\n"
        "Backs=longer\r\n"
        "Ba\r\n"
        "Back= lead\r\n"
        "Back=second\r\n"
        "Name=a=b \r\n"
        "Empty=\r\n");
    EXPECT_EQ(Get("skin", "Back"), " lead");
    EXPECT_EQ(Get("skin", "Back "), "spaced");
    EXPECT_EQ(Get("skin", "Trans"), "<untouched>");
    EXPECT_EQ(Get("skin", "Name"), "a=b ");

    std::string value = "<untouched>";
    EXPECT_TRUE(config.GetString("skin", "Empty", value));
    EXPECT_EQ(value, "");
    int number = 42;
    EXPECT_TRUE(config.GetInt("skin", "Empty", number));
    EXPECT_EQ(number, 0);

    EXPECT_EQ(config.FindKey(0, "Back", value), -1);  // the header itself stops the scan
    EXPECT_EQ(config.FindKey(1, "Back", value), 5);
    EXPECT_EQ(config.FindKey(6, "Back", value), 6);
    EXPECT_EQ(value, "second");
    EXPECT_EQ(config.FindKey(7, "Back", value), -1);
    EXPECT_EQ(value, "second");
}

TEST_F(SkinConfigTest, OnlyTheFirstSectionCopyCounts) {
    Load(
        "Trans=0\r\n"
        "[skin]\r\n"
        "Back=first\r\n"
        "[other]\r\n"
        "Trans=1\r\n"
        "[skin]\r\n"
        "Back=second\r\n"
        "Colour=255\r\n");
    EXPECT_EQ(Get("skin", "Back"), "first");
    EXPECT_EQ(Get("skin", "Trans"), "<untouched>");
    EXPECT_EQ(Get("skin", "Colour"), "<untouched>");
    // A scan from before the first line starts at the first line.
    std::string value;
    EXPECT_EQ(config.FindKey(-3, "Trans", value), 0);
    EXPECT_EQ(value, "0");
    int number = 42;
    EXPECT_FALSE(config.GetInt("skin", "Colour", number));
    EXPECT_EQ(number, 42);
    EXPECT_FALSE(config.GetInt("nowhere", "Back", number));
    EXPECT_EQ(number, 42);
}

TEST_F(SkinConfigTest, ByteOrderMarkHidesAFirstLineHeader) {
    Load("\xEF\xBB\xBF[skin]\r\nBack=a\r\n[more]\r\nBack=b\r\n");
    EXPECT_EQ(config.FindSection("skin"), -1);
    EXPECT_EQ(Get("skin", "Back"), "<untouched>");
    EXPECT_EQ(Get("more", "Back"), "b");
}

TEST_F(SkinConfigTest, NumbersAreReadLikeAtoi) {
    struct Case {
        std::string text;
        int expected;
    };
    const std::vector<Case> cases = {
        {"12ab", 12},
        {"ab", 0},
        {" 7", 7},
        {"\t\v\f\r 8", 8},
        {"-3", -3},
        {"+4", 4},
        {"007", 7},
        {"+-4", 0},
        {"- 4", 0},
        {"1 2", 1},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        // Out of range wraps modulo 2^32: 2^31, 2^32 + 7 and 2^32 * 10^12 + 7.
        {"2147483648", INT_MIN},
        {"4294967303", 7},
        {"-4294967303", -7},
        {"4294967296000000000007", 7},
    };
    std::string file = "[n]\n";
    for (size_t i = 0; i < cases.size(); ++i) {
        file += "k" + std::to_string(i) + "=" + cases[i].text + "\n";
    }
    Load(file);
    for (size_t i = 0; i < cases.size(); ++i) {
        int number = 42;
        EXPECT_TRUE(config.GetInt("n", "k" + std::to_string(i), number)) << cases[i].text;
        EXPECT_EQ(number, cases[i].expected) << cases[i].text;
    }
}

TEST_F(SkinConfigTest, ReadingStopsAtTheLineCap) {
    std::string file;
    for (int i = 0; i < SkinConfig::kMaxLines + 5; ++i)
        file += "L" + std::to_string(i) + "\r\n";
    Load(file);
    ASSERT_EQ(config.lines.size(), static_cast<size_t>(SkinConfig::kMaxLines));
    EXPECT_EQ(config.lines.back(), "L" + std::to_string(SkinConfig::kMaxLines - 1));

    // One endless physical line costs no more than the cap's worth of full reads.
    Load(std::string(static_cast<size_t>(SkinConfig::kMaxLines + 3) * 1022, 'x'));
    ASSERT_EQ(config.lines.size(), static_cast<size_t>(SkinConfig::kMaxLines));
    EXPECT_EQ(config.lines.back(), std::string(1022, 'x'));

    // So nothing past kMaxFileBytes is read, even where each line is as long as a read takes.
    std::string longest;
    while (longest.size() <= SkinConfig::kMaxFileBytes)
        longest += Pattern(1021) + "\r\n";
    Load(longest);
    const Lines whole = config.lines;
    config.LoadBytes(std::string_view(longest).substr(0, SkinConfig::kMaxFileBytes));
    EXPECT_EQ(config.lines, whole);
}

TEST_F(SkinConfigTest, EachLoadReplacesTheLines) {
    Load("[skin]\r\nBack=a\r\n");
    Load("[other]\r\n");
    EXPECT_EQ(config.lines, (Lines{"[other]", ""}));
    EXPECT_EQ(Get("skin", "Back"), "<untouched>");
    config.Clear();
    EXPECT_TRUE(config.lines.empty());
    EXPECT_EQ(config.FindSection("other"), -1);
}

TEST_F(SkinConfigTest, BytesInMemoryReadAsTheSameFileWould) {
    std::string manyLines;
    for (int i = 0; i < SkinConfig::kMaxLines + 2; ++i)
        manyLines += "\r\n";
    const std::vector<std::string> inputs = {
        "",
        "\r",
        "\x1A",
        "A\r\nB",
        "A\r\nB\r\n",
        "A\rB\r\r\nC\r",
        "A\r\x1A\n",
        "\xFF\xFE=\x80\r\n",
        "[skin]\r\nBack=bg\0.bmp\r\n\0\r\nTrans=1"s,
        Pattern(1021) + "\r\n" + Pattern(2100) + "\r",
        manyLines,
    };
    SkinConfig fromMemory;
    for (const std::string& bytes : inputs) {
        fromMemory.LoadBytes("[stale]\r\nBack=old\r\n");
        fromMemory.LoadBytes(bytes);
        Load(bytes);
        EXPECT_EQ(fromMemory.lines, config.lines) << testing::PrintToString(bytes);
    }
}

}  // namespace
