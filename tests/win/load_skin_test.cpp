#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "image/png_writer.h"
#include "image/region_runs.h"
#include "res/resource.h"
#include "settings/settings_file.h"
#include "skin/skin_folders.h"
#include "tests/win/clock_probe.h"
#include "tests/win/message_box_watcher.h"
#include "tests/win/test_files.h"
#include "win/application.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kInk = RGB(20, 40, 60);

SettingsFile Settings() {
    return SettingsFile::ForProgram(Application::Current()->ExeFolder(),
                                    Application::Current()->ExeName());
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
        folder.Write(skin + "/" + GlyphBaseName(index) + ".bmp",
                     EncodeBmp({2, 3, std::vector<COLORREF>(6, color)}, 24, false));
    }

    void Run(std::function<void(ClockWindow&)> check) { ASSERT_TRUE(ProbeClock(std::move(check))); }

    ScratchFolder folder;
    char previousDirectory[MAX_PATH] = {};
};

// A clock's skin before the window shows it, and the shape its switches hand out.
struct Shown {
    ShownSkin skin{"", "start", std::nullopt};
    std::vector<std::string> shape;

    bool Switch(const std::string& name, std::string* whyNot = nullptr) {
        std::optional<SkinFit> fit = skin.Switch(name, DockTop, 96, whyNot);
        if (fit && fit->shape)
            shape = ShapeRows(fit->shape->get(), fit->size);
        return fit.has_value();
    }
    Size WindowSize() const {
        const PixelImage& face = skin.Face().Image();
        return {face.Width(), face.Height()};
    }
};

// 3 x 2 with its top-left pixel of `corner` colour.
BmpPicture Cornered(COLORREF corner) {
    return {3, 2, {corner, kInk, kInk, kInk, kInk, kInk}};
}

TEST_F(LoadSkinTest, AFolderWithoutConfigUsesTheDefaults) {
    WriteSkin("bare", Cornered(kMagenta), "");
    Shown clock;
    EXPECT_TRUE(clock.Switch("bare"));
    EXPECT_EQ(clock.WindowSize().width, 3);
    EXPECT_EQ(clock.WindowSize().height, 2);
    EXPECT_FALSE(clock.skin.Loaded().values.ShapeFollowsFace());
    EXPECT_EQ(clock.skin.Loaded().values.red, 255);
    EXPECT_EQ(clock.skin.Loaded().values.green, 0);
    EXPECT_EQ(clock.skin.Loaded().values.blue, 255);
    EXPECT_EQ(clock.shape, (std::vector<std::string>{".##", "###"}));
}

TEST_F(LoadSkinTest, OnlyTransOneMakesTheShapeFollowTheFace) {
    WriteSkin("one", Cornered(kMagenta), "[Bitmaps]\r\nTrans=1\r\n");
    WriteSkin("two", Cornered(kMagenta), "[Bitmaps]\r\nTrans=2\r\n");
    Shown clock;
    clock.Switch("one");
    EXPECT_TRUE(clock.skin.Loaded().values.ShapeFollowsFace());
    clock.Switch("two");
    EXPECT_FALSE(clock.skin.Loaded().values.ShapeFollowsFace());
}

TEST_F(LoadSkinTest, KeyColourUsesTheLowEightBitsButKeepsTheNumbers) {
    WriteSkin("green", Cornered(kGreen), "[Transparency]\r\nR=256\r\nG=-1\r\nB=0\r\n");
    Shown clock;
    clock.Switch("green");
    EXPECT_EQ(clock.skin.Loaded().values.red, 256);
    EXPECT_EQ(clock.skin.Loaded().values.green, -1);
    EXPECT_EQ(clock.shape, (std::vector<std::string>{".##", "###"}));
}

TEST_F(LoadSkinTest, SideDocksTurnTheWindowButNotTheBackground) {
    WriteSkin("side", Cornered(kMagenta), "");
    Settings().WriteString("skin", "name", "side");
    Run([](ClockWindow& clock) {
        SendMessageA(clock.Handle(), WM_COMMAND, IDM_DOCK_LEFT, 0);
        EXPECT_EQ(clock.GetPlacement().WindowSize().width, 2);
        EXPECT_EQ(clock.GetPlacement().WindowSize().height, 3);
        EXPECT_EQ(clock.GetShownSkin().Loaded().background.Width(),
                  3);  // kept upright for painting
        EXPECT_EQ(clock.GetPlacement().Position().x, 0);
        // Counter-clockwise: the top-left corner ends at the bottom-left.
        EXPECT_EQ(WindowShape(clock), (std::vector<std::string>{"##", "##", ".#"}));
        RECT rect{};
        GetWindowRect(clock.Handle(), &rect);
        EXPECT_EQ(rect.right - rect.left, 2);
        EXPECT_EQ(rect.left, 0);
    });
}

