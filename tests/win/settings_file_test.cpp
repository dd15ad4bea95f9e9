#include "settings/clock_settings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <tuple>

#include "tests/win/test_files.h"
#include "win/wide_text.h"

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    const std::string main = folder / "Zentrix.INI";
    const std::string copy = folder / "Zentrix\\Zentrix.INI";
    const SettingsFile settings{main, copy};

    std::string ReadDirectly(const std::string& path, const char* key) {
        char value[64] = {};
        GetPrivateProfileStringA("position", key, "none", value, sizeof value, path.c_str());
        return value;
    }

    static std::string Bytes(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
};

TEST_F(SettingsFileTest, WritesTheMainFileAndMakesNoCopyWhileItCan) {
    EXPECT_TRUE(settings.WriteInt("position", "x", -12));
    EXPECT_EQ(settings.ReadInt("position", "x", 0), -12);
    EXPECT_EQ(GetFileAttributesA(copy.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(settings.ReadString("skin", "name", "back2"), "back2");
}

// A file beside the program keeps the settings alone, though the code page cannot spell its
// folder ("Часы").
TEST_F(SettingsFileTest, AFileBesideTheProgramKeepsTheSettingsAlone) {
    const std::string program = folder / "\xD0\xA7\xD0\xB0\xD1\x81\xD1\x8B";
    CreateDirectoryW(Widen(program).c_str(), nullptr);
    const SettingsFile beside(program + "\\Portable.INI", "");
    ASSERT_TRUE(beside.WriteString("skin", "name", "neon"));
    EXPECT_TRUE(SettingsFile::ForProgram(program, "Portable").WriteInt("position", "x", 7));
    EXPECT_EQ(beside.ReadInt("position", "x", 0), 7);
    EXPECT_EQ(
        SettingsFile::ForProgram(folder / "elsewhere", "Portable").ReadInt("position", "x", 0), 0);
}

// Stands in for a Windows folder the program may not write to: the read-only attribute alone
// does not stop an administrator (or root under Wine), but a folder in the file's place stops
// everybody.
void MakeUnwritable(const std::string& file) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());  // flush the cache
    DeleteFileA(file.c_str());
    CreateDirectoryA(file.c_str(), nullptr);
}

void MakeWritable(const std::string& file) {
    RemoveDirectoryA(file.c_str());
}

TEST_F(SettingsFileTest, AnUnwritableMainFileSendsTheSettingsToTheCopy) {
    ASSERT_TRUE(settings.WriteInt("position", "x", 1));
    MakeUnwritable(main);

    EXPECT_TRUE(settings.WriteInt("position", "x", 2));
    EXPECT_EQ(ReadDirectly(copy, "x"), "2");
    EXPECT_EQ(settings.ReadInt("position", "x", 0), 2);  // the copy is read first

    // Once the copy exists it stays current, even when the main file can be written again.
    MakeWritable(main);
    EXPECT_TRUE(settings.WriteInt("position", "x", 3));
    EXPECT_EQ(settings.ReadInt("position", "x", 0), 3);
    EXPECT_EQ(ReadDirectly(copy, "x"), "3");
}

// Stands in for a main file that fails part-way through a save: every value but "y" lands, in
// the file or in any file whose name begins with its own.
std::wstring partlyFailingFile;
BOOL WINAPI FailYOnTheMainFile(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file) {
    if (std::wstring_view(file).starts_with(partlyFailingFile) && key && std::wstring(key) == L"y")
        return FALSE;
    return WritePrivateProfileStringW(section, key, value, file);
}

// A save cut off part-way leaves the main file as it was, whole. The copy is read first once it
// exists, so it must never hold part of a save.
TEST_F(SettingsFileTest, ASaveThatFailsPartWayLeavesEveryValueInTheCopy) {
    const std::string before = "[position]\r\nx=1\r\ny=2\r\n[skin]\r\nname=back2\r\n";
    folder.Write("Zentrix.INI", before);
    partlyFailingFile = Widen(main);
    const SettingsFile partly(main, copy, FailYOnTheMainFile);
    EXPECT_TRUE(
        partly.Write({{"position", "x", "5"}, {"position", "y", "6"}, {"skin", "name", "neon"}}));
    EXPECT_EQ(ReadDirectly(copy, "x"), "5");
    EXPECT_EQ(ReadDirectly(copy, "y"), "6");
    EXPECT_EQ(partly.ReadString("skin", "name", "back2"), "neon");
    EXPECT_EQ(partly.ReadInt("position", "x", 0), 5);

    EXPECT_EQ(Bytes(main), before);
    // The file and the copy's folder, and nothing a save left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / ""), {}), 2);
}

