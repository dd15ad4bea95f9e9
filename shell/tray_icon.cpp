#include "shell/tray_icon.h"

#include <commctrl.h>

#include <iterator>

namespace {

constexpr UINT kIconId = 1;
// A refused icon is asked for again every few seconds, for three minutes in all.
constexpr UINT kRetryPeriodMs = 5000;

// The picture at the notification area's size for the DPI now.
HICON SmallIcon(HINSTANCE instance, int iconId) {
    HICON icon = nullptr;
    if (FAILED(LoadIconMetric(instance, MAKEINTRESOURCEW(iconId), LIM_SMALL, &icon)))
        return nullptr;
    return icon;
}

}  // namespace

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage, HINSTANCE instance, int iconId)
    : owner(owner),
      callbackMessage(callbackMessage),
      instance(instance),
      iconId(iconId),
      icon(SmallIcon(instance, iconId)),
      presence([this](IconRequest request) { return Ask(request); }) {}

void TrayIcon::Show(bool on) {
    presence.Show(on);
    AimRetries();
}

void TrayIcon::Restore() {
    presence.Restore();
    AimRetries();
}

void TrayIcon::Retry() {
    presence.Retry();
    AimRetries();
}

void TrayIcon::TakeDpi() {
    icon.reset(SmallIcon(instance, iconId));
    if (presence.Shown())
        Ask(IconRequest::Modify);
}

bool TrayIcon::IsTaskbarCreated(UINT message) {
    static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    return message == taskbarCreated && message != 0;
}

void TrayIcon::SetTip(const std::wstring& tip) {
    if (!presence.Shown())
        return;
    NOTIFYICONDATAW data = Data(NIF_TIP);
    lstrcpynW(data.szTip, tip.c_str(), static_cast<int>(std::size(data.szTip)));
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool TrayIcon::Ask(IconRequest request) const {
    constexpr DWORD kMessages[] = {NIM_ADD, NIM_MODIFY, NIM_DELETE};
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    return Shell_NotifyIconW(kMessages[static_cast<int>(request)], &data) != FALSE;
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = icon.get();
    lstrcpynW(data.szTip, L"Zentrix", static_cast<int>(std::size(data.szTip)));
    return data;
}

void TrayIcon::AimRetries() {
    if (presence.Retrying() == retrying)
        return;
    retrying = presence.Retrying();
    if (retrying)
        SetTimer(owner, kRetryTimerId, kRetryPeriodMs, nullptr);
    else
        KillTimer(owner, kRetryTimerId);
}
