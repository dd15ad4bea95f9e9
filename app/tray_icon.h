#pragma once
// The clock's icon in the notification area: the way to a clock that lets clicks through.

#include <windows.h>
#include <shellapi.h>

#include <string>

class TrayIcon {
public:
    // Clicks on the icon come to `owner` as `callbackMessage`, with the mouse message in lParam.
    TrayIcon(HWND owner, UINT callbackMessage, HICON icon);
    ~TrayIcon() { Show(false); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon to the notification area, or takes it away.
    void Show(bool on);
    // The notification area was made anew (Explorer restarted, or started after the clock) and
    // holds no icon: a wanted icon is added again.
    void Restore();
    // Whether `message` tells that the notification area was made anew.
    static bool IsTaskbarCreated(UINT message);
    // The tip shown while the pointer rests on the icon.
    void SetTip(const std::wstring& tip);

private:
    NOTIFYICONDATAW Data(UINT flags) const;

    HWND owner;
    UINT callbackMessage;
    HICON icon;  // shared resource icon, never destroyed
    bool wanted = false;
    bool shown = false;  // the notification area took the icon
};