// Under a Western code page: while it spells every value ("été"), a save leaves the file in it,
// written as before; a value it cannot spell ("Часы") turns the file, or a new one, into UTF-16,
// which the profile functions then keep, losing nothing that was in it.
TEST_F(SettingsFileTest, AValueTheCodePageCannotSpellTurnsTheFileToUnicode) {
    ASSERT_EQ(GetACP(), 1252u);
    const std::string ete = "\xC3\xA9t\xC3\xA9", clock = "\xD0\xA7\xD0\xB0\xD1\x81\xD1\x8B";
    folder.Write("Zentrix.INI", std::string("[skin]\r\nby=\xE9t\xE9\r\n"));
    ASSERT_TRUE(settings.WriteString("skin", "by", settings.ReadString("skin", "by", "") + "!"));
    EXPECT_EQ(Bytes(main), "[skin]\r\nby=\xE9t\xE9!\r\n");

    const SettingsFile fresh(folder / "fresh.INI", "");
    for (const SettingsFile* file : {&settings, &fresh}) {
        ASSERT_TRUE((ClockSettings{.skinName = clock, .position = {6, 7}}.Write(*file)));
        ASSERT_TRUE(file->WriteInt("position", "x", 8));
        const ClockSettings read = ClockSettings::Read(*file);
        EXPECT_EQ(std::pair(read.skinName, read.position), std::pair(clock, Point{8, 7}));
    }
    EXPECT_EQ(settings.ReadString("skin", "by", ""), ete + "!");
    EXPECT_EQ(Bytes(main).substr(0, 2), "\xFF\xFE");
}

// Duplicates that saves cut off in earlier processes left beside the file and its copy go; one
// that a save may be writing right now stays, and so does everything else.
TEST_F(SettingsFileTest, TheLeftoversOfCutOffSavesAreRemoved) {
    const std::tuple<const char*, int, bool> cases[] = {
        // name, minutes untouched, stays
        {"Zentrix.INI", 90, true},         {"Zentrix.INI.1234.new", 90, false},
        {"Zentrix.INI.5678.new", 0, true}, {"Zentrix\\Zentrix.INI.77.new", 2, false},
        {"Other.INI.1.new", 90, true},     {"Zentrix.INI.1234.newer", 90, true}};
    for (const auto& [name, minutes, stays] : cases) {
        folder.Write(name, std::string("[position]\r\nx=1\r\n"));
        std::filesystem::last_write_time(
            folder / name,
            std::filesystem::file_time_type::clock::now() - std::chrono::minutes(minutes));
    }
    settings.RemoveLeftovers();
    for (const auto& [name, minutes, stays] : cases)
        EXPECT_EQ(std::filesystem::exists(folder / name), stays) << name;
}

TEST_F(SettingsFileTest, ValuesThatAreNotNumbersReadAsThePlatformConvertsThem) {
    folder.Write("Zentrix.INI",
                 std::string("[position]\r\nx=12junk\r\ny=abc\r\n[skin]\r\nname=a%sb\r\n"));
    EXPECT_EQ(settings.ReadInt("position", "x", 0), 12);
    EXPECT_EQ(settings.ReadInt("position", "y", 400), 0);
    EXPECT_EQ(settings.ReadString("skin", "name", "back2"), "a%sb");
}

