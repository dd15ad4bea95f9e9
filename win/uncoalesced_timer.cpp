#include "win/uncoalesced_timer.h"

namespace {

// SetCoalescableTimer and TIMERV_NO_COALESCING, which the Windows SDK declares only for programs
// that need Windows 8.
using SetCoalescableTimerFunction = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC, ULONG);
constexpr ULONG kNoCoalescing = 0xFFFFFFFF;

SetCoalescableTimerFunction CoalescableTimerFunction() {
    const HMODULE user32 = GetModuleHandleA("user32.dll");  // loaded for the whole run, not owned
    // Through a plain function pointer type, which any other converts to and from.
    static const auto function = reinterpret_cast<SetCoalescableTimerFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetCoalescableTimer")));
    return function;
}

}  // namespace

UINT_PTR SetUncoalescedTimer(HWND window, UINT_PTR id, UINT milliseconds) {
    if (const SetCoalescableTimerFunction setTimer = CoalescableTimerFunction())
        return setTimer(window, id, milliseconds, nullptr, kNoCoalescing);
    return SetTimer(window, id, milliseconds, nullptr);
}
