#pragma once
// Notifications that a dialog sends back to the control that caused them, so that the
// control, not the dialog, decides its own colours and what a click does.

#include <windows.h>

// The reflected messages are numbered as the platform's own controls number theirs (OCM_BASE in
// olectl.h): the parent's message plus WM_USER + 0x1C00, well below 0xC000, where the numbers
// that RegisterWindowMessage hands out begin.
constexpr UINT kReflectionBase = WM_USER + 0x1C00;

// wParam and lParam as the parent received them; a non-zero result means the control
// answered (for the colour message, the brush it chose).
constexpr UINT kReflectedCtlColorStatic = kReflectionBase + WM_CTLCOLORSTATIC;
constexpr UINT kReflectedCommand = kReflectionBase + WM_COMMAND;