// A skin switch is all or nothing: without its background a skin changes nothing and says
// why; with it, only the digits and colon it lacks are kept from the skin shown before.
TEST_F(LoadSkinTest, ASkinWithoutItsBackgroundChangesNothing) {
    WriteSkin("full", Cornered(kMagenta), "");
    WriteGlyph("full", 7, kInk);
    WriteGlyph("full", kAmGlyph, kInk);
    WriteSkin("other", {5, 1, std::vector<COLORREF>(5, kGreen)}, "");
    folder.Write("empty/config.ini", std::string("[Bitmaps]\r\nTrans=1\r\n"));
    Shown clock;
    ASSERT_TRUE(clock.Switch("full"));
    const std::vector<std::string> shape = ShapeRows(clock.skin.Shape().get(), {3, 2});
    std::string whyNot;
    EXPECT_FALSE(clock.Switch("empty", &whyNot));
    EXPECT_EQ(whyNot,
              "The skin \"empty\" cannot be shown: empty\\back.bmp is missing or cannot be "
              "opened.");
    EXPECT_EQ(clock.WindowSize(), (Size{3, 2}));
    EXPECT_EQ(ShapeRows(clock.skin.Shape().get(), {3, 2}), shape);
    EXPECT_EQ(clock.skin.Name(), "full");
    EXPECT_FALSE(clock.skin.Loaded().values.ShapeFollowsFace());

    EXPECT_TRUE(clock.Switch("other"));
    EXPECT_EQ(clock.WindowSize(), (Size{5, 1}));
    EXPECT_EQ(clock.skin.Loaded().glyphs[7].Width(), 2);          // "other" has none of its own
    EXPECT_TRUE(clock.skin.Loaded().glyphs[kAmGlyph].IsEmpty());  // an indicator is never kept
}

// A PNG background makes an alpha skin: its PNG pictures are decoded premultiplied, a BMP glyph
// becomes opaque but for its white, and the window loses its shape. A cut-off PNG changes
// nothing and says why.
TEST_F(LoadSkinTest, APngBackgroundMakesAnAlphaSkinWithoutAShape) {
    WriteSkin("keyed", Cornered(kMagenta), "");
    std::uint32_t plate[] = {0x80402010, 0x00000000, 0xFF102030, 0x01010000};
    folder.Write("glass/config.ini", std::string("[Bitmaps]\r\nBackground=back\r\n"));
    ASSERT_TRUE(WritePng({plate, 4, 1}, folder / "glass\\back.png"));
    folder.Write("glass/0.bmp", EncodeBmp({2, 1, {RGB(255, 255, 255), kInk}}, 24, false));
    Shown clock;
    ASSERT_TRUE(clock.Switch("keyed"));
    EXPECT_TRUE(clock.skin.Shape());
    ASSERT_TRUE(clock.Switch("glass"));
    EXPECT_TRUE(clock.skin.IsAlpha());
    EXPECT_FALSE(clock.skin.Shape());
    const std::uint32_t* decoded = clock.skin.Loaded().background.Pixels().pixels;
    for (int i = 0; i < 4; ++i)
        for (int shift = 0; shift < 32; shift += 8)
            EXPECT_NEAR(decoded[i] >> shift & 0xFF, plate[i] >> shift & 0xFF, 1) << i;
    const std::uint32_t* glyph = clock.skin.Loaded().glyphs[0].Pixels().pixels;
    EXPECT_EQ(glyph[0], 0u);
    EXPECT_EQ(glyph[1], 0xFF000000u | PixelOfColor(kInk, 0));

    std::ifstream png(folder / "glass\\back.png", std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(png), {}};
    folder.Write("cut/back.png", std::string(bytes.begin(), bytes.begin() + bytes.size() / 2));
    std::string whyNot;
    EXPECT_FALSE(clock.Switch("cut", &whyNot));
    EXPECT_EQ(whyNot,
              "The skin \"cut\" cannot be shown: cut\\back.png cannot be decoded as a PNG "
              "picture.");
    EXPECT_EQ(clock.skin.Name(), "glass");
}

// A skin switched between alpha and key colour puts the window on the layer without a shape,
// and takes it off again with its shape and its own painting, as often as it goes.
TEST_F(LoadSkinTest, AnAlphaSkinLayersTheWindowAndAKeyedOneTakesItsShapeBack) {
    folder.Write("start/back.bmp", EncodeBmp(Cornered(kMagenta), 24, false));
    std::uint32_t plate[6] = {0xFF102030, 0xFF102030, 0xFF102030, 0, 0, 0};
    Run([&](ClockWindow& clock) {
        const HWND window = clock.Handle();
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(WritePng({plate, 3, 2}, folder / "start\\back.png"));
            SendMessageA(window, WM_COMMAND, IDM_DOCK_TOP, 0);
            EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
            EXPECT_TRUE(WindowShape(clock).empty());
            DeleteFileA((folder / "start\\back.png").c_str());
            SendMessageA(window, WM_COMMAND, IDM_DOCK_TOP, 0);
            EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
            EXPECT_EQ(WindowShape(clock), (std::vector<std::string>{".##", "###"}));
            UpdateWindow(window);
            const Point corner = clock.GetPlacement().Position();
            const HDC screen = GetDC(nullptr);
            // Wine hands a window's pixels to the X server from its message loop, a moment later.
            for (int wait = 0; wait < 40 && GetPixel(screen, corner.x + 2, corner.y + 1) != kInk;
                 ++wait)
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            EXPECT_EQ(GetPixel(screen, corner.x + 2, corner.y + 1), kInk);
            ReleaseDC(nullptr, screen);
        }
    });
}

