#include "app/clock_window.h"

#include <windowsx.h>
#include <time.h>

#include <cstring>
#include <utility>

#include "about/about_dialog.h"
#include "model/window_paint_layout.h"
#include "res/resource.h"
#include "shell/one_clock.h"
#include "shell/regional_format.h"
#include "shell/start_with_windows.h"
#include "skin/skin_folders.h"
#include "skin/skin_select_dialog.h"
#include "win/application.h"
#include "win/paint_context.h"
#include "win/rect_conversion.h"
#include "win/uncoalesced_timer.h"

namespace {

Point PointerPosition() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return {pointer.x, pointer.y};
}

// Whether `window` is of the classes that hold the desktop icons and the wallpaper, which cover
// the monitor without a caption and come to the front when the user clicks the bare desktop.
bool HoldsTheDesktop(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "WorkerW") == 0 || std::strcmp(name, "Progman") == 0;
}

// The foreground window, unless it is one that is never taken for a full-screen window: the
// desktop's, or one of the clock's own.
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

UINT CheckedIf(bool on) {
    return MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED);
}

// The dialog manager of Per-Monitor-v2 programs would size the clock by its dialog template at
// a DPI change, and base the place it suggests on that size: the clock sizes itself by its face.
// SetDialogDpiChangeBehavior is there from Windows 10 1703 on.
void KeepDialogManagerFromScaling(HWND dialog) {
    using SetBehaviour = BOOL(WINAPI*)(HWND, int mask, int values);
    constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
    const HMODULE user32 = GetModuleHandleA("user32.dll");  // loaded for the whole run, not owned
    if (const auto set = reinterpret_cast<SetBehaviour>(reinterpret_cast<void (*)()>(
            GetProcAddress(user32, "SetDialogDpiChangeBehavior"))))
        set(dialog, kDisableAll, kDisableAll);
}

// The clock's window class: a dialog's, under a name of its own.
void RegisterClockClass(HINSTANCE instance, HICON icon) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefDlgProcA;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClockWindowClass;
    RegisterClassExA(&windowClass);  // fails harmlessly for the second clock of a process
}

}  // namespace

ClockWindow::ClockWindow(Application& app, WallClock now)
    : ClockWindow(app, now,
                  ClockSettings::Read(SettingsFile::ForProgram(app.ExeFolder(), app.ExeName()))) {}

ClockWindow::ClockWindow(Application& app, WallClock now, const ClockSettings& saved)
    : Dialog(IDD_CLOCK, app.Instance(), nullptr),
      app(app),
      now(now),
      icon(LoadIconA(app.Instance(), MAKEINTRESOURCEA(IDI_CLOCK))),
      shown(app.ExeFolder(), saved.skinName, saved.zoomChoice),
      presenter(shown.Face()),
      fullScreen(saved.stepAsideForFullScreen),
      timeChoices(saved.time),
      windowChoices(saved.window) {
    RegisterClockClass(app.Instance(), icon);
    placement.PlaceAt(saved.position);
    placement.SetLocked(windowChoices.Locked());
}

bool ClockWindow::OnInitDialog() {
    Dialog::OnInitDialog();
    KeepDialogManagerFromScaling(Handle());
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    presenter.Attach(Handle());
    TakeSeeThrough();

    TakeTimeFormat();
    shown.ShowTime(LocalTimeText(now(), timeFormat));  // the first face, until the first tick
    if (!ShowSkin(shown.Name()))
        OnSelectSkin();
    if (!shown.HasFace())
        TakeFit(std::nullopt);  // the plain text face, in the window as it stands

    // The first tick comes just past the next turn; every tick aims the one after it.
    tickPeriod = Ticker::DelayToNext(now(), Pace());
    timerId = SetUncoalescedTimer(Handle(), kClockTimerId, tickPeriod);
    popupMenu.reset(LoadMenuA(Instance(), MAKEINTRESOURCEA(IDR_POPUP)));
    timeJumps.Start(Handle());
    foreground.Start(Handle(), kForegroundMessage);
    dateTip.Create(Handle());
    trayIcon.emplace(Handle(), kTrayIconMessage, Instance(), IDI_CLOCK);
    trayIcon->Show(windowChoices.ShowsTrayIcon());
    return true;
}

