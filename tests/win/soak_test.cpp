// A clock runs for months: many paints of a shape-following skin and many dock switches must
// leave no handle and no memory behind.

#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "res/resource.h"
#include "settings/settings_file.h"
#include "tests/win/clock_probe.h"
#include "win/application.h"

namespace {

struct Counts {
    long bitmaps = UniqueBitmap::Live();
    long regions = UniqueRegion::Live();
    long dcs = UniqueDc::Live();
    long fonts = UniqueFont::Live();
    long menus = UniqueMenu::Live();
    SIZE_T privateBytes = PrivateBytes();

    // Wine reports no PrivateUsage; the pagefile-backed bytes are the same committed memory.
    static SIZE_T PrivateBytes() {
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        return memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    }
};

// A wall clock a second further on every time it is read, so that every tick shows a new second
// without waiting for the seconds to pass.
WallTime FastClock() {
    static WallTime now = 0;
    return now += 1000;
}

// A tick of the timer and a paint of the whole window: the update region is dropped, so the
// paint does all its work but puts nothing new on the screen.
void Tick(ClockWindow& clock) {
    SendMessageA(clock.Handle(), WM_TIMER, 100, 0);
    ValidateRect(clock.Handle(), nullptr);
    SendMessageA(clock.Handle(), WM_PAINT, 0, 0);
}

// Counts the new shapes the window was given and the size of their rectangle lists: Wine keeps
// up to the list of every shape it is handed for good (a platform leak, not the clock's), which
// the memory check of a shape-following skin must allow for.
class ShapeChanges {
public:
    explicit ShapeChanges(HWND window) : window(window) { GetWindowRgn(window, last.get()); }

    void Look() {
        const UniqueRegion now(CreateRectRgn(0, 0, 0, 0));
        GetWindowRgn(window, now.get());
        if (EqualRgn(now.get(), last.get()))
            return;
        ++count;
        rectangleBytes += static_cast<long long>(GetRegionData(now.get(), 0, nullptr));
        CombineRgn(last.get(), now.get(), nullptr, RGN_COPY);
    }

    long count = 0;
    long long rectangleBytes = 0;

private:
    HWND window;
    UniqueRegion last{CreateRectRgn(0, 0, 0, 0)};
};

// What the heaps may add over a run without anything leaking.
constexpr long long kHeapSlack = 1 << 20;

constexpr int kFixedShapePaints = 25000;
constexpr int kShapeFollowingPaints = 5000;
constexpr int kDockSwitches = 500;

long long Growth(const Counts& from, const Counts& to) {
    return static_cast<long long>(to.privateBytes) - static_cast<long long>(from.privateBytes);
}

// Every paint shows a new second. A skin whose shape is cut once must leave memory flat; one whose
// shape follows its digits gives the window a new shape almost every paint, and dock switches
// reload it from its files, turn it and shape the window anew each time. Each skin runs in a
// clock of its own, started as the settings name it.
TEST(SoakTest, PaintsAndDockSwitchesLeaveNothingBehind) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(ZENTRIX_SKINS_DIR));
    const SettingsFile settings = SettingsFile::ForProgram(Application::Current()->ExeFolder(),
                                                           Application::Current()->ExeName());
    settings.WriteString("skin", "name", "back2");

    const Counts start;
    Counts warm, fixed, following, end;
    long shapes = 0;
    long long shapeBytes = 0;
    ULONGLONG fixedTime = 0, followingTime = 0, switchTime = 0;
    ASSERT_TRUE(ProbeClock(
        [&](ClockWindow& clock) {
            ASSERT_FALSE(clock.GetShownSkin().Loaded().values.ShapeFollowsFace());
            for (int i = 0; i < 100; ++i)
                Tick(clock);  // let the heaps settle
            warm = Counts();
            const ULONGLONG fixedStart = GetTickCount64();
            for (int i = 0; i < kFixedShapePaints; ++i)
                Tick(clock);
            fixed = Counts();
            fixedTime = GetTickCount64() - fixedStart;
        },
        FastClock));

    settings.WriteString("skin", "name", "neon");
    ASSERT_TRUE(ProbeClock(
        [&](ClockWindow& clock) {
            ASSERT_EQ(clock.GetShownSkin().Name(), "neon");
            ASSERT_TRUE(clock.GetShownSkin().Loaded().values.ShapeFollowsFace());
            for (int i = 0; i < 100; ++i)
                Tick(clock);
            ShapeChanges shapeChanges(clock.Handle());
            following = Counts();
            const ULONGLONG followingStart = GetTickCount64();
            for (int i = 0; i < kShapeFollowingPaints; ++i) {
                Tick(clock);
                shapeChanges.Look();
            }
            const ULONGLONG switchStart = GetTickCount64();
            followingTime = switchStart - followingStart;
            const int modes[] = {IDM_DOCK_LEFT, IDM_DOCK_RIGHT, IDM_FLOATING, IDM_DOCK_TOP};
            for (int i = 0; i < kDockSwitches; ++i) {
                SendMessageA(clock.Handle(), WM_COMMAND, modes[i % 4], 0);
                shapeChanges.Look();
                Tick(clock);
                shapeChanges.Look();
            }
            end = Counts();
            switchTime = GetTickCount64() - switchStart;
            shapes = shapeChanges.count;
            shapeBytes = shapeChanges.rectangleBytes;
        },
        FastClock));
    std::printf(
        "soak: %d fixed-shape paints %llu ms, %d shape-following paints %llu ms, %d dock "
        "switches %llu ms\n",
        kFixedShapePaints, fixedTime, kShapeFollowingPaints, followingTime, kDockSwitches,
        switchTime);
    SetCurrentDirectoryA(previous);

    for (const auto& [from, to] : {std::pair{&warm, &fixed}, {&following, &end}}) {
        EXPECT_EQ(to->bitmaps, from->bitmaps);
        EXPECT_EQ(to->regions, from->regions);
        EXPECT_EQ(to->dcs, from->dcs);
        EXPECT_EQ(to->fonts, from->fonts);
        EXPECT_EQ(to->menus, from->menus);
    }
    // Flat within what the heaps may add: far below a leak of even a few dozen bytes a paint.
    EXPECT_LT(Growth(warm, fixed), kHeapSlack);
    // The same, once Wine has kept what it keeps of the new shapes.
    EXPECT_LT(Growth(following, end), kHeapSlack + shapeBytes);
    EXPECT_EQ(start.bitmaps, UniqueBitmap::Live());  // the window gave everything back
    std::printf(
        "soak: private bytes %zu -> %zu over fixed-shape paints; %zu -> %zu over %ld new shapes of "
        "%lld bytes; bitmaps %ld, regions %ld\n",
        warm.privateBytes, fixed.privateBytes, following.privateBytes, end.privateBytes, shapes,
        shapeBytes, end.bitmaps, end.regions);
}

}  // namespace
