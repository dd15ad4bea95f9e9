// Where the clock stands: docked to an edge or floating, dragged with the left button, and
// dodging the pointer in auto-move mode until the pointer leaves its resting place.

#include "app/clock_window.h"
#include "app/placement.h"

namespace {

Size ScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

POINT PointerPosition() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return pointer;
}

}  // namespace

void ClockWindow::OnLeftButtonDown() {
    dragging = 1;
    SetCapture(Handle());
    GetWindowRect(Handle(), &dragStartRect);
    const POINT pointer = PointerPosition();
    dragOffsetX = pointer.x - dragStartRect.left;
    dragOffsetY = pointer.y - dragStartRect.top;
}

// Only the button going up ends a drag; a capture lost without it leaves the clock dragging.
void ClockWindow::OnLeftButtonUp() {
    dragging = 0;
    ReleaseCapture();
}

void ClockWindow::OnMouseMove(WPARAM keys) {
    if (!dragging) {
        Dodge(keys);
        return;
    }
    const POINT pointer = PointerPosition();
    posX = pointer.x - dragOffsetX;
    posY = pointer.y - dragOffsetY;
    ClampToEdge();
    homeX = posX;
    homeY = posY;
    MoveTo(posX, posY);
}

// Shift or Ctrl lets the pointer reach the clock, to drag it or open its menu.
void ClockWindow::Dodge(WPARAM keys) {
    if (!autoMove || (keys & (MK_CONTROL | MK_SHIFT)) || posX != homeX || posY != homeY)
        return;
    const Point jump = DodgeJump({posX, posY}, {windowWidth, windowHeight}, ScreenSize(), dockMode);
    posX = jump.x;
    posY = jump.y;
    MoveTo(posX, posY);
}

void ClockWindow::ReturnHome() {
    if (posX == homeX && posY == homeY)
        return;
    const POINT pointer = PointerPosition();
    if (InsideHome({pointer.x, pointer.y}, {homeX, homeY}, {windowWidth, windowHeight}))
        return;
    posX = homeX;
    posY = homeY;
    MoveTo(posX, posY);
}

void ClockWindow::ClampToEdge() {
    const Point clamped =
        ::ClampToEdge({posX, posY}, {windowWidth, windowHeight}, ScreenSize(), dockMode);
    posX = clamped.x;
    posY = clamped.y;
}

void ClockWindow::MoveTo(int x, int y) {
    SetWindowPos(Handle(), HWND_TOPMOST, x, y, 100, 100, SWP_NOSIZE);
}
