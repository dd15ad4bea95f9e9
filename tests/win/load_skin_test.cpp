#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "image/region_runs.h"
#include "res/resource.h"
#include "tests/win/clock_probe.h"
#include "tests/win/message_box_watcher.h"
#include "tests/win/test_files.h"
#include "win/application.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kInk = RGB(20, 40, 60);

SettingsFile Settings() {
    return SettingsFile::ForProgram(Application::Current()->ExeName());
}

// Skins written into a scratch folder that becomes the working directory.
class LoadSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, previousDirectory);
        SetCurrentDirectoryA(folder.operator/("").c_str());
        // The start-up load finds a skin, so every probe begins from a loaded clock.
        WriteSkin("start", {4, 2, std::vector<COLORREF>(8, kInk)}, "");
        Settings().WriteString("skin", "name", "start");
    }
    void TearDown() override {
        SetCurrentDirectoryA(previousDirectory);
        for (const char* section : {"skin", "position"})
            WritePrivateProfileStringA(section, nullptr, nullptr,
                                       (Application::Current()->ExeName() + ".INI").c_str());
    }

    // A skin folder with a background named "back" and, when given, a config.ini.
    void WriteSkin(const std::string& name, const BmpPicture& background, const std::string& config,
                   const std::string& backgroundFile = "back.bmp") {
        folder.Write(name + "/" + backgroundFile, EncodeBmp(background, 24, false));
        if (!config.empty())
            folder.Write(name + "/config.ini", config);
    }

    void WriteGlyph(const std::string& skin, int index, COLORREF color) {
        folder.Write(skin + "/" + std::to_string(index) + ".bmp",
                     EncodeBmp({2, 3, std::vector<COLORREF>(6, color)}, 24, false));
    }

    void Run(std::function<void(ClockProbe&)> check) {
        ClockProbe probe(std::move(check));
        ASSERT_EQ(probe.DoModal(), IDOK);  // the check ran
    }

    ScratchFolder folder;
    char previousDirectory[MAX_PATH] = {};
};

// 3 x 2 with its top-left pixel of `corner` colour.
BmpPicture Cornered(COLORREF corner) {
    return {3, 2, {corner, kInk, kInk, kInk, kInk, kInk}};
}

TEST_F(LoadSkinTest, AFolderWithoutConfigUsesTheDefaults) {
    WriteSkin("bare", Cornered(kMagenta), "");
    Run([](ClockProbe& clock) {
        EXPECT_TRUE(clock.LoadSkin("bare"));
        EXPECT_EQ(clock.placement.WindowSize().width, 3);
        EXPECT_EQ(clock.placement.WindowSize().height, 2);
        EXPECT_FALSE(clock.skin.values.ShapeFollowsFace());
        EXPECT_EQ(clock.skin.values.red, 255);
        EXPECT_EQ(clock.skin.values.green, 0);
        EXPECT_EQ(clock.skin.values.blue, 255);
        EXPECT_EQ(clock.Shape(), (std::vector<std::string>{".##", "###"}));
    });
}

TEST_F(LoadSkinTest, OnlyTransOneMakesTheShapeFollowTheFace) {
    WriteSkin("one", Cornered(kMagenta), "[Bitmaps]\r\nTrans=1\r\n");
    WriteSkin("two", Cornered(kMagenta), "[Bitmaps]\r\nTrans=2\r\n");
    Run([](ClockProbe& clock) {
        clock.LoadSkin("one");
        EXPECT_TRUE(clock.skin.values.ShapeFollowsFace());
        clock.LoadSkin("two");
        EXPECT_FALSE(clock.skin.values.ShapeFollowsFace());
    });
}

TEST_F(LoadSkinTest, KeyColourUsesTheLowEightBitsButKeepsTheNumbers) {
    WriteSkin("green", Cornered(kGreen), "[Transparency]\r\nR=256\r\nG=-1\r\nB=0\r\n");
    Run([](ClockProbe& clock) {
        clock.LoadSkin("green");
        EXPECT_EQ(clock.skin.values.red, 256);
        EXPECT_EQ(clock.skin.values.green, -1);
        EXPECT_EQ(clock.Shape(), (std::vector<std::string>{".##", "###"}));
    });
}

TEST_F(LoadSkinTest, SideDocksTurnTheWindowButNotTheBackground) {
    WriteSkin("side", Cornered(kMagenta), "");
    Run([](ClockProbe& clock) {
        clock.placement.SetMode(DockLeft);
        clock.LoadSkin("side");
        EXPECT_EQ(clock.placement.WindowSize().width, 2);
        EXPECT_EQ(clock.placement.WindowSize().height, 3);
        EXPECT_EQ(clock.skin.background.Width(), 3);  // kept upright for painting
        EXPECT_EQ(clock.placement.Position().x, 0);
        // Counter-clockwise: the top-left corner ends at the bottom-left.
        EXPECT_EQ(clock.Shape(), (std::vector<std::string>{"##", "##", ".#"}));
        RECT rect{};
        GetWindowRect(clock.Handle(), &rect);
        EXPECT_EQ(rect.right - rect.left, 2);
        EXPECT_EQ(rect.left, 0);
    });
}

