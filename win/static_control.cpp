#include "win/static_control.h"

#include <commctrl.h>

#include "win/reflection.h"

namespace {
constexpr UINT_PTR kSubclassId = 1;
}

bool StaticControl::Attach(HWND window) {
    Detach();
    if (!window ||
        !SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    control = window;
    OnAttached();
    return true;
}

void StaticControl::Detach() {
    if (!control)
        return;
    RemoveWindowSubclass(control, SubclassProc, kSubclassId);
    control = nullptr;
}

LRESULT StaticControl::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT CALLBACK StaticControl::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<StaticControl*>(data);
    switch (message) {
        case kReflectedCtlColorStatic:
            return reinterpret_cast<LRESULT>(
                self->OnReflectedCtlColor(reinterpret_cast<HDC>(wParam)));
        case kReflectedCommand:
            if (HIWORD(wParam) != STN_CLICKED)
                return 0;
            self->OnReflectedClick();
            return 1;
        case WM_NCDESTROY:
            self->Detach();
            return DefSubclassProc(window, message, wParam, lParam);
        default: {
            LRESULT result = 0;
            if (self->HandleMessage(message, wParam, lParam, result))
                return result;
            return DefSubclassProc(window, message, wParam, lParam);
        }
    }
}
