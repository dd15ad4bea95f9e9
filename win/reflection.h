#pragma once
// Notifications that a dialog sends back to the control that caused them, so that the
// control, not the dialog, decides its own colours and what a click does.

#include <windows.h>

// wParam and lParam as the parent received them; a non-zero result means the control
// answered (for the colour message, the brush it chose).
constexpr UINT kReflectedCtlColorStatic = WM_APP + 0x3F00 + WM_CTLCOLORSTATIC;
constexpr UINT kReflectedCommand = WM_APP + 0x3F00 + WM_COMMAND;
