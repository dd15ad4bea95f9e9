#pragma once
// The clock's icon in the notification area: the way to a clock that lets clicks through.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "model/icon_presence.h"
#include "win/unique_handle.h"

class TrayIcon {
public:
    // The timer, set on the owner, whose ticks ask again for an icon the shell refused.
    static constexpr UINT_PTR kRetryTimerId = 101;

    // Clicks on the icon come to `owner` as `callbackMessage`, with the mouse message in lParam.
    // The picture is the icon resource `iconId` of `instance`.
    TrayIcon(HWND owner, UINT callbackMessage, HINSTANCE instance, int iconId);
    ~TrayIcon() { Show(false); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon to the notification area, or takes it away.
    void Show(bool on);
    // The notification area was made anew (Explorer restarted, or started after the clock) and
    // holds no icon: a wanted icon is added again.
    void Restore();
    // The retry timer fired.
    void Retry();
    // The DPI changed: the picture is loaded again at the notification area's new size.
    void TakeDpi();
    // Whether `message` tells that the notification area was made anew.
    static bool IsTaskbarCreated(UINT message);
    // The tip shown while the pointer rests on the icon.
    void SetTip(const std::wstring& tip);

private:
    bool Ask(IconRequest request) const;
    NOTIFYICONDATAW Data(UINT flags) const;
    // Runs the retry timer while the presence wants tries, and only then.
    void AimRetries();

    HWND owner;  // not owned
    UINT callbackMessage;
    HINSTANCE instance;
    int iconId;
    UniqueIcon icon;
    IconPresence presence;
    bool retrying = false;  // the retry timer runs
};