// A folder of the skin's name that is no skin does not hide the skin beside the program, whose
// skins folder is searched too; a name that is a path of its own is not looked up at all.
TEST_F(LoadSkinTest, ASkinIsLookedUpWhereItIsASkin) {
    WriteSkin("shadowed", Cornered(kGreen), "");
    WriteSkin("program/shadowed", {5, 1, std::vector<COLORREF>(5, kInk)}, "[Bitmaps]\r\n");
    ShownSkin skin(folder / "program", "start", std::nullopt);
    EXPECT_EQ(skin.Switch("shadowed", DockTop, 96).value().size, (Size{5, 1}));
    WriteSkin("program/skins/inner", Cornered(kInk), "[Bitmaps]\r\n");
    EXPECT_EQ(SkinNames(folder / "program"), (std::vector<std::string>{"inner", "shadowed"}));
    for (const std::string& name : {folder / "start", std::string("start\\..\\start"),
                                    std::string("\\\\server\\share\\start")}) {
        std::string whyNot;
        EXPECT_FALSE(skin.Switch(name, DockTop, 96, &whyNot));
        EXPECT_EQ(whyNot,
                  CannotShowSkinText(name, name + "\\back.bmp", "is missing or cannot be opened"));
    }
}

// A dock command whose skin can no longer be read shows the skin as it was read before, on
// the new edge.
TEST_F(LoadSkinTest, ADockCommandKeepsASkinWhoseFilesHaveGone) {
    Run([this](ClockWindow& clock) {
        ASSERT_EQ(clock.GetPlacement().WindowSize(), (Size{4, 2}));
        DeleteFileA((folder / "start/back.bmp").c_str());
        SendMessageA(clock.Handle(), WM_COMMAND, IDM_DOCK_RIGHT, 0);
        EXPECT_EQ(clock.GetPlacement().Mode(), DockRight);
        EXPECT_EQ(clock.GetPlacement().WindowSize(), (Size{2, 4}));
        EXPECT_EQ(clock.GetShownSkin().Loaded().background.Width(), 4);
    });
}

TEST_F(LoadSkinTest, NamesAndValuesAreTakenLiterally) {
    WriteSkin("100%s%n", Cornered(kMagenta), "[Bitmaps]\r\nBackground=\r\n", ".bmp");
    WriteGlyph("100%s%n", 10, kInk);
    Shown clock;
    EXPECT_TRUE(clock.Switch("100%s%n"));
    EXPECT_EQ(clock.WindowSize().width, 3);
    EXPECT_EQ(clock.skin.Loaded().glyphs[10].Height(), 3);
}

// A saved skin that is not there opens the chooser; cancelled, it leaves a clock that still
// has its template size and no shape, so it can be seen and right-clicked, and whose placement
// goes by that real rectangle.
TEST_F(LoadSkinTest, NoBackgroundEverLoadedKeepsTheWindowReachable) {
    Settings().WriteString("skin", "name", "missing");
    MessageBoxWatcher messages;
    const DialogAnswerer cancel("Select Skin", IDCANCEL);
    Run([&cancel](ClockWindow& clock) {
        EXPECT_TRUE(cancel.Answered());
        // A dock command reads the skin again, and finds nothing again.
        SendMessageA(clock.Handle(), WM_COMMAND, IDM_DOCK_TOP, 0);
        EXPECT_FALSE(clock.GetShownSkin().HasFace());
        RECT rect{};
        GetWindowRect(clock.Handle(), &rect);
        EXPECT_GT(rect.right - rect.left, 100);
        EXPECT_GT(rect.bottom - rect.top, 100);
        EXPECT_EQ(clock.GetPlacement().WindowSize(),
                  (Size{rect.right - rect.left, rect.bottom - rect.top}));
        EXPECT_EQ(clock.GetPlacement().Position(), (Point{rect.left, rect.top}));
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
    Run([](ClockWindow& clock) {
        EXPECT_EQ(clock.GetPlacement().WindowSize().width, 4);
        EXPECT_EQ(clock.GetPlacement().Position().x, 300);
        EXPECT_EQ(clock.GetPlacement().Position().y, 0);
        EXPECT_EQ(clock.GetPlacement().Home().x, 300);
    });
}

}  // namespace
