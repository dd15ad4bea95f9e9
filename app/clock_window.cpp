#include "app/clock_window.h"

#include <windowsx.h>
#include <time.h>

#include <utility>

#include "about/about_dialog.h"
#include "app/plain_face.h"
#include "res/resource.h"
#include "skin/skin_folders.h"
#include "skin/skin_select_dialog.h"
#include "win/application.h"
#include "win/paint_context.h"
#include "win/rect_conversion.h"

ClockWindow::ClockWindow(ClockHost& host, Application& app, const ClockSettings& saved,
                         WallClock now)
    : Dialog(IDD_CLOCK, app.Instance(), nullptr),
      host(host),
      app(app),
      now(now),
      icon(LoadIconA(app.Instance(), MAKEINTRESOURCEA(IDI_CLOCK))),
      shown(app.ExeFolder(), saved.skinName, saved.zoomChoice),
      presenter(shown.Face()),
      menu(app.Instance(), IDR_POPUP),
      place(saved.position, saved.window.Locked(), saved.stepAsideForFullScreen),
      placement(place.Model()),
      timeChoices(saved.time),
      windowChoices(saved.window),
      zone(saved.zone, saved.label) {}

bool ClockWindow::OnInitDialog() {
    Dialog::OnInitDialog();
    KeepDialogManagerFromScaling(Handle());
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    presenter.Attach(Handle());
    place.Attach(Handle());
    TakeSeeThrough();

    SetTimeFormat();
    if (const std::optional<std::string> told = zone.ForgetUnknown())
        app.ShowMessage(told->c_str(), Handle());  // once: the zone goes with the next save
    shown.SetLabel(zone.Label());
    shown.ShowTime(zone.TimeText(now(), timeFormat));  // the first face, until the first tick
    if (!ShowSkin(shown.Name()))
        OnSelectSkin();
    if (!shown.HasFace())
        TakeFit(std::nullopt);  // the plain text face, in the window as it stands
    dateTip.Create(Handle());
    return true;
}

bool ClockWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (host.Hear(Handle(), message, wParam, lParam, result))
        return true;
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        dateTip.Relay(Handle(), message, wParam, lParam);
    switch (message) {
        case WM_SYSCOMMAND:
            // The window has no system menu; commands 16 to 31 reach it only when sent from
            // outside.
            if ((wParam & 0xFFF0) != 16)
                return false;
            AboutDialog(Instance(), Handle()).DoModal();
            return true;
        case WM_PAINT:
            OnPaint();
            return true;
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(icon);
            return true;
        case WM_LBUTTONDOWN:
            place.StartDrag();
            return false;
        case WM_LBUTTONUP:
            TakeMove(place.ButtonUp());
            return false;
        case WM_MOUSEMOVE:
            TakeMove(place.MouseMoved(wParam));
            return false;
        case WM_CAPTURECHANGED:
            TakeMove(place.CaptureChanged(reinterpret_cast<HWND>(lParam)));
            return false;
        case WM_WINDOWPOSCHANGED:
            OnWindowMoved(*reinterpret_cast<const WINDOWPOS*>(lParam));
            return false;
        case WM_DISPLAYCHANGE:
            OnScreensChanged();
            return true;
        case WM_DPICHANGED:
            // Where the window system suggests the clock goes at the new DPI.
            OnScreensChanged(ToRect(*reinterpret_cast<const RECT*>(lParam)));
            return true;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA)
                OnScreensChanged();
            return false;
        case WM_NOTIFYFORMAT:
        case WM_NOTIFY:
            // The date's tooltip hides while the clock is away from home, dodging the pointer.
            return dateTip.Answer(message, wParam, lParam, result, [this] {
                return placement.AtHome() ? zone.Tip(now()) : std::wstring();
            });
        case WM_ERASEBKGND:
            // The face covers the whole window; erasing first would only make it flicker.
            result = 0;
            return true;
        case WM_CLOSE:
            return false;  // the dialog manager turns the close into IDCANCEL, which ends the run
        case WM_RBUTTONDOWN:
            OnRightButtonDown(wParam, lParam);
            return true;
        default:
            return false;
    }
}

bool ClockWindow::OnCommand(int id, int notifyCode, HWND control) {
    if (Choose(id))
        return true;
    switch (id) {
        case IDM_SELECT_SKIN:
            OnSelectSkin();
            return true;
        case IDM_EXIT:
            PostMessageA(Handle(), WM_CLOSE, 0, 0);
            return true;
        case IDOK:
        case IDCANCEL:
            // Escape, Enter and the close request all end the run, and save the settings.
            host.EndRun();
            return true;
        case IDM_ABOUT:
            AboutDialog(Instance(), Handle()).DoModal();
            return true;
        case IDM_TIME_ZONE:
        case IDM_LABEL:
            if (id == IDM_TIME_ZONE ? zone.Choose(Instance(), Handle())
                                    : zone.EditLabel(Instance(), Handle()))
                TakeZone();
            return true;
        case IDM_NEW_CLOCK:
            host.NewClock(*this);
            return true;
        case IDM_CLOSE_CLOCK:
            host.CloseClock(*this);
            return true;
        default:
            // What neither the clock nor the dialog answers (the help command) is the program's.
            return Dialog::OnCommand(id, notifyCode, control) || app.OnCommand(id);
    }
}

