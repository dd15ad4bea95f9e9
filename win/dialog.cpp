#include "win/dialog.h"

#include "win/reflection.h"

Dialog::Dialog(int templateId, HINSTANCE instance, HWND owner)
    : templateId(templateId), instance(instance), owner(owner) {}

INT_PTR Dialog::DoModal() {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create() {
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::Destroy() {
    if (window)
        DestroyWindow(window);  // clears `window` on WM_NCDESTROY
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->window = window;
        RECT before{};
        GetWindowRect(window, &before);
        const bool focusFirstTabStop = self->OnInitDialog();
        // A dialog that its initialisation left hidden at the template's place is centred.
        RECT after{};
        GetWindowRect(window, &after);
        if (after.left == before.left && after.top == before.top && !IsWindowVisible(window))
            CenterWindow(window);
        return focusFirstTabStop ? TRUE : FALSE;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self)
        return FALSE;
    const INT_PTR answer = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        self->window = nullptr;
    return answer;
}

namespace {

// Messages whose dialog-procedure result is the answer itself, not a handled flag.
bool AnswersDirectly(UINT message) {
    switch (message) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
        case WM_INITDIALOG:
            return true;
        default:
            return false;
    }
}

}  // namespace

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    bool handled = false;
    if (message == WM_CTLCOLORSTATIC && lParam) {
        result =
            SendMessageA(reinterpret_cast<HWND>(lParam), kReflectedCtlColorStatic, wParam, lParam);
        handled = result != 0;
    } else if (message == WM_COMMAND && lParam &&
               SendMessageA(reinterpret_cast<HWND>(lParam), kReflectedCommand, wParam, lParam)) {
        return TRUE;
    }
    if (!handled)
        handled = HandleMessage(message, wParam, lParam, result);
    if (!handled && message == WM_COMMAND)
        handled = OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    if (!handled)
        return FALSE;
    if (AnswersDirectly(message))
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

bool Dialog::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool Dialog::OnCommand(int id, int, HWND) {
    switch (id) {
        case IDOK:
            OnOK();
            return true;
        case IDCANCEL:
            OnCancel();
            return true;
        default:
            return false;
    }
}

void CenterWindow(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    const HWND owner = GetWindow(window, GW_OWNER);
    const bool overOwner = owner && IsWindowVisible(owner) && !IsIconic(owner);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    const POINT origin{0, 0};
    GetMonitorInfoA(overOwner ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                              : MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
    const RECT work = monitor.rcWork;
    RECT centre = work;
    if (overOwner)
        GetWindowRect(owner, &centre);

    int left = (centre.left + centre.right) / 2 - width / 2;
    int top = (centre.top + centre.bottom) / 2 - height / 2;
    if (left + width > work.right)
        left = work.right - width;
    if (top + height > work.bottom)
        top = work.bottom - height;
    if (left < work.left)
        left = work.left;
    if (top < work.top)
        top = work.top;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// SetDialogDpiChangeBehavior is there from Windows 10 1703 on.
void KeepDialogManagerFromScaling(HWND dialog) {
    using SetBehaviour = BOOL(WINAPI*)(HWND, int mask, int values);
    constexpr int kDisableAll = 1;                          // DDC_DISABLE_ALL
    const HMODULE user32 = GetModuleHandleA("user32.dll");  // loaded for the whole run, not owned
    if (const auto set = reinterpret_cast<SetBehaviour>(
            reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetDialogDpiChangeBehavior"))))
        set(dialog, kDisableAll, kDisableAll);
}
