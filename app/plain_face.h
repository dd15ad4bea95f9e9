#pragma once
// What the clock window draws itself, without a skin's face.

#include <windows.h>

#include <string>

// Stands in while no skin has a background to show: `time` centred on the filled window, so a
// clock without a skin can still be read and right-clicked.
void PaintPlainText(HWND window, HDC dc, const std::string& time);

// The window's `icon` in the middle of the minimised window.
void PaintMinimised(HWND window, HDC dc, HICON icon);
