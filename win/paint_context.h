#pragma once

#include <windows.h>

// BeginPaint and EndPaint for one WM_PAINT.
class PaintContext {
public:
    explicit PaintContext(HWND window) : window(window) { dc = BeginPaint(window, &paint); }
    ~PaintContext() { EndPaint(window, &paint); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;

    HDC Dc() const { return dc; }

private:
    HWND window;
    PAINTSTRUCT paint{};
    HDC dc = nullptr;  // released by EndPaint
};
