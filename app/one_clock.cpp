#include "app/one_clock.h"

namespace {

// Local: the user's own session, not every session of the machine.
constexpr wchar_t kClaimName[] = L"Local\\Zentrix.Clock";
// How long a second start waits for a clock that holds the session but has no window yet, or
// for one that is ending.
constexpr ULONGLONG kPatienceMs = 5000;

}  // namespace

UniqueKernelObject ClaimTheSessionOrSummon() {
    const ULONGLONG until = GetTickCount64() + kPatienceMs;
    do {
        UniqueKernelObject claim(CreateMutexW(nullptr, FALSE, kClaimName));
        if (claim && GetLastError() != ERROR_ALREADY_EXISTS)
            return claim;
        if (const HWND clock = FindWindowA(kClockWindowClass, nullptr)) {
            DWORD process = 0;
            GetWindowThreadProcessId(clock, &process);
            // A program the user just started may bring a window to the front; the clock may
            // do so in its place.
            AllowSetForegroundWindow(process);
            PostMessageA(clock, kSummonClockMessage, 0, 0);
            return {};
        }
        Sleep(50);
    } while (GetTickCount64() < until);
    return {};
}
