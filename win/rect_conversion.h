#pragma once
// The platform's rectangles and the portable ones: the same four edges.

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
