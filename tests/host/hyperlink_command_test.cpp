#include "about/hyperlink_command.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::string_view kUrl = "http://zentrix.example.org/";

bool SingleByte(unsigned char) {
    return false;
}

// A double-byte code page in which 0x81 opens a two-byte character.
bool LeadByte81(unsigned char c) {
    return c == 0x81;
}

std::string Build(std::string_view openCommand, LeadBytePredicate isLeadByte = SingleByte) {
    return BuildHyperlinkCommand(openCommand, kUrl, isLeadByte).value_or("<does not fit>");
}

TEST(BuildHyperlinkCommandTest, QuotedPlaceholderEndsTheCommandAtItsOpeningQuote) {
    EXPECT_EQ(Build("\"C:\\Program Files\\Browser\\browser.exe\" \"%1\""),
              "\"C:\\Program Files\\Browser\\browser.exe\"  http://zentrix.example.org/");
    EXPECT_EQ(Build("browser.exe -nohome \"%1\" -new-window"),
              "browser.exe -nohome  http://zentrix.example.org/");
    EXPECT_EQ(Build("browser.exe\"%1\""), "browser.exe http://zentrix.example.org/");
}

TEST(BuildHyperlinkCommandTest, BarePlaceholderEndsTheCommandAtItsPercentSign) {
    EXPECT_EQ(Build("browser.exe %1"), "browser.exe  http://zentrix.example.org/");
    EXPECT_EQ(Build("browser.exe -url=%1 -new"), "browser.exe -url= http://zentrix.example.org/");
    // The quoted form is looked for first, wherever the bare one stands.
    EXPECT_EQ(Build("browser.exe %1 \"%1\""), "browser.exe %1  http://zentrix.example.org/");
}

TEST(BuildHyperlinkCommandTest, CommandWithoutPlaceholderStaysWhole) {
    EXPECT_EQ(Build("browser.exe -nohome"), "browser.exe -nohome http://zentrix.example.org/");
    EXPECT_EQ(Build("browser.exe %2 \"%\"1"), "browser.exe %2 \"%\"1 http://zentrix.example.org/");
    EXPECT_EQ(Build(""), " http://zentrix.example.org/");
}

TEST(BuildHyperlinkCommandTest, PlaceholderInsideATwoByteCharacterIsNotMatched) {
    // "\x81%" is one character, so the first %1 is not a placeholder.
    EXPECT_EQ(Build("app\x81%1 %1", LeadByte81), "app\x81%1  http://zentrix.example.org/");
    EXPECT_EQ(Build("app\x81%1 %1", SingleByte), "app\x81 http://zentrix.example.org/");
    // Here the opening quote is the second byte of a character; the bare %1 after it counts.
    EXPECT_EQ(Build("app \x81\"%1\"", LeadByte81), "app \x81\" http://zentrix.example.org/");
}

TEST(BuildHyperlinkCommandTest, CommandLineMustFitItsBufferWithTheTerminator) {
    const std::string openCommand = std::string(300, 'b') + " %1";
    const std::size_t kept = 301;  // the program and the blank before the placeholder
    const std::size_t longestUrl = kHyperlinkCommandCapacity - 1 - kept - 1;

    const std::string fitting(longestUrl, 'u');
    const std::optional<std::string> built =
        BuildHyperlinkCommand(openCommand, fitting, SingleByte);
    ASSERT_TRUE(built.has_value());
    EXPECT_EQ(built->size(), kHyperlinkCommandCapacity - 1);
    EXPECT_EQ(built->substr(kept), " " + fitting);

    EXPECT_FALSE(BuildHyperlinkCommand(openCommand, fitting + "u", SingleByte).has_value());
    // What counts is the command that remains, not the registered one.
    EXPECT_TRUE(BuildHyperlinkCommand(openCommand + std::string(400, 'x'), fitting, SingleByte)
                    .has_value());
    EXPECT_FALSE(BuildHyperlinkCommand(std::string(600, 'b'), "u", SingleByte).has_value());
}

}  // namespace
