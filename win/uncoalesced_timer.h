#pragma once

#include <windows.h>

// SetTimer for a timer that must fire when it is due: from Windows 8 on, the system may
// otherwise hold a plain timer back by up to its own tick to fire it with others. Earlier
// systems never hold one back, and get a plain timer.
UINT_PTR SetUncoalescedTimer(HWND window, UINT_PTR id, UINT milliseconds);
