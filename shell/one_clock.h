#pragma once
// One clock a user session: a second start of the program hands over to the clock that runs,
// rather than stacking an invisible twin on it that writes the same settings.

#include <windows.h>

#include "win/unique_handle.h"

// The clock window's class, of its own so that it can be found from outside.
constexpr char kClockWindowClass[] = "ZentrixClock";
// Sent to the running clock by a second start: come forward, take the mouse, open the menu.
constexpr UINT kSummonClockMessage = WM_APP + 1;

// Claims the session for this process's clock, and returns the claim, to be held for the run.
// When another clock holds the session, asks it to come forward and returns nothing.
UniqueKernelObject ClaimTheSessionOrSummon();
