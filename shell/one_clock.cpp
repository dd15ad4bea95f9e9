#include "shell/one_clock.h"

namespace {

// Local: the user's own session, not every session of the machine.
constexpr wchar_t kClaimName[] = L"Local\\Zentrix.Clock";
// How long a second start waits for a clock that holds the session but has no window yet, or
// for one that is ending.
constexpr ULONGLONG kPatienceMs = 5000;
// How long a clock may take to answer a summons; one that is ending never answers.
constexpr UINT kAnswerMs = 1000;

// Asks the clock window `clock` to come forward; true when it answered.
bool Summon(HWND clock) {
    DWORD process = 0;
    GetWindowThreadProcessId(clock, &process);
    // A program the user just started may bring a window to the front; the clock may do so in
    // its place.
    AllowSetForegroundWindow(process);
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(clock, kSummonClockMessage, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs,
                               &answer) != 0;
}

}  // namespace

UniqueKernelObject ClaimTheSessionOrSummon() {
    const ULONGLONG until = GetTickCount64() + kPatienceMs;
    do {
        {
            UniqueKernelObject claim(CreateMutexW(nullptr, FALSE, kClaimName));
            if (claim && GetLastError() != ERROR_ALREADY_EXISTS)
                return claim;
            // Let go before waiting: a handle held by a waiting start keeps the name alive, and
            // two such starts would keep each other from ever claiming it.
        }
        if (const HWND clock = FindWindowA(kClockWindowClass, nullptr); clock && Summon(clock))
            return {};
        Sleep(50);
    } while (GetTickCount64() < until);
    return {};
}
