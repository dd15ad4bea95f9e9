#include "app/tray_icon.h"

#include <iterator>

namespace {

constexpr UINT kIconId = 1;

}  // namespace

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage, HICON icon)
    : owner(owner), callbackMessage(callbackMessage), icon(icon) {}

void TrayIcon::Show(bool on) {
    wanted = on;
    if (on == shown)
        return;
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    // A shell that is not running refuses the icon; TaskbarCreated brings it later.
    if (Shell_NotifyIconW(on ? NIM_ADD : NIM_DELETE, &data) || !on)
        shown = on;
}

void TrayIcon::Restore() {
    shown = false;
    Show(wanted);
}

bool TrayIcon::IsTaskbarCreated(UINT message) {
    static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    return message == taskbarCreated && message != 0;
}

void TrayIcon::SetTip(const std::wstring& tip) {
    if (!shown)
        return;
    NOTIFYICONDATAW data = Data(NIF_TIP);
    lstrcpynW(data.szTip, tip.c_str(), static_cast<int>(std::size(data.szTip)));
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = icon;
    lstrcpynW(data.szTip, L"Zentrix", static_cast<int>(std::size(data.szTip)));
    return data;
}