bool ClockWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (TimeJumpWatch::MayHaveJumped(message, wParam, lParam)) {
        Resynchronise();
        result = TRUE;  // what a power broadcast is answered with; the others ignore it
        return true;
    }
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        dateTip.Relay(Handle(), message, wParam, lParam);
    if (TrayIcon::IsTaskbarCreated(message)) {
        if (trayIcon)
            trayIcon->Restore();
        return true;
    }
    switch (message) {
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam);
        case WM_PAINT:
            OnPaint();
            return true;
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(icon);
            return true;
        case WM_LBUTTONDOWN:
            OnLeftButtonDown();
            return false;
        case WM_LBUTTONUP:
            OnLeftButtonUp();
            return false;
        case WM_MOUSEMOVE:
            OnMouseMove(wParam);
            return false;
        case WM_CAPTURECHANGED:
            OnCaptureChanged(reinterpret_cast<HWND>(lParam));
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
            if (trayIcon)
                trayIcon->TakeDpi();
            return true;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA)
                OnScreensChanged();
            // The user changed the regional format, which the automatic hours follow.
            if (lParam && std::strcmp(reinterpret_cast<const char*>(lParam), "intl") == 0)
                TakeTimeFormat();
            return false;
        case WM_NOTIFYFORMAT:
        case WM_NOTIFY:
            // The date's tooltip hides while the clock is away from home, dodging the pointer.
            return dateTip.Answer(message, wParam, lParam, !placement.AtHome(), result);
        case WM_ERASEBKGND:
            // The face covers the whole window; erasing first would only make it flicker.
            result = 0;
            return true;
        case WM_TIMER:
            if (wParam == TrayIcon::kRetryTimerId && trayIcon)
                trayIcon->Retry();
            else
                OnTimer();
            return false;
        case WM_CLOSE:
            return false;  // the dialog manager turns the close into IDCANCEL, which ends the run
        case WM_ENDSESSION:
            // The session ends and the process with it, without a close.
            if (wParam)
                SaveSettings();
            return true;
        case WM_RBUTTONDOWN:
            OnRightButtonDown(wParam, lParam);
            return true;
        case kTrayIconMessage:
            OnTrayIcon(static_cast<UINT>(lParam));
            return true;
        case kSummonClockMessage:
            OnSummoned();
            return true;
        case kForegroundMessage:
            FollowFullScreen();
            return true;
        case WM_DESTROY:
            timeJumps.Stop();
            foreground.Stop();
            trayIcon.reset();  // the icon goes with the window that answers it
            return false;
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
        case IDM_ABOUT:
            AboutDialog(Instance(), Handle()).DoModal();
            return true;
        default:
            // What neither the clock nor the dialog answers (the help command) is the program's.
            return Dialog::OnCommand(id, notifyCode, control) || app.OnCommand(id);
    }
}

void ClockWindow::OnOK() {
    SaveSettings();
    Dialog::OnOK();
}

void ClockWindow::OnCancel() {
    SaveSettings();
    Dialog::OnCancel();
}

// The skin and the time

bool ClockWindow::ShowSkin(const std::string& name) {
    std::string whyNot;
    std::optional<SkinFit> fit = shown.Switch(name, placement.Mode(), Dpi(), &whyNot);
    if (!fit) {
        app.ShowMessage(whyNot.c_str(), Handle());
        return false;
    }
    TakeFit(std::move(fit));
    return true;
}

void ClockWindow::OnSelectSkin() {
    SkinSelectDialog chooser(Instance(), Handle(), shown.Name(), SkinNames(app.ExeFolder()));
    if (chooser.DoModal() == IDOK && ShowSkin(chooser.selectedSkin))
        SaveSettings();
}

