#include "app/date_tip.h"

#include <commctrl.h>

namespace {

constexpr int kTipWidth = 600;

}  // namespace

void DateTip::Create(HWND clock) {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    // The clock is a topmost window that is seldom active: the tip must show over it all the
    // same. It has no owner: the window system takes a topmost window's owned windows out of
    // the topmost band with it, and may then put the owner back only below them, so that a
    // clock that stepped behind a full-screen window would not come back on top.
    tip.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr));
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = clock;
    tool.uId = reinterpret_cast<UINT_PTR>(clock);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // A width of its own makes the tip break its lines where the text does.
    SendMessageW(tip.get(), TTM_SETMAXTIPWIDTH, 0, kTipWidth);
}

void DateTip::Relay(HWND clock, UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!tip)
        return;
    MSG relayed{clock, message, wParam, lParam, 0, {}};
    SendMessageW(tip.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

bool DateTip::Answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                     const std::function<std::wstring()>& text) {
    if (!tip)
        return false;
    // Asked as the tool is added: the clock is an ANSI window, but a date in the user's format
    // may hold characters of no code page.
    if (message == WM_NOTIFYFORMAT && reinterpret_cast<HWND>(wParam) == tip.get()) {
        result = NFR_UNICODE;
        return true;
    }
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (message != WM_NOTIFY || header->hwndFrom != tip.get() || header->code != TTN_GETDISPINFOW)
        return false;
    shownText = text();
    reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = shownText.data();
    result = 0;
    return true;
}
