#include "about/hyperlink_error.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kHead = "Unable to open hyperlink:\n\n";

TEST(HyperlinkErrorMessageTest, ShellErrorCodesAreExplained) {
    const std::pair<int, const char*> cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30,
         "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
         "being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(HyperlinkErrorMessage(code), kHead + text) << "code " << code;
}

TEST(HyperlinkErrorMessageTest, OtherCodesShowTheirNumber) {
    EXPECT_EQ(HyperlinkErrorMessage(4), kHead + "Unknown Error (4) occurred.");
    EXPECT_EQ(HyperlinkErrorMessage(1), kHead + "Unknown Error (1) occurred.");
    EXPECT_EQ(HyperlinkErrorMessage(-7), kHead + "Unknown Error (-7) occurred.");
    EXPECT_EQ(HyperlinkErrorMessage(1234), kHead + "Unknown Error (1234) occurred.");
}

}  // namespace
