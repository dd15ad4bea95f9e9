#include "skin/skin_lint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/skin_files.h"

namespace {

SkinConfig ConfigOf(std::string_view text) {
    SkinConfig config;
    config.LoadBytes(text);
    return config;
}

std::vector<int> FindingLines(std::string_view text) {
    std::vector<int> lines;
    for (const LintFinding& finding : LintSkinConfig(ConfigOf(text)))
        lines.push_back(finding.line);
    return lines;
}

// The one finding `text` gives, which must mention `words`.
void ExpectOneFinding(std::string_view text, int line, std::string_view words) {
    const std::vector<LintFinding> findings = LintSkinConfig(ConfigOf(text));
    ASSERT_EQ(findings.size(), 1u) << text;
    EXPECT_EQ(findings[0].line, line) << text;
    EXPECT_NE(findings[0].message.find(words), std::string::npos)
        << text << " gave: " << findings[0].message;
}

TEST(SkinLintTest, AConfigTheReaderTakesAsWrittenHasNoFindings) {
    const std::string sound =
        "[Transparency]\r\nR=0\r\nG=255\r\nB=0\r\n\r\n[Bitmaps]\r\nBackground=back\r\n"
        "Trans=1\r\n[Digits]\r\nR=1\r\nG=2\r\nB=3\r\n";
    EXPECT_TRUE(LintSkinConfig(ConfigOf(sound)).empty());
    // Prose and blank lines are ignored by the reader, and by the lint too.
    EXPECT_TRUE(
        LintSkinConfig(ConfigOf("made by me = you\n\n; a note\n[Bitmaps]\nTrans=1")).empty());
    EXPECT_TRUE(LintSkinConfig(ConfigOf("")).empty());
}

TEST(SkinLintTest, EveryFindingIsALineTheReaderIgnores) {
    // Each finding's key is one the reader does not find, and each key it does find is sound.
    const std::string text =
        "R=1\n[transparency]\nG=2\n[Transparency]\nB =3\n R=4\nG=5\nG=6\n[Bitmaps]\nR=7\n"
        "trans=1\n[Transparency]\nB=8\n";
    SkinConfig config = ConfigOf(text);
    int green = 0;
    ASSERT_TRUE(config.GetInt("Transparency", "G", green));
    EXPECT_EQ(green, 5);
    int value = 0;
    EXPECT_FALSE(config.GetInt("Transparency", "B", value));
    EXPECT_FALSE(config.GetInt("Transparency", "R", value));
    EXPECT_FALSE(config.GetInt("Bitmaps", "Trans", value));
    EXPECT_EQ(FindingLines(text), (std::vector<int>{1, 2, 3, 5, 6, 8, 10, 11, 12, 13}));
}

TEST(SkinLintTest, SectionsThatAreNotRead) {
    ExpectOneFinding("[bitmaps]\n", 1, "case-sensitive");
    ExpectOneFinding("[ Bitmaps ]\n", 1, "no spaces inside the brackets");
    ExpectOneFinding("[Colours]\n", 1, "unknown section [Colours]");
    ExpectOneFinding("[Bitmaps]\nTrans=1\n[Bitmaps]\n", 3, "only the first one, on line 1");
    // A header with spaces around it is no header at all: it does not end the section above,
    // so the key below it is still read.
    ExpectOneFinding("[Bitmaps]\n [Digits]\nTrans=1\n", 2, "looks like a header");
    ExpectOneFinding("[Bitmaps]\n[Digits] \n", 2, "looks like a header");
    ExpectOneFinding("[Bitmaps]\n[]\n", 2, "looks like a header");
}

TEST(SkinLintTest, AByteOrderMarkHidesTheFirstHeaderAndItsKeys) {
    const std::string text = "\xEF\xBB\xBF[Transparency]\r\nR=0\r\n[Bitmaps]\r\nTrans=1\r\n";
    const std::vector<LintFinding> findings = LintSkinConfig(ConfigOf(text));
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].line, 1);
    EXPECT_NE(findings[0].message.find("hides the header [Transparency]"), std::string::npos);
    EXPECT_EQ(findings[1].line, 2);
    EXPECT_NE(findings[1].message.find("byte-order mark hides"), std::string::npos);
    // Before an ordinary line the mark is reported alone.
    ExpectOneFinding("\xEF\xBB\xBF\n[Bitmaps]\n", 1, "byte-order mark");
}

