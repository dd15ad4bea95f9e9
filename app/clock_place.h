#pragma once
// Where a clock window stands: the placement model and the monitors it places the window among,
// the full-screen rule that decides the window's band, and the calls that put the window where
// they say. The window's mouse messages come here as they are; their own points are not used:
// the pointer is read as the window system has it now.

#include <windows.h>

#include <optional>

#include "app/display_screens.h"
#include "model/full_screen_rule.h"
#include "model/placement.h"

class ClockPlace {
public:
    ClockPlace(Point saved, bool locked, bool stepAsideForFullScreen);

    // The window placed, once it exists.
    void Attach(HWND placed) { window = placed; }

    Placement& Model() { return placement; }
    const Placement& Model() const { return placement; }
    const DisplayScreens& Screens() const { return screens; }
    const FullScreenRule& FullScreen() const { return fullScreen; }
    // The dots per inch of the monitor that decides the face's zoom.
    int Dpi() const { return screens.Dpi(placement.ZoomAnchor()); }

    // What a mouse message did to the window's place.
    struct Moved {
        bool dragEnded = false;  // a drag ended, whose place is to be kept
        bool leftHome = false;   // the window moved away from home, dodging the pointer
    };

    void StartDrag();
    // The button came up: the drag ends.
    Moved ButtonUp();
    // Another window took the mouse (the popup menu, opened with the left button still down), so
    // the button's release will never reach this one: the drag is over now.
    Moved CaptureChanged(HWND newCapture);
    // Drags the window, or has it dodge the pointer. A drag whose button came up where the
    // window did not see it ends first.
    Moved MouseMoved(WPARAM keys);
    // A dodged window goes home once the pointer has left it.
    void ReturnHome();
    // The window takes `size`, on the edge where it settles, or grown around `anchor` when given.
    void Fit(Size size, std::optional<Point> anchor);
    // Docked windows go back onto an edge, floating ones that no screen shows onto the nearest.
    void ScreensChanged();
    // The window system placed the window: placement follows its real rectangle.
    void Adopt();
    // Steps aside for a full-screen window in front on the window's monitor, or comes back on top.
    void FollowFullScreen();

private:
    bool EndDrag();
    // Moves the window to `at`, and sizes it when given a size. Every move re-asserts
    // always-on-top, except while a full-screen window is in front.
    void MoveTo(Point at, std::optional<Size> size = std::nullopt);

    HWND window = nullptr;  // not owned
    Placement placement;
    DisplayScreens screens;
    FullScreenRule fullScreen;
};