ClockSettings ClockWindow::Settings() const {
    return {.skinName = shown.Name(),
            .position = WindowRect(Handle()).Origin(),
            .zoomChoice = shown.ZoomChoice(),
            .time = timeChoices,
            .window = windowChoices,
            .stepAsideForFullScreen = place.FullScreen().StepsAside(),
            .zone = zone.Key(),
            .label = zone.OwnLabel()};
}

// The skin and the time

bool ClockWindow::ShowSkin(const std::string& name) {
    std::string whyNot;
    std::optional<SkinFit> fit = shown.Switch(name, placement.Mode(), place.Dpi(), &whyNot);
    if (!fit) {
        app.ShowMessage(whyNot.c_str(), Handle());
        return false;
    }
    TakeFit(std::move(fit));
    return true;
}

// The face takes the label, which may add a strip below it, and the time there.
void ClockWindow::TakeZone() {
    shown.SetLabel(zone.Label());
    TakeFit(shown.Fit(placement.Mode(), place.Dpi()));
    Resynchronise();
    host.Save();
}

void ClockWindow::OnSelectSkin() {
    SkinSelectDialog chooser(Instance(), Handle(), shown.Name(), SkinNames(app.ExeFolder()));
    if (chooser.DoModal() == IDOK && ShowSkin(chooser.selectedSkin))
        host.Save();
}

// The window takes the skin's size and shape, on the edge where it settles (grown around
// `anchor` when given), and the whole face.
void ClockWindow::TakeFit(std::optional<SkinFit> fit, std::optional<Point> anchor) {
    if (!fit) {
        // No background has ever loaded: rather than shrink to nothing and become unreachable,
        // the window keeps its size and place and shows the plain text face.
        place.Adopt();
        InvalidateRect(Handle(), nullptr, FALSE);
        return;
    }
    presenter.TakeShape(std::move(fit->shape), true);
    place.Fit(fit->size, anchor);
    presenter.TakeFace(shown.IsAlpha());
}

// Each tick shows the second (or minute) it finds, if the face does not show it yet.
void ClockWindow::Tick(WallTime time) {
    if (ticker.TakeNew(time)) {
        FaceChange change = shown.ShowTime(zone.TimeText(time, timeFormat));
        if (!shown.HasFace()) {
            InvalidateRect(Handle(), nullptr, FALSE);  // the plain text face, drawn whole
        } else if (!change.area.IsEmpty()) {
            presenter.TakeShape(std::move(change.shape), false);
            presenter.Show(change.area);
        }
    }
    place.ReturnHome();
    place.FollowFullScreen();
}

TickUnit ClockWindow::Pace() const {
    return placement.AtHome() && host.HearsFullScreenWindows() ? ticker.Unit() : TickUnit::Second;
}

void ClockWindow::Resynchronise() {
    _tzset();  // the runtime reads the time zone once, unless told it may have changed
    ticker.Forget();
    shown.ComposeWholeNext();
    Tick(now());
}

void ClockWindow::OnPaint() {
    const PaintContext paint(Handle());
    if (IsIconic(Handle()))
        PaintMinimised(Handle(), paint.Dc(), icon);
    else if (shown.HasFace())
        presenter.Paint(paint.Dc());
    else
        PaintPlainText(Handle(), paint.Dc(), shown.Time());
}

void ClockWindow::TakeMove(ClockPlace::Moved moved) {
    if (moved.dragEnded)
        host.Save();
    // A dodged clock looks for the pointer to leave its home every second, whatever its face.
    if (moved.leftHome)
        host.PaceChanged();
}

// While no skin has sized the window, the window system places it (the dialog manager centres
// it at the start), and placement follows the window's real rectangle.
void ClockWindow::OnWindowMoved(const WINDOWPOS& moved) {
    const bool moveOrSize = (moved.flags & SWP_NOMOVE) == 0 || (moved.flags & SWP_NOSIZE) == 0;
    if (!shown.HasFace() && moveOrSize)
        place.Adopt();
}

