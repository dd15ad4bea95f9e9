#include "app/display_screens.h"

#include <windows.h>

#include "win/rect_conversion.h"
#include "win/unique_handle.h"
#include "win/window_dc.h"

namespace {

HMONITOR MonitorNearest(const Rect& window) {
    const RECT rect = ToRECT(window);
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST);
}

// GetDpiForMonitor (MDT_EFFECTIVE_DPI), which Windows has from 8.1 on; null before.
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
GetDpiForMonitorFunction MonitorDpiFunction() {
    static const UniqueLibrary shcore(LoadLibraryA("shcore.dll"));
    // Through a plain function pointer type, which any other converts to and from.
    static const auto function =
        shcore ? reinterpret_cast<GetDpiForMonitorFunction>(
                     reinterpret_cast<void (*)()>(GetProcAddress(shcore.get(), "GetDpiForMonitor")))
               : nullptr;
    return function;
}

}  // namespace

Rect DisplayScreens::Nearest(const Rect& window) const {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorNearest(window), &info))
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return ToRect(info.rcMonitor);
}

bool DisplayScreens::AnyShows(const Rect& window) const {
    const RECT rect = ToRECT(window);
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

int DisplayScreens::Dpi(Point point) const {
    constexpr int kEffectiveDpi = 0;
    UINT x = 0, y = 0;
    if (const GetDpiForMonitorFunction function = MonitorDpiFunction();
        function &&
        SUCCEEDED(function(MonitorFromPoint({point.x, point.y}, MONITOR_DEFAULTTONEAREST),
                           kEffectiveDpi, &x, &y)))
        return static_cast<int>(x);
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSX);
}
