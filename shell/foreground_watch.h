#pragma once
// Tells the clock at once when a window comes to the foreground, and when the foreground window
// moves or changes its size: the moments a video, a game or a slide show goes full screen, or
// stops being so. The clock's tick looks too, but a clock without seconds ticks once a minute.

#include <windows.h>

#include "win/unique_handle.h"

class ForegroundWatch {
public:
    ForegroundWatch() = default;
    ~ForegroundWatch() { Stop(); }
    ForegroundWatch(const ForegroundWatch&) = delete;
    ForegroundWatch& operator=(const ForegroundWatch&) = delete;

    // Posts `message` to `window` at each such moment, from now until Stop.
    void Start(HWND window, UINT message);
    void Stop();
    // Whether the system has told of such a moment yet. Not every system does (Wine sends
    // neither event), and until one has, the clock cannot count on the watch.
    bool Heard() const { return heard; }

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND subject, LONG object,
                                 LONG child, DWORD thread, DWORD time);
    // Watches the moves of `foreground`, through the events of its own thread alone.
    void Follow(HWND foreground);

    // The events come without a word of whom they are for: the process's one watch is kept here.
    static inline ForegroundWatch* watching = nullptr;

    HWND window = nullptr;  // not owned
    UINT message = 0;
    HWND followed = nullptr;  // not owned: the foreground window whose moves are watched
    bool heard = false;
    UniqueWinEventHook foregroundHook;
    UniqueWinEventHook moveHook;
};
