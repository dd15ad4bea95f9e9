#include "shell/time_jump_watch.h"

#include <wtsapi32.h>

namespace {

// The power setting that reports the console display turning off, on or dim. Spelt out here:
// the headers only declare it, and where its definition lives differs between toolchains.
constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr DWORD kDisplayOn = 1;

bool DisplayCameOn(LPARAM lParam) {
    const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
    return setting && IsEqualGUID(setting->PowerSetting, kConsoleDisplayState) &&
           setting->DataLength >= sizeof(DWORD) &&
           *reinterpret_cast<const DWORD*>(setting->Data) == kDisplayOn;
}

}  // namespace

void TimeJumpWatch::Start(HWND newWindow) {
    Stop();
    window = newWindow;
    WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION);
    displayNotification = RegisterPowerSettingNotification(window, &kConsoleDisplayState,
                                                           DEVICE_NOTIFY_WINDOW_HANDLE);
}

void TimeJumpWatch::Stop() {
    if (!window)
        return;
    WTSUnRegisterSessionNotification(window);
    if (displayNotification)
        UnregisterPowerSettingNotification(displayNotification);
    displayNotification = nullptr;
    window = nullptr;
}

bool TimeJumpWatch::MayHaveJumped(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMECHANGE:
            return true;
        case WM_POWERBROADCAST:
            return wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND ||
                   (wParam == PBT_POWERSETTINGCHANGE && DisplayCameOn(lParam));
        case WM_WTSSESSION_CHANGE:
            return wParam == WTS_SESSION_UNLOCK;
        default:
            return false;
    }
}
