#pragma once
// The messages after which the wall clock may have jumped under a running clock: the time or
// its zone was set, the machine woke from sleep, the session was unlocked, the display came
// back on. A clock that waited for its next tick would show a stale time until then and keep
// ticking at the old phase.

#include <windows.h>

class TimeJumpWatch {
public:
    TimeJumpWatch() = default;
    ~TimeJumpWatch() { Stop(); }
    TimeJumpWatch(const TimeJumpWatch&) = delete;
    TimeJumpWatch& operator=(const TimeJumpWatch&) = delete;

    // Asks the system to tell `window` of session unlocks and of the display coming on; time
    // changes and waking from sleep reach every top-level window unasked.
    void Start(HWND window);
    // Withdraws those requests; the window must still exist.
    void Stop();

    // Whether a message to the window says the time may have jumped.
    static bool MayHaveJumped(UINT message, WPARAM wParam, LPARAM lParam);

private:
    HWND window = nullptr;                       // not owned
    HPOWERNOTIFY displayNotification = nullptr;  // withdrawn by Stop
};
