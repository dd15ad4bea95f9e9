// A clock runs for months: many paints of a shape-following skin and many dock switches must
// leave no handle and no memory behind.

#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include "app/settings_file.h"
#include "res/resource.h"
#include "tests/win/clock_probe.h"
#include "win/application.h"

#ifndef ZENTRIX_SOAK_SKIN
#define ZENTRIX_SOAK_SKIN "neon"
#endif

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

// One tick as the timer delivers it, painted at once.
void Tick(ClockProbe& clock) {
    SendMessageA(clock.Handle(), WM_TIMER, 100, 0);
    UpdateWindow(clock.Handle());
}

constexpr int kPaints = 300;
constexpr int kDockSwitches = 40;

TEST(SoakTest, PaintsAndDockSwitchesLeaveNothingBehind) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(ZENTRIX_SKINS_DIR));
    SettingsFile::ForProgram(Application::Current()->ExeName())
        .WriteString("skin", "name", ZENTRIX_SOAK_SKIN);

    const Counts start;
    Counts warm, end;
    {
        ClockProbe probe(
            [&](ClockProbe& clock) {
                ASSERT_EQ(clock.shapeFollowsFace, 1);
                for (int i = 0; i < 100; ++i)
                    Tick(clock);  // let the heaps settle
                warm = Counts();
                for (int i = 0; i < kPaints; ++i)
                    Tick(clock);
                const int modes[] = {IDM_DOCK_LEFT, IDM_DOCK_RIGHT, IDM_FLOATING, IDM_DOCK_TOP};
                for (int i = 0; i < kDockSwitches; ++i) {
                    clock.OnCommand(modes[i % 4], 0, nullptr);
                    Tick(clock);
                }
                end = Counts();
            },
            ClockProbe::RunCheck::WhenShown);
        probe.DoModal();
    }
    SetCurrentDirectoryA(previous);

    EXPECT_EQ(end.bitmaps, warm.bitmaps);
    EXPECT_EQ(end.regions, warm.regions);
    EXPECT_EQ(end.dcs, warm.dcs);
    EXPECT_EQ(end.fonts, warm.fonts);
    EXPECT_EQ(end.menus, warm.menus);
    // Flat within what heap fragmentation may add, far below a leak of one bitmap a paint.
    EXPECT_LT(static_cast<long long>(end.privateBytes) - static_cast<long long>(warm.privateBytes),
              4 << 20);
    EXPECT_EQ(start.bitmaps, UniqueBitmap::Live());  // the window gave everything back
    std::printf(
        "soak: %d paints, %d dock switches; private bytes %zu -> %zu; bitmaps %ld, regions %ld\n",
        kPaints, kDockSwitches, warm.privateBytes, end.privateBytes, end.bitmaps, end.regions);
}

}  // namespace
