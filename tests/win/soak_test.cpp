// A clock runs for months: many paints of a shape-following skin and many dock switches must
// leave no handle and no memory behind.

#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include "app/settings_file.h"
#include "res/resource.h"
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

// One tick as the timer delivers it, and the paint that follows, without waiting for the
// screen: the update region is dropped, so the paint does all its work but puts nothing on it.
void Tick(ClockProbe& clock) {
    SendMessageA(clock.Handle(), WM_TIMER, 100, 0);
    ValidateRect(clock.Handle(), nullptr);
    SendMessageA(clock.Handle(), WM_PAINT, 0, 0);
}

// Counts the new shapes the window was given: Wine keeps about 1.5 KB of every one for good,
// which the memory check must allow for (a platform leak, not the clock's).
class ShapeChanges {
public:
    explicit ShapeChanges(HWND window) : window(window) { GetWindowRgn(window, last.get()); }

    void Look() {
        const UniqueRegion now(CreateRectRgn(0, 0, 0, 0));
        GetWindowRgn(window, now.get());
        if (EqualRgn(now.get(), last.get()))
            return;
        ++count;
        CombineRgn(last.get(), now.get(), nullptr, RGN_COPY);
    }

    long count = 0;

private:
    HWND window;
    UniqueRegion last{CreateRectRgn(0, 0, 0, 0)};
};

constexpr long kWineBytesPerShape = 4096;

constexpr int kPaints = 100000;
constexpr int kDockSwitches = 1000;

TEST(SoakTest, PaintsAndDockSwitchesLeaveNothingBehind) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(ZENTRIX_SKINS_DIR));
    SettingsFile::ForProgram(Application::Current()->ExeName()).WriteString("skin", "name", "neon");

    const Counts start;
    Counts warm, end;
    long shapes = 0;
    {
        ClockProbe probe(
            [&](ClockProbe& clock) {
                ASSERT_EQ(clock.shapeFollowsFace, 1);
                for (int i = 0; i < 100; ++i)
                    Tick(clock);  // let the heaps settle
                ShapeChanges changes(clock.Handle());
                warm = Counts();
                const ULONGLONG paintStart = GetTickCount64();
                for (int i = 0; i < kPaints; ++i) {
                    Tick(clock);
                    changes.Look();
                }
                const ULONGLONG switchStart = GetTickCount64();
                const int modes[] = {IDM_DOCK_LEFT, IDM_DOCK_RIGHT, IDM_FLOATING, IDM_DOCK_TOP};
                for (int i = 0; i < kDockSwitches; ++i) {
                    clock.OnCommand(modes[i % 4], 0, nullptr);
                    changes.Look();
                    Tick(clock);
                    changes.Look();
                }
                end = Counts();
                shapes = changes.count;
                std::printf("soak: paints %llu ms, dock switches %llu ms\n",
                            switchStart - paintStart, GetTickCount64() - switchStart);
            },
            ClockProbe::RunCheck::WhenShown);
        ASSERT_EQ(probe.DoModal(), IDOK);  // the soak ran
    }
    SetCurrentDirectoryA(previous);

    EXPECT_EQ(end.bitmaps, warm.bitmaps);
    EXPECT_EQ(end.regions, warm.regions);
    EXPECT_EQ(end.dcs, warm.dcs);
    EXPECT_EQ(end.fonts, warm.fonts);
    EXPECT_EQ(end.menus, warm.menus);
    // Flat within what the heaps may add and what Wine keeps of each new shape, far below a leak
    // of even a few bytes a paint.
    EXPECT_LT(static_cast<long long>(end.privateBytes) - static_cast<long long>(warm.privateBytes),
              (1 << 20) + shapes * kWineBytesPerShape);
    EXPECT_EQ(start.bitmaps, UniqueBitmap::Live());  // the window gave everything back
    std::printf(
        "soak: %d paints, %d dock switches, %ld new shapes; private bytes %zu -> %zu; bitmaps %ld, "
        "regions %ld\n",
        kPaints, kDockSwitches, shapes, warm.privateBytes, end.privateBytes, end.bitmaps,
        end.regions);
}

}  // namespace
