#pragma once
// A clock run for tests: its checks run inside the program's message loop once it is on the
// screen.

#include <functional>
#include <string>
#include <vector>

#include "app/clock_program.h"
#include "app/clock_window.h"
#include "win/application.h"

// Runs the program of the current application with its clocks taking the time from `now`, and
// `check` on its first clock once that is on the screen; then ends the run without a save. True
// when the check ran.
inline bool ProbeClock(std::function<void(ClockWindow&)> check, WallClock now = WallClockNow) {
    static ClockProgram* program = nullptr;
    static std::function<void(ClockWindow&)>* pending = nullptr;
    static bool ran = false;
    ClockProgram probed(*Application::Current(), now);
    program = &probed;
    pending = &check;
    ran = false;
    // A thread timer reaches the program's message loop and any nested one: the check waits
    // until the clock's initialisation is over and it shows.
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        ClockWindow* clock = program->FirstClock();
        if (ran || !clock || !IsWindowVisible(clock->Handle()))
            return;
        KillTimer(nullptr, id);
        ran = true;
        (*pending)(*clock);
        PostQuitMessage(0);
    });
    probed.Run();
    KillTimer(nullptr, timer);
    return ran;
}

// The window's current shape as text rows of `size`, '#' inside and '.' outside; none when the
// window has no shape of its own.
inline std::vector<std::string> ShapeRows(HRGN region, Size size) {
    std::vector<std::string> rows(size.height, std::string(size.width, '.'));
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            if (PtInRegion(region, x, y))
                rows[y][x] = '#';
    return rows;
}

inline std::vector<std::string> WindowShape(const ClockWindow& clock) {
    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(clock.Handle(), region.get()) == ERROR)
        return {};
    return ShapeRows(region.get(), clock.GetPlacement().WindowSize());
}