// The window takes the skin's size and shape, on the edge where it settles (grown around
// `anchor` when given), and the whole face.
void ClockWindow::TakeFit(std::optional<SkinFit> fit, std::optional<Point> anchor) {
    if (!fit) {
        // No background has ever loaded: rather than shrink to nothing and become unreachable,
        // the window keeps its size and place and shows the plain text face.
        placement.Adopt(WindowRect(Handle()));
        InvalidateRect(Handle(), nullptr, FALSE);
        return;
    }
    presenter.TakeShape(std::move(fit->shape), true);
    MoveTo(anchor ? placement.Regrow(fit->size, *anchor, screens)
                  : placement.Settle(fit->size, screens),
           fit->size);
    presenter.TakeFace(shown.IsAlpha());
}

void ClockWindow::ShowTime(std::string time) {
    FaceChange change = shown.ShowTime(std::move(time));
    if (!shown.HasFace()) {
        InvalidateRect(Handle(), nullptr, FALSE);  // the plain text face, drawn whole
        return;
    }
    if (change.area.IsEmpty())
        return;
    presenter.TakeShape(std::move(change.shape), false);
    presenter.Show(change.area);
}

// Each tick shows the second (or minute) it finds, if the face does not show it yet, and aims
// the next tick just past the next turn: a timer of a fixed period would drift against the
// second and now and then skip one.
void ClockWindow::OnTimer() {
    if (!timerId)
        return;
    const WallTime time = now();
    if (ticker.TakeNew(time))
        ShowTime(LocalTimeText(time, timeFormat));
    AimNextTick(time);
    ReturnHome();
    FollowFullScreen();
}

void ClockWindow::AimNextTick(WallTime time) {
    // A timer already running at the period wanted is left alone: setting it costs a round trip
    // to the window server, whose timers keep their phase.
    if (const unsigned period = Ticker::NextPeriod(time, Pace()); period != tickPeriod) {
        SetUncoalescedTimer(Handle(), kClockTimerId, period);
        tickPeriod = period;
    }
}

TickUnit ClockWindow::Pace() const {
    return placement.AtHome() && foreground.Heard() ? ticker.Unit() : TickUnit::Second;
}

void ClockWindow::Resynchronise() {
    _tzset();  // the runtime reads the time zone once, unless told it may have changed
    ticker.Forget();
    shown.ComposeWholeNext();
    OnTimer();
}

int ClockWindow::Dpi() const {
    return screens.Dpi(placement.ZoomAnchor());
}

// Painting

void ClockWindow::OnPaint() {
    const PaintContext paint(Handle());
    if (IsIconic(Handle()))
        PaintMinimised(paint.Dc());
    else if (shown.HasFace())
        presenter.Paint(paint.Dc());
    else
        PaintPlainText(paint.Dc());
}

void ClockWindow::PaintMinimised(HDC dc) {
    SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const Point at = MinimisedIconOrigin(
        ClientRect(Handle()).Extent(), {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)});
    DrawIcon(dc, at.x, at.y, icon);
}

// Stands in while no skin has a background to show: the text centred on a filled window, so a
// clock without a skin can still be read and right-clicked.
void ClockWindow::PaintPlainText(HDC dc) {
    const RECT client = ToRECT(ClientRect(Handle()));
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));  // a system brush, not owned
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    const std::string& time = shown.Time();
    SIZE extent{};
    GetTextExtentPoint32A(dc, time.c_str(), static_cast<int>(time.size()), &extent);
    const Point at = PlainTextOrigin({client.right, client.bottom}, extent.cy);
    TextOutA(dc, at.x, at.y, time.c_str(), static_cast<int>(time.size()));
}

// Placement: the window's mouse messages handed to the placement model, and the moves it
// decides on made. The messages' own points are not used: the pointer is read as the window
// system has it now.

void ClockWindow::OnLeftButtonDown() {
    SetCapture(Handle());
    placement.StartDrag(PointerPosition(), WindowRect(Handle()).Origin());
}

void ClockWindow::OnLeftButtonUp() {
    EndDrag();
    ReleaseCapture();
}

// Another window took the mouse (the popup menu, opened with the left button still down), so
// the button's release will never reach the clock: the drag is over now.
void ClockWindow::OnCaptureChanged(HWND newCapture) {
    if (newCapture != Handle())
        EndDrag();
}

void ClockWindow::EndDrag() {
    if (!placement.Dragging())
        return;
    placement.EndDrag();
    SaveSettings();
}

