#include "shell/full_screen_candidate.h"

#include <cstring>

#include "win/rect_conversion.h"

namespace {

// Whether `window` is of the classes that hold the desktop icons and the wallpaper, which cover
// the monitor without a caption and come to the front when the user clicks the bare desktop.
bool HoldsTheDesktop(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "WorkerW") == 0 || std::strcmp(name, "Progman") == 0;
}

}  // namespace

std::optional<ForegroundWindow> FullScreenCandidate(HWND foreground) {
    if (!foreground || foreground == GetDesktopWindow() || foreground == GetShellWindow())
        return std::nullopt;
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    RECT rect{};
    if (process == GetCurrentProcessId() || !GetWindowRect(foreground, &rect))
        return std::nullopt;
    const bool captioned = (GetWindowLongA(foreground, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    // The class is asked last, and of caption-less windows alone: it costs a round trip to the
    // window server.
    if (!captioned && HoldsTheDesktop(foreground))
        return std::nullopt;
    return ForegroundWindow{ToRect(rect), captioned};
}
