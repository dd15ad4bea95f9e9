// The least a Wine program can do once a second and still show it: a small topmost popup whose
// timer fires every second and fills a 20 x 20 square from the tick, alternately black and
// white, through the window's device context, as the clock draws its changed digits. With
// "--no-draw" it only ticks. tools/idle_bench.sh runs it beside the clock, so that the clock's
// cost can be told apart from what any ticking window costs under Wine.

#include <windows.h>

#include <cstring>

#include "win/unique_handle.h"
#include "win/window_dc.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTickMilliseconds = 1000;
constexpr RECT kSquare{0, 0, 20, 20};

bool draws = true;
bool black = false;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (draws) {
                black = !black;
                const WindowDc dc(window);
                // Stock brushes are shared and never deleted.
                FillRect(dc.get(), &kSquare,
                         static_cast<HBRUSH>(GetStockObject(black ? BLACK_BRUSH : WHITE_BRUSH)));
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    draws = std::strstr(commandLine, "--no-draw") == nullptr;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "ZentrixIdleFloor";
    RegisterClassA(&windowClass);
    const UniqueWindow window(CreateWindowExA(
        WS_EX_TOOLWINDOW | WS_EX_TOPMOST, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 600,
        600, 100, 40, nullptr, nullptr, instance, nullptr));
    if (!window)
        return 1;
    SetTimer(window.get(), kTimerId, kTickMilliseconds, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