// Docked clocks go back onto an edge, floating ones that no screen shows onto the nearest; on
// a screen of another DPI the face takes that screen's zoom, grown around the point that
// decided it. The window's own growing may bring a DPI change of its own, which is not
// followed: the zoom is decided once per move.
void ClockWindow::OnScreensChanged(std::optional<Rect> suggested) {
    if (regrowing)
        return;
    const Point anchor =
        suggested && !placement.Dragging() ? suggested->Middle() : placement.ZoomAnchor();
    if (const int dpi = place.Screens().Dpi(anchor); shown.ZoomChangesAt(dpi)) {
        regrowing = true;
        TakeFit(shown.Fit(placement.Mode(), dpi), anchor);
        regrowing = false;
    }
    place.ScreensChanged();
    host.Save();  // wherever the change took the clock, as after every other move
}

void ClockWindow::FollowFullScreen() {
    place.FollowFullScreen();
}

// Menu and commands

void ClockWindow::OnRightButtonDown(WPARAM keys, LPARAM point) {
    DefWindowProcA(Handle(), WM_RBUTTONDOWN, keys, point);
    // The window has no frame, so the client point plus the window's corner is the screen point.
    const Point corner = WindowRect(Handle()).Origin();
    OpenMenu({GET_X_LPARAM(point) + corner.x, GET_Y_LPARAM(point) + corner.y});
}

void ClockWindow::OpenMenu(Point at, bool fromOutside) {
    menu.Enable(IDM_CLOSE_CLOCK, host.SeveralClocks());
    menu.Enable(IDM_NEW_CLOCK, host.RoomForAnother());
    menu.Open(Handle(), at, MenuChoicesNow(), fromOutside);
}

MenuChoices ClockWindow::MenuChoicesNow() const {
    return {.dock = placement.Mode(),
            .autoMove = placement.AutoMove(),
            .zoomChoice = shown.ZoomChoice().value_or(0),
            .time = timeChoices,
            .window = windowChoices,
            .startWithWindows = host.StartsWithWindows(),
            .chime = host.Chime()};
}

// Each choice goes to the one call that makes its part take effect, even when it is the choice
// already made: docking again reloads the skin, and every choice is saved.
bool ClockWindow::Choose(int command) {
    const MenuItem* item = FindMenuItem(command);
    if (!item)
        return false;
    MenuChoices choices = MenuChoicesNow();
    item->choose(choices);
    switch (item->part) {
        case MenuPart::Dock:
            SetDockMode(choices.dock);
            break;
        case MenuPart::AutoMove:
            if (choices.autoMove != placement.AutoMove())
                placement.FlipAutoMove();
            break;
        case MenuPart::Zoom:
            SetZoomChoice(choices.zoomChoice);
            break;
        case MenuPart::Time:
            timeChoices = choices.time;  // the face changes at once
            TakeTimeFormat();
            host.Save();
            break;
        case MenuPart::Window:
            SetWindowChoices(choices.window);
            break;
        case MenuPart::StartWithWindows:
        case MenuPart::Chime:
            host.TakeProgramChoices(choices);
            break;
    }
    return true;
}

// Every mode change reads the skin again, which turns, sizes, shapes and clamps it for the new
// edge.
void ClockWindow::SetDockMode(DockMode mode) {
    placement.SetMode(mode);
    TakeFit(shown.Reload(mode, place.Dpi()));
    host.Save();
}

void ClockWindow::SetZoomChoice(int choice) {
    shown.SetZoomChoice(choice);
    TakeFit(shown.Fit(placement.Mode(), place.Dpi()));
    host.Save();
}

void ClockWindow::SetTimeFormat() {
    timeFormat = timeChoices.Format(host.RegionUsesTwelveHours());
    ticker.SetUnit(timeFormat.ChangesEverySecond() ? TickUnit::Second : TickUnit::Minute);
}

void ClockWindow::TakeTimeFormat() {
    SetTimeFormat();
    Tick(now());  // the face in the new format at once
    host.PaceChanged();
}

void ClockWindow::SetWindowChoices(const WindowChoices& choices) {
    windowChoices = choices;
    placement.SetLocked(choices.Locked());
    TakeSeeThrough();
    host.WindowChoicesChanged();
    host.Save();
}

void ClockWindow::TakeSeeThrough() {
    presenter.SetSeeThrough(static_cast<BYTE>(windowChoices.Alpha()), windowChoices.ClickThrough());
}

void ClockWindow::TakeClicks() {
    if (windowChoices.ClickThrough())
        Choose(IDM_CLICK_THROUGH);
}

// Not activated: a clock in the foreground would take the user's next Enter or Escape for its
// own, and end.
void ClockWindow::BringForward() {
    if (IsIconic(Handle()))
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

bool ClockWindow::BringOpenDialogForward() {
    if (IsWindowEnabled(Handle()))
        return false;
    SetForegroundWindow(GetLastActivePopup(Handle()));
    return true;
}
