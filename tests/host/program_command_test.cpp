#include "model/program_command.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramCommandTest, TheFirstWordNamesTheProgramWhateverItsCaseOrSlashes) {
    constexpr char kProgram[] = "C:\\Program Files\\Zentrix\\Zentrix.exe";
    EXPECT_EQ(QuotedCommand(kProgram), "\"C:\\Program Files\\Zentrix\\Zentrix.exe\"");
    EXPECT_TRUE(StartsProgram(QuotedCommand(kProgram), kProgram));
    EXPECT_TRUE(StartsProgram("\"c:/program files/zentrix/ZENTRIX.EXE\" /quiet", kProgram));
    EXPECT_TRUE(StartsProgram("C:\\Tools\\Zentrix.exe", "c:\\tools\\zentrix.exe"));
    // Unquoted, as a hand-written value may be: Windows tries the words up to each blank.
    EXPECT_TRUE(StartsProgram("C:\\Program Files\\Zentrix\\Zentrix.exe", kProgram));
    EXPECT_TRUE(StartsProgram(" c:/program files/zentrix/zentrix.exe /quiet", kProgram));
    // Another copy, or a path the program's only begins with, is not this program.
    EXPECT_FALSE(StartsProgram("\"D:\\Zentrix\\Zentrix.exe\"", kProgram));
    EXPECT_FALSE(StartsProgram("\"C:\\Program Files\\Zentrix\\Zentrix.exe.old\"", kProgram));
    EXPECT_FALSE(StartsProgram("C:\\Program Files\\Zentrix\\Zentrix.exe.old", kProgram));
    EXPECT_FALSE(StartsProgram("C:\\Program Files\\Zentrix", kProgram));
    EXPECT_FALSE(StartsProgram("", ""));
}

}  // namespace