// A skin switch is all or nothing: without its background a skin changes nothing and says
// why; with it, only the glyphs it lacks are kept from the skin shown before.
TEST_F(LoadSkinTest, ASkinWithoutItsBackgroundChangesNothing) {
    WriteSkin("full", Cornered(kMagenta), "");
    WriteGlyph("full", 7, kInk);
    WriteSkin("other", {5, 1, std::vector<COLORREF>(5, kGreen)}, "");
    folder.Write("empty/config.ini", std::string("[Bitmaps]\r\nTrans=1\r\n"));
    Run([](ClockProbe& clock) {
        ASSERT_TRUE(clock.LoadSkin("full"));
        const std::vector<std::string> shape = clock.Shape();
        std::string whyNot;
        EXPECT_FALSE(clock.LoadSkin("empty", &whyNot));
        EXPECT_EQ(whyNot,
                  "The skin \"empty\" cannot be shown: empty\\back.bmp is missing or cannot be "
                  "opened.");
        EXPECT_EQ(clock.placement.WindowSize(), (Size{3, 2}));
        EXPECT_EQ(clock.Shape(), shape);
        EXPECT_FALSE(clock.skin.values.ShapeFollowsFace());

        EXPECT_TRUE(clock.LoadSkin("other"));
        EXPECT_EQ(clock.placement.WindowSize(), (Size{5, 1}));
        EXPECT_EQ(clock.skin.glyphs[7].Width(), 2);  // "other" has none of its own
    });
}

// A dock command whose skin can no longer be read shows the skin as it was read before, on
// the new edge.
TEST_F(LoadSkinTest, ADockCommandKeepsASkinWhoseFilesHaveGone) {
    Run([this](ClockProbe& clock) {
        ASSERT_EQ(clock.placement.WindowSize(), (Size{4, 2}));
        DeleteFileA((folder / "start/back.bmp").c_str());
        clock.OnCommand(IDM_DOCK_RIGHT, 0, nullptr);
        EXPECT_EQ(clock.placement.Mode(), DockRight);
        EXPECT_EQ(clock.placement.WindowSize(), (Size{2, 4}));
        EXPECT_EQ(clock.skin.background.Width(), 4);
    });
}

TEST_F(LoadSkinTest, NamesAndValuesAreTakenLiterally) {
    WriteSkin("100%s%n", Cornered(kMagenta), "[Bitmaps]\r\nBackground=\r\n", ".bmp");
    WriteGlyph("100%s%n", 10, kInk);
    Run([](ClockProbe& clock) {
        EXPECT_TRUE(clock.LoadSkin("100%s%n"));
        EXPECT_EQ(clock.placement.WindowSize().width, 3);
        EXPECT_EQ(clock.skin.glyphs[10].Height(), 3);
    });
}

// A saved skin that is not there opens the chooser; cancelled, it leaves a clock that still
// has its template size and no shape, so it can be seen and right-clicked, and whose placement
// goes by that real rectangle.
TEST_F(LoadSkinTest, NoBackgroundEverLoadedKeepsTheWindowReachable) {
    Settings().WriteString("skin", "name", "missing");
    MessageBoxWatcher messages;
    const DialogAnswerer cancel("Select Skin", IDCANCEL);
    Run([&cancel](ClockProbe& clock) {
        EXPECT_TRUE(cancel.Answered());
        EXPECT_FALSE(clock.LoadSkin("nowhere"));
        RECT rect{};
        GetWindowRect(clock.Handle(), &rect);
        EXPECT_GT(rect.right - rect.left, 100);
        EXPECT_GT(rect.bottom - rect.top, 100);
        EXPECT_EQ(clock.placement.WindowSize(),
                  (Size{rect.right - rect.left, rect.bottom - rect.top}));
        EXPECT_EQ(clock.placement.Position(), (Point{rect.left, rect.top}));
        const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(GetWindowRgn(clock.Handle(), region.get()), ERROR);  // no shape was set
    });
    // Before the chooser opened, the user was told why.
    const std::vector<SeenMessageBox> seen = messages.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text,
              "The skin \"missing\" cannot be shown: missing\\back.bmp is missing or cannot be "
              "opened.");
}

TEST_F(LoadSkinTest, StartUpLoadsTheSavedSkinOnTheTopEdge) {
    Settings().WriteString("position", "x", "300");
    Settings().WriteString("position", "y", "57");
    Run([](ClockProbe& clock) {
        EXPECT_EQ(clock.placement.WindowSize().width, 4);
        EXPECT_EQ(clock.placement.Position().x, 300);
        EXPECT_EQ(clock.placement.Position().y, 0);
        EXPECT_EQ(clock.placement.Home().x, 300);
    });
}

}  // namespace