void ClockWindow::OnMouseMove(WPARAM keys) {
    // A drag whose button came up where the clock did not see it is over.
    if (placement.Dragging() && !(keys & MK_LBUTTON))
        EndDrag();
    const std::optional<Point> to =
        placement.Dragging()
            ? placement.DragTo(PointerPosition(), screens)
            : placement.Dodge({(keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0}, screens);
    if (!to)
        return;
    MoveTo(*to);
    // A dodged clock looks for the pointer to leave its home every second, whatever its face.
    if (!placement.AtHome() && timerId)
        AimNextTick(now());
}

// While no skin has sized the window, the window system places it (the dialog manager centres
// it at the start), and placement follows the window's real rectangle.
void ClockWindow::OnWindowMoved(const WINDOWPOS& moved) {
    const bool moveOrSize = (moved.flags & SWP_NOMOVE) == 0 || (moved.flags & SWP_NOSIZE) == 0;
    if (!shown.HasFace() && moveOrSize)
        placement.Adopt(WindowRect(Handle()));
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
    if (const int dpi = screens.Dpi(anchor); shown.ZoomChangesAt(dpi)) {
        regrowing = true;
        TakeFit(shown.Fit(placement.Mode(), dpi), anchor);
        regrowing = false;
    }
    if (const std::optional<Point> to = placement.ScreensChanged(screens))
        MoveTo(*to);
    SaveSettings();  // wherever the change took the clock, as after every other move
}

void ClockWindow::ReturnHome() {
    if (placement.AtHome())
        return;  // the pointer is not asked for: that would be a round trip every tick
    if (const std::optional<Point> to = placement.ReturnHome(PointerPosition()))
        MoveTo(*to);
}

void ClockWindow::MoveTo(Point at, std::optional<Size> size) {
    const Size given = size.value_or(Size{100, 100});  // ignored without one
    UINT flags = size ? 0 : SWP_NOSIZE;
    if (fullScreen.SteppedAside())
        flags |= SWP_NOZORDER;  // staying behind the full-screen window
    SetWindowPos(Handle(), HWND_TOPMOST, at.x, at.y, given.width, given.height, flags);
}

void ClockWindow::FollowFullScreen() {
    const HWND foreground = GetForegroundWindow();
    const std::optional<ForegroundWindow> candidate = FullScreenCandidate(foreground);
    const Rect clock = Rect::At(placement.Position(), placement.WindowSize());
    if (!fullScreen.Follow(candidate && IsFullScreen(*candidate, screens.Nearest(clock))))
        return;
    SetWindowPos(Handle(), fullScreen.SteppedAside() ? foreground : HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Menu and commands

void ClockWindow::OnRightButtonDown(WPARAM keys, LPARAM point) {
    DefWindowProcA(Handle(), WM_RBUTTONDOWN, keys, point);
    // The window has no frame, so the client point plus the window's corner is the screen point.
    const Point corner = WindowRect(Handle()).Origin();
    OpenMenu({GET_X_LPARAM(point) + corner.x, GET_Y_LPARAM(point) + corner.y});
}

void ClockWindow::OpenMenu(Point at, bool fromOutside) {
    const HMENU menu = GetSubMenu(popupMenu.get(), 0);  // owned by popupMenu
    const MenuChoices choices = MenuChoicesNow();
    for (const MenuItem& item : MenuItems()) {
        // Item by item: unchecked, the rest of a radio group are left as CheckMenuRadioItem
        // over the whole group would leave them, bullet-shaped for when they are chosen.
        if (item.mark == MenuMark::Radio && item.marked(choices))
            CheckMenuRadioItem(menu, item.command, item.command, item.command, MF_BYCOMMAND);
        else
            CheckMenuItem(menu, item.command, CheckedIf(item.marked(choices)));
    }
    const HWND previous = fromOutside ? GetForegroundWindow() : nullptr;
    if (fromOutside)
        SetForegroundWindow(Handle());
    const int command = static_cast<int>(TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                        at.x, at.y, 0, Handle(), nullptr));
    if (command)
        SendMessageA(Handle(), WM_COMMAND, command, 0);
    if (!fromOutside)
        return;
    // Makes the switch away from the menu's window take effect, so that the next opening from
    // outside is not dismissed at once.
    PostMessageA(Handle(), WM_NULL, 0, 0);
    // The window the user was in gets the foreground back, unless they went elsewhere: a clock
    // left in the foreground would take their next Enter or Escape for its own, and end.
    if (GetForegroundWindow() == Handle() && previous != Handle() && IsWindow(previous))
        SetForegroundWindow(previous);
}

MenuChoices ClockWindow::MenuChoicesNow() const {
    // Start with Windows as the system's list has it now: the user or another copy of the
    // program may have changed it since.
    return {.dock = placement.Mode(),
            .autoMove = placement.AutoMove(),
            .zoomChoice = shown.ZoomChoice().value_or(0),
            .time = timeChoices,
            .window = windowChoices,
            .startWithWindows = StartsWithWindows(app.ExePath())};
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
            SetTimeChoices(choices.time);
            break;
        case MenuPart::Window:
            SetWindowChoices(choices.window);
            break;
        case MenuPart::StartWithWindows:
            SetStartsWithWindows(app.ExePath(), choices.startWithWindows);
            break;
    }
    return true;
}

// Every mode change reads the skin again, which turns, sizes, shapes and clamps it for the new
// edge.
void ClockWindow::SetDockMode(DockMode mode) {
    placement.SetMode(mode);
    TakeFit(shown.Reload(mode, Dpi()));
    SaveSettings();
}

void ClockWindow::SetZoomChoice(int choice) {
    shown.SetZoomChoice(choice);
    TakeFit(shown.Fit(placement.Mode(), Dpi()));
    SaveSettings();
}

void ClockWindow::SetTimeChoices(const TimeChoices& choices) {
    timeChoices = choices;
    TakeTimeFormat();
    SaveSettings();
}

void ClockWindow::TakeTimeFormat() {
    timeFormat = timeChoices.Format(RegionUsesTwelveHours());
    ticker.SetUnit(timeFormat.ChangesEverySecond() ? TickUnit::Second : TickUnit::Minute);
    OnTimer();  // the face in the new format at once, and the tick aimed at its unit
}

void ClockWindow::SetWindowChoices(const WindowChoices& choices) {
    windowChoices = choices;
    placement.SetLocked(choices.Locked());
    if (trayIcon)
        trayIcon->Show(choices.ShowsTrayIcon());
    TakeSeeThrough();
    SaveSettings();
}

void ClockWindow::TakeSeeThrough() {
    presenter.SetSeeThrough(static_cast<BYTE>(windowChoices.Alpha()), windowChoices.ClickThrough());
}

void ClockWindow::OnTrayIcon(UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONUP:
            BringForward();
            BringOpenDialogForward();
            break;
        case WM_RBUTTONUP:
            if (!BringOpenDialogForward())
                OpenMenu(PointerPosition(), true);
            break;
        case WM_MOUSEMOVE:
            // Set as the pointer comes onto the icon, before its tip shows: a tip kept up to date
            // every tick would cost a call to the shell every second.
            trayIcon->SetTip(TimeNow() + L"\n" + LongDateToday());
            break;
        default:
            break;
    }
}

void ClockWindow::OnSummoned() {
    // The start that summoned waits for this answer, not for the menu to close.
    ReplyMessage(TRUE);
    if (windowChoices.ClickThrough())
        Choose(IDM_CLICK_THROUGH);  // the clock the user asked for takes their clicks
    BringForward();
    if (!BringOpenDialogForward())
        OpenMenu(WindowRect(Handle()).Middle(), true);
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

// The window has no system menu; commands 16 to 31 reach it only when sent from outside.
bool ClockWindow::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != 16)
        return false;
    AboutDialog(Instance(), Handle()).DoModal();
    return true;
}

// Saves where the window really stands, so a clock closed while dodged comes back there.
void ClockWindow::SaveSettings() {
    ClockSettings{shown.Name(), WindowRect(Handle()).Origin(), shown.ZoomChoice(), timeChoices,
                  windowChoices}
        .Write(SettingsFile::ForProgram(app.ExeFolder(), app.ExeName()));
}
