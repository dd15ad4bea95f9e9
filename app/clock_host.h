#pragma once
// What a clock asks of the program that holds it: the things there is one of per program,
// however many clocks it shows.

#include <windows.h>

#include "model/menu_table.h"

class ClockWindow;

class ClockHost {
public:
    // Hands the program a message that reached the clock `window`; true when the program took
    // it, with its answer in `result`. The program answers what the shell says to the program
    // (its icon's clicks, a second start, the signals that the time may have jumped) and leaves
    // the rest to the clock.
    virtual bool Hear(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

    // Writes every clock's settings in one save.
    virtual void Save() = 0;
    // Saves and ends the run: every clock closes.
    virtual void EndRun() = 0;
    // Opens another clock beside `from`.
    virtual void NewClock(const ClockWindow& from) = 0;
    // Closes `clock` once its message is handled; the last clock stays.
    virtual void CloseClock(ClockWindow& clock) = 0;
    virtual bool SeveralClocks() const = 0;
    // Whether the program may show another clock.
    virtual bool RoomForAnother() const = 0;
    // A clock's pace may have changed: it dodged the pointer, or shows another format.
    virtual void PaceChanged() = 0;
    // A clock's window choices changed, and with them perhaps whether the icon is wanted.
    virtual void WindowChoicesChanged() = 0;

    // The menu's choices that are the program's, not a clock's: Start with Windows and the
    // chime, as they stand now.
    virtual bool StartsWithWindows() const = 0;
    virtual ChimeChoices Chime() const = 0;
    // Takes those choices as `choices` has them, and saves them.
    virtual void TakeProgramChoices(const MenuChoices& choices) = 0;
    // Whether the user's regional format counts the hours to 12, as the program last read it.
    virtual bool RegionUsesTwelveHours() const = 0;
    // Whether the system tells of full-screen windows as they come, so that a clock need not look
    // for them every second.
    virtual bool HearsFullScreenWindows() const = 0;

protected:
    ~ClockHost() = default;
};
