#include "app/clock_place.h"

#include "shell/full_screen_candidate.h"
#include "win/rect_conversion.h"

ClockPlace::ClockPlace(Point saved, bool locked, bool stepAsideForFullScreen)
    : fullScreen(stepAsideForFullScreen) {
    placement.PlaceAt(saved);
    placement.SetLocked(locked);
}

void ClockPlace::StartDrag() {
    SetCapture(window);
    placement.StartDrag(PointerPosition(), WindowRect(window).Origin());
}

bool ClockPlace::EndDrag() {
    if (!placement.Dragging())
        return false;
    placement.EndDrag();
    return true;
}

ClockPlace::Moved ClockPlace::ButtonUp() {
    const Moved moved{.dragEnded = EndDrag()};
    ReleaseCapture();
    return moved;
}

ClockPlace::Moved ClockPlace::CaptureChanged(HWND newCapture) {
    return {.dragEnded = newCapture != window && EndDrag()};
}

ClockPlace::Moved ClockPlace::MouseMoved(WPARAM keys) {
    Moved moved{.dragEnded = !(keys & MK_LBUTTON) && EndDrag()};
    const std::optional<Point> to =
        placement.Dragging()
            ? placement.DragTo(PointerPosition(), screens)
            : placement.Dodge({(keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0}, screens);
    if (to)
        MoveTo(*to);
    moved.leftHome = to && !placement.AtHome();
    return moved;
}

void ClockPlace::ReturnHome() {
    if (placement.AtHome())
        return;  // the pointer is not asked for: that would be a round trip every tick
    if (const std::optional<Point> to = placement.ReturnHome(PointerPosition()))
        MoveTo(*to);
}

void ClockPlace::Fit(Size size, std::optional<Point> anchor) {
    MoveTo(anchor ? placement.Regrow(size, *anchor, screens) : placement.Settle(size, screens),
           size);
}

void ClockPlace::ScreensChanged() {
    if (const std::optional<Point> to = placement.ScreensChanged(screens))
        MoveTo(*to);
}

void ClockPlace::Adopt() {
    placement.Adopt(WindowRect(window));
}

void ClockPlace::MoveTo(Point at, std::optional<Size> size) {
    const Size given = size.value_or(Size{100, 100});  // ignored without one
    UINT flags = size ? 0 : SWP_NOSIZE;
    if (fullScreen.SteppedAside())
        flags |= SWP_NOZORDER;  // staying behind the full-screen window
    SetWindowPos(window, HWND_TOPMOST, at.x, at.y, given.width, given.height, flags);
}

void ClockPlace::FollowFullScreen() {
    const HWND foreground = GetForegroundWindow();
    const std::optional<ForegroundWindow> candidate = FullScreenCandidate(foreground);
    const Rect clock = Rect::At(placement.Position(), placement.WindowSize());
    if (!fullScreen.Follow(candidate && IsFullScreen(*candidate, screens.Nearest(clock))))
        return;
    SetWindowPos(window, fullScreen.SteppedAside() ? foreground : HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