TEST(SkinLintTest, KeysThatAreNotRead) {
    ExpectOneFinding("Trans=1\n[Bitmaps]\n", 1, "before any section header");
    ExpectOneFinding("[Bitmaps]\nTrans =1\n", 2, "spaces before \"=\"");
    ExpectOneFinding("[Bitmaps]\n\tTrans=1\n", 2, "spaces before the key");
    ExpectOneFinding("[Bitmaps]\nBACKGROUND=x\n", 2, "not \"Background=\"");
    ExpectOneFinding("[Bitmaps]\nG=1\n", 2, "belongs under [Transparency] or [Digits]");
    ExpectOneFinding("[Digits]\nTrans=1\n", 2, "belongs under [Bitmaps]");
    ExpectOneFinding("[Bitmaps]\nShadow=1\n", 2, "unknown key \"Shadow=\"");
    ExpectOneFinding("[Bitmaps]\nTrans=1\nTrans=0\n", 3, "on line 2, wins");
    EXPECT_EQ(FindingLines("[Bitmaps]\n[Bitmaps]\nTrans=1\n"), (std::vector<int>{2, 3}));
    EXPECT_EQ(FindingLines("[colours]\nR=1\n"), (std::vector<int>{1, 2}));
}

TEST(SkinLintTest, LinesSplitByTheReaderAreCountedAsTheReaderCountsThem) {
    // A 1030-character line is read as two lines; findings name the reader's line numbers.
    const std::string text = "[Bitmaps]\n" + std::string(1022, 'x') + "Trans =1\n";
    EXPECT_EQ(FindingLines(text), (std::vector<int>{3}));
}

TEST(SkinValuesTest, DefaultsStandForWhatTheConfigLeavesOut) {
    const SkinValues none = ReadSkinValues(ConfigOf(""));
    EXPECT_EQ(none.red, 255);
    EXPECT_EQ(none.green, 0);
    EXPECT_EQ(none.blue, 255);
    EXPECT_EQ(none.background, "back");
    EXPECT_EQ(none.trans, 0);

    const SkinValues some =
        ReadSkinValues(ConfigOf("[Transparency]\nG=12ab\n[Bitmaps]\nBackground=\nTrans=x\n"));
    EXPECT_EQ(some.red, 255);
    EXPECT_EQ(some.green, 12);
    EXPECT_EQ(some.background, "");
    EXPECT_EQ(some.trans, 0);
}

// The label's area takes all four keys, in range; its colour all three.
TEST(SkinValuesTest, ALabelAreaAndColourOnlyWhenWholeAndInRange) {
    const SkinValues whole =
        ReadSkinValues(ConfigOf("[Label]\nX=4\nY=50\nWidth=200\nHeight=12\nR=1\nG=2\nB=3\n"));
    EXPECT_EQ(whole.labelArea, (Rect{4, 50, 204, 62}));
    EXPECT_EQ(whole.labelColour, MakeColorValue(1, 2, 3));
    for (const char* broken :
         {"[Label]\nX=4\nY=50\nWidth=200\nR=1\nG=2\n", "[Label]\nX=-1\nY=0\nWidth=2\nHeight=2\n",
          "[Label]\nX=2147483647\nY=0\nWidth=2147483647\nHeight=2\n"}) {
        const SkinValues values = ReadSkinValues(ConfigOf(broken));
        EXPECT_EQ(values.labelArea, std::nullopt) << broken;
        EXPECT_EQ(values.labelColour, std::nullopt) << broken;
    }
}

TEST(SkinValuesTest, PathsAreJoinedLiterallyWithABackslash) {
    EXPECT_EQ(SkinConfigPath("100%s"), "100%s\\config.ini");
    EXPECT_EQ(SkinImagePath("a b", "sub\\back"), "a b\\sub\\back.bmp");
    EXPECT_EQ(SkinImagePath("n", ""), "n\\.bmp");
    EXPECT_EQ(GlyphPath("n", 10), "n\\10.bmp");
    EXPECT_EQ(GlyphPath("n", 0), "n\\0.bmp");
}

TEST(SkinValuesTest, ASkinNameIsAFolderLookedUpInTheSkinPlacesNotAPathOfItsOwn) {
    for (const char* name : {"back2", "my skin", "sub\\skin", "a.b", ".hidden"})
        EXPECT_TRUE(IsSkinName(name)) << name;
    for (const char* name :
         {"", "C:\\skins\\back2", "C:back2", "\\back2", "/back2", "\\\\server\\share\\back2",
          "//server/share/back2", "..", "..\\back2", "skins/../../back2", "back2\\..", "a..b"})
        EXPECT_FALSE(IsSkinName(name)) << name;
}

}  // namespace
