#include "tests/win/link_probe.h"

#include <commctrl.h>

#include "win/unique_handle.h"
#include "win/window_dc.h"

LinkPaint PaintOfLink(HWND dialog, HWND label) {
    const WindowDc dc(dialog);
    // Colours the label will not choose, so that an untouched context shows.
    SetTextColor(dc.get(), RGB(1, 2, 3));
    SetBkMode(dc.get(), OPAQUE);
    const LRESULT brush =
        SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                     reinterpret_cast<LPARAM>(label));
    return {GetTextColor(dc.get()), GetBkMode(dc.get()), reinterpret_cast<HBRUSH>(brush)};
}

namespace {

TTTOOLINFOA ToolOf(HWND label, char* text) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = label;
    tool.uId = 1;
    tool.lpszText = text;
    return tool;
}

struct ToolTipSearch {
    HWND label;
    HWND found;
};

BOOL CALLBACK VisitToolTip(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ToolTipSearch*>(data);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    TTTOOLINFOA tool = ToolOf(search->label, nullptr);
    if (lstrcmpiA(className, TOOLTIPS_CLASSA) == 0 &&
        SendMessageA(window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND ToolTipOf(HWND label) {
    ToolTipSearch search{label, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), VisitToolTip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ToolTipText(HWND label) {
    const HWND toolTip = ToolTipOf(label);
    if (!toolTip)
        return {};
    // The ANSI message gives at most 80 bytes back.
    char text[256] = {};
    TTTOOLINFOA tool = ToolOf(label, text);
    SendMessageA(toolTip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

std::string WindowTextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT RectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE TextExtentOf(HWND label) {
    const std::string text = WindowTextOf(label);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
    SIZE extent{};
    const WindowDc dc(label);
    const ScopedSelect select(dc.get(), font);
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}
