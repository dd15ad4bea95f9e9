// Where the clock stands: the window's mouse messages handed to the placement model, and the
// moves it decides on made.

#include <windowsx.h>

#include "app/clock_window.h"

namespace {

Point PointerPosition() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return {pointer.x, pointer.y};
}

}  // namespace

// The message's own point is not used: the pointer is read as the window system has it now.
void ClockWindow::OnLeftButtonDown() {
    SetCapture(Handle());
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    placement.StartDrag(PointerPosition(), {rect.left, rect.top});
}

void ClockWindow::OnLeftButtonUp() {
    EndDrag();
    ReleaseCapture();
}

// Another window took the mouse (the popup menu, opened with the left button still down), so
// the button's release will never reach the clock: the drag is over now.
void ClockWindow::OnCaptureChanged(HWND newCapture) {
    if (newCapture != Handle())
        EndDrag();
}

void ClockWindow::EndDrag() {
    if (!placement.Dragging())
        return;
    placement.EndDrag();
    SaveSettings();
}

void ClockWindow::OnMouseMove(WPARAM keys) {
    // A drag whose button came up where the clock did not see it is over.
    if (placement.Dragging() && !(keys & MK_LBUTTON))
        EndDrag();
    const std::optional<Point> to =
        placement.Dragging()
            ? placement.DragTo(PointerPosition(), screens)
            : placement.Dodge({(keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0}, screens);
    if (to)
        MoveTo(*to);
}

// While no skin has sized the window, the window system places it (the dialog manager centres
// it at the start), and placement follows the window's real rectangle.
void ClockWindow::OnWindowMoved(const WINDOWPOS& moved) {
    const bool moveOrSize = (moved.flags & SWP_NOMOVE) == 0 || (moved.flags & SWP_NOSIZE) == 0;
    if (skin.HasBackground() || !moveOrSize)
        return;
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    placement.Adopt({rect.left, rect.top, rect.right, rect.bottom});
}

// Docked clocks go back onto an edge, floating ones that no screen shows onto the nearest; on
// a screen of another DPI the face takes that screen's zoom.
void ClockWindow::OnScreensChanged() {
    if (skin.HasBackground() && WantedZoom() != zoom)
        ApplySkin();
    if (const std::optional<Point> to = placement.ScreensChanged(screens))
        MoveTo(*to);
}

void ClockWindow::ReturnHome() {
    if (placement.AtHome())
        return;  // the pointer is not asked for: that would be a round trip every tick
    if (const std::optional<Point> to = placement.ReturnHome(PointerPosition()))
        MoveTo(*to);
}

void ClockWindow::MoveTo(Point at, std::optional<Size> size) {
    const Size given = size.value_or(Size{100, 100});  // ignored without one
    UINT flags = size ? 0 : SWP_NOSIZE;
    if (steppedAside)
        flags |= SWP_NOZORDER;  // staying behind the full-screen window
    SetWindowPos(Handle(), HWND_TOPMOST, at.x, at.y, given.width, given.height, flags);
}

// Full-screen windows have no caption and cover their monitor whole; the desktop, the shell's
// window and the clock's own dialogs are not taken for one.
bool ClockWindow::FullScreenInFront() const {
    const HWND foreground = GetForegroundWindow();
    if (!foreground || foreground == Handle() || foreground == GetDesktopWindow() ||
        foreground == GetShellWindow())
        return false;
    RECT rect{};
    const Rect monitor = screens.Nearest(Rect::At(placement.Position(), placement.WindowSize()));
    if (!GetWindowRect(foreground, &rect) ||
        !Rect{rect.left, rect.top, rect.right, rect.bottom}.Covers(monitor))
        return false;
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    return process != GetCurrentProcessId() &&
           (GetWindowLongA(foreground, GWL_STYLE) & WS_CAPTION) != WS_CAPTION;
}

// A clock that stays on top of a video, a game or a slide show is in the way; it goes behind
// such a window (which takes it out of the topmost band) and comes back on top when the window
// leaves full screen, closes or loses the foreground.
void ClockWindow::FollowFullScreen() {
    if (!stepAsideForFullScreen || FullScreenInFront() == steppedAside)
        return;
    steppedAside = !steppedAside;
    SetWindowPos(Handle(), steppedAside ? GetForegroundWindow() : HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
