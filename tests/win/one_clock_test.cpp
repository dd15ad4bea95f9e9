#include "shell/one_clock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr int kStarts = 3;
std::atomic<int> claims{0}, summonses{0};

LRESULT CALLBACK CountSummonses(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    summonses += message == kSummonClockMessage;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A start's run: with the session claimed, a clock window that answers the other starts.
void Start() {
    const UniqueKernelObject claim = ClaimTheSessionOrSummon();
    if (!claim)
        return;
    ++claims;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CountSummonses;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClockWindowClass;
    RegisterClassA(&windowClass);  // or the clock's own, registered by an earlier test
    const UniqueWindow clock(CreateWindowA(kClockWindowClass, "", WS_POPUP, 0, 0, 10, 10,
                                           nullptr, nullptr, nullptr, nullptr));
    SetWindowLongPtrA(clock.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountSummonses));
    for (MSG message; summonses < kStarts - 1 &&
                      MsgWaitForMultipleObjects(0, nullptr, FALSE, 3000, QS_ALLINPUT) == 0;) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
}

// Starts wait while the clock before them ends: the first to find the session free claims it,
// and the others summon that clock rather than give up together.
TEST(OneClockTest, StartsWaitingForAnEndingClockLeaveOneClock) {
    UniqueKernelObject ending(CreateMutexW(nullptr, FALSE, L"Local\\Zentrix.Clock"));
    std::vector<std::thread> starts(kStarts);
    for (std::thread& start : starts)
        start = std::thread(Start);
    Sleep(300);
    ending.reset();
    for (std::thread& start : starts)
        start.join();
    EXPECT_EQ(claims, 1);
    EXPECT_EQ(summonses, kStarts - 1);
    // The clocks of later tests register the class as theirs.
    UnregisterClassA(kClockWindowClass, GetModuleHandleA(nullptr));
}

}  // namespace
