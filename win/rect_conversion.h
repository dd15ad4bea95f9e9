#pragma once
// The platform's rectangles and points and the portable ones: the same values.

#include <windows.h>

#include "base/geometry.h"

constexpr Rect ToRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

constexpr RECT ToRECT(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Where `window` stands on the screen, frame included; empty for a window that is gone.
inline Rect WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return ToRect(rect);
}

// The window's client area, its top-left at (0, 0).
inline Rect ClientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return ToRect(rect);
}

// Where the pointer is now, as the window system has it.
inline Point PointerPosition() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return {pointer.x, pointer.y};
}
