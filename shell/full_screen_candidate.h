#pragma once
// The foreground window as the full-screen rule weighs it.

#include <windows.h>

#include <optional>

#include "model/full_screen_rule.h"

// `foreground`, unless it is one that is never taken for a full-screen window: the desktop's,
// or one of the program's own.
std::optional<ForegroundWindow> FullScreenCandidate(HWND foreground);