// The clock's keys: defaults for a file that names nothing, a zoom choice kept once made (and
// anything but 1 to 3 read as automatic), the full-screen rule switched off only by "stay".
TEST_F(SettingsFileTest, TheClocksKeysReadTheirDefaultsAndWriteAChosenZoomOnly) {
    const ClockSettings none = ClockSettings::Read(settings);
    EXPECT_EQ(none.skinName, "back2");
    EXPECT_EQ(none.position, (Point{0, 400}));
    EXPECT_FALSE(none.zoomChoice);
    EXPECT_TRUE(none.stepAsideForFullScreen);

    EXPECT_TRUE((ClockSettings{.skinName = "neon", .position = {-5, 7}}.Write(settings)));
    EXPECT_EQ(settings.ReadString("display", "zoom", "unset"), "unset");
    for (const auto& [written, read] : {std::pair{"2", 2}, {"9", 0}, {"x", 0}, {"0", 0}}) {
        settings.WriteString("display", "zoom", written);
        EXPECT_EQ(ClockSettings::Read(settings).zoomChoice, read) << written;
    }
    settings.WriteString("display", "fullscreen", "stay");
    const ClockSettings read = ClockSettings::Read(settings);
    EXPECT_EQ(read.skinName, "neon");
    EXPECT_EQ(read.position, (Point{-5, 7}));
    EXPECT_FALSE(read.stepAsideForFullScreen);
}

// The window's choices: none named reads as an unlocked, solid clock with its icon; each made
// survives a save; an opacity not offered reads as solid, and clicking through keeps the icon.
TEST_F(SettingsFileTest, TheWindowChoicesSurviveASaveAndAnUnknownOpacityReadsSolid) {
    const WindowChoices none = ClockSettings::Read(settings).window;
    EXPECT_EQ(std::tuple(none.Locked(), none.ClickThrough(), none.Opacity(), none.ShowsTrayIcon()),
              std::tuple(false, false, 100, true));
    ClockSettings chosen;
    chosen.window = {true, true, 25, false};
    ASSERT_TRUE(chosen.Write(settings));
    const WindowChoices read = ClockSettings::Read(settings).window;
    EXPECT_EQ(std::tuple(read.locked, read.clickThrough, read.opacity, read.ShowsTrayIcon()),
              std::tuple(true, true, 25, true));
    settings.WriteString("display", "opacity", "33");
    EXPECT_EQ(ClockSettings::Read(settings).window.Opacity(), 100);
}

// A further clock keeps its keys under its number; a save of one clock where two were takes
// out the second's sections and the first's choices no longer made; a count out of range reads
// within it.
TEST_F(SettingsFileTest, EachClockHasSectionsOfItsOwnAndAClosedOnesGo) {
    ClockSettings first, second;
    first.zone = "Tokyo Standard Time";
    second.skinName = "neon";
    second.window.opacity = 50;
    second.label = "Osaka";
    std::vector<SettingsValue> values = ClockCountValues(2, 1);
    for (const ClockSettings* clock : {&first, &second}) {
        const std::vector<SettingsValue> its = clock->Values(clock == &first ? 1 : 2);
        values.insert(values.end(), its.begin(), its.end());
    }
    ASSERT_TRUE(settings.Write(values));
    EXPECT_EQ(SavedClockCount(settings), 2);
    const ClockSettings read = ClockSettings::Read(settings, 2);
    EXPECT_EQ(std::tuple(read.skinName, read.window.Opacity(), read.label, read.zone),
              std::tuple("neon", 50, "Osaka", ""));
    EXPECT_EQ(ClockSettings::Read(settings).zone, "Tokyo Standard Time");

    values = ClockCountValues(1, 2);
    const std::vector<SettingsValue> only = second.Values(1);
    values.insert(values.end(), only.begin(), only.end());
    ASSERT_TRUE(settings.Write(values));
    EXPECT_EQ(SavedClockCount(settings), 1);
    EXPECT_EQ(ClockSettings::Read(settings).zone, "");
    for (const auto& [section, key] : {std::pair{"clocks", "count"},
                                       {"skin.2", "name"},
                                       {"position.2", "x"},
                                       {"display.2", "label"}})
        EXPECT_EQ(settings.ReadString(section, key, "gone"), "gone") << section;
    for (const auto& [text, count] : {std::pair{"100000", kMaxClocks}, {"-3", 1}, {"x", 1}}) {
        settings.WriteString("clocks", "count", text);
        EXPECT_EQ(SavedClockCount(settings), count) << text;
    }
}

}  // namespace
