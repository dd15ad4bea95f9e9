// The right-click menu: the only way to reach the clock's commands.

#include <windowsx.h>

#include "app/clock_window.h"
#include "app/start_with_windows.h"
#include "res/resource.h"
#include "win/application.h"

namespace {

UINT CheckedIf(bool on) {
    return MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED);
}

int PlacementItem(DockMode mode) {
    switch (mode) {
        case DockLeft:
            return IDM_DOCK_LEFT;
        case DockRight:
            return IDM_DOCK_RIGHT;
        case DockTop:
            return IDM_DOCK_TOP;
        default:
            return IDM_FLOATING;
    }
}

}  // namespace

// The check marks are set afresh at every opening from the dock mode and auto move.
void ClockWindow::OnRightButtonDown(WPARAM keys, LPARAM point) {
    DefWindowProcA(Handle(), WM_RBUTTONDOWN, keys, point);
    const HMENU menu = GetSubMenu(popupMenu.get(), 0);  // owned by popupMenu
    RECT window{};
    GetWindowRect(Handle(), &window);
    for (int item : {IDM_DOCK_TOP, IDM_DOCK_LEFT, IDM_DOCK_RIGHT, IDM_FLOATING})
        CheckMenuItem(menu, item, CheckedIf(false));
    CheckMenuItem(menu, IDM_AUTO_MOVE, CheckedIf(placement.AutoMove()));
    CheckMenuItem(menu, PlacementItem(placement.Mode()), CheckedIf(true));
    // As the system's list has it now: the user or another copy of the program may have
    // changed it since.
    CheckMenuItem(menu, IDM_START_WITH_WINDOWS, CheckedIf(StartsWithWindows(app.ExePath())));
    CheckMenuRadioItem(menu, IDM_SIZE_AUTOMATIC, IDM_SIZE_3X,
                       IDM_SIZE_AUTOMATIC + zoomChoice.value_or(0), MF_BYCOMMAND);
    // The window has no frame, so the client point plus the window's corner is the screen point.
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, GET_X_LPARAM(point) + window.left,
                   GET_Y_LPARAM(point) + window.top, 0, Handle(), nullptr);
}

void ClockWindow::FlipStartWithWindows() {
    const std::string& program = app.ExePath();
    SetStartsWithWindows(program, !StartsWithWindows(program));
}

// Every mode change reads the skin again, which turns, sizes, shapes and clamps it for the new
// edge; a skin whose files have gone meanwhile is shown as it was read before, on the new edge.
void ClockWindow::SetDockMode(DockMode mode) {
    placement.SetMode(mode);
    if (!LoadSkin(skinName))
        ApplySkin();
    SaveSettings();
}
