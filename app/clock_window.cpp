#include "app/clock_window.h"

#include <time.h>

#include <utility>

#include "about/about_dialog.h"
#include "app/settings_file.h"
#include "res/resource.h"
#include "win/application.h"
#include "win/window_dc.h"

namespace {

SettingsFile Settings() {
    return SettingsFile::ForProgram(Application::Current()->ExeName());
}

}  // namespace

ClockWindow::ClockWindow(HWND parent) : Dialog(IDD_CLOCK, parent) {
    icon = LoadIconA(Application::Current()->Instance(), MAKEINTRESOURCEA(IDI_CLOCK));
}

bool ClockWindow::OnInitDialog() {
    Dialog::OnInitDialog();
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    const SettingsFile settings = Settings();
    skinName = settings.ReadString("skin", "name", "back2");
    posX = settings.ReadInt("position", "x", 0);
    posY = settings.ReadInt("position", "y", 400);
    shownTime = LocalTimeText(WallClockNow());  // what the first face shows, until the first tick
    if (!LoadSkin(skinName))
        OnSelectSkin();

    // The first tick comes just past the next second; every tick aims the one after it.
    tickPeriod = SecondTicker::DelayToNextSecond(WallClockNow());
    timerId = SetTimer(Handle(), kClockTimerId, tickPeriod, nullptr);
    popupMenu.reset(LoadMenuA(Application::Current()->Instance(), MAKEINTRESOURCEA(IDR_POPUP)));
    timeJumps.Start(Handle());
    return true;
}

bool ClockWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (TimeJumpWatch::MayHaveJumped(message, wParam, lParam)) {
        Resynchronise();
        result = TRUE;  // what a power broadcast is answered with; the others ignore it
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
        case WM_ERASEBKGND:
            // The face covers the whole window; erasing first would only make it flicker.
            result = 0;
            return true;
        case WM_TIMER:
            OnTimer();
            return false;
        case WM_CLOSE:
            OnClose();
            return false;  // the dialog manager turns the close into IDCANCEL, which ends the run
        case WM_RBUTTONDOWN:
            OnRightButtonDown(wParam, lParam);
            return true;
        case WM_DESTROY:
            timeJumps.Stop();
            return false;
        default:
            return false;
    }
}

bool ClockWindow::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDM_DOCK_LEFT:
            SetDockMode(DockLeft);
            return true;
        case IDM_DOCK_RIGHT:
            SetDockMode(DockRight);
            return true;
        case IDM_DOCK_TOP:
            SetDockMode(DockTop);
            return true;
        case IDM_FLOATING:
            SetDockMode(Floating);
            return true;
        case IDM_SELECT_SKIN:
            OnSelectSkin();
            return true;
        case IDM_AUTO_MOVE:
            autoMove = autoMove ? 0 : 1;
            return true;
        case IDM_EXIT:
            PostMessageA(Handle(), WM_CLOSE, 0, 0);
            return true;
        case IDM_ABOUT:
            AboutDialog().DoModal();
            return true;
        default:
            return Dialog::OnCommand(id, notifyCode, control);
    }
}

// The window has no system menu; commands 16 to 31 reach it only when sent from outside.
bool ClockWindow::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != 16)
        return false;
    AboutDialog().DoModal();
    return true;
}

// Each tick shows the second it finds, if the face does not show it yet, and aims the next tick
// just past the next second: a timer of a fixed period would drift against the second and now
// and then skip one.
void ClockWindow::OnTimer() {
    if (!timerId)
        return;
    const WallTime now = WallClockNow();
    if (ticker.TakeNewSecond(now))
        ShowTime(LocalTimeText(now));
    // A timer already running at the period wanted is left alone: setting it costs a round trip
    // to the window server, whose timers keep their phase.
    if (const unsigned period = SecondTicker::NextPeriod(now); period != tickPeriod) {
        SetTimer(Handle(), kClockTimerId, period, nullptr);
        tickPeriod = period;
    }
    ReturnHome();
}

void ClockWindow::ShowTime(std::string time) {
    shownTime = std::move(time);
    if (background.IsEmpty()) {
        InvalidateRect(Handle(), nullptr, FALSE);  // the plain text face, drawn whole
        return;
    }
    const Rect changed = face.Update(background, glyphs, shownTime, dockMode);
    if (changed.IsEmpty())
        return;
    // The shape can only have changed inside the cells that changed, which are drawn anyway.
    if (shapeFollowsFace && !face.Image().IsEmpty())
        SetShape(face.Image().CreateRegion(KeyColor()), false);
    // Drawn at once: an invalidation and a WM_PAINT would cost half a dozen round trips to the
    // window server a tick. What the window cannot show now, WM_PAINT draws later from the face.
    const WindowDc dc(Handle());
    IntersectClipRect(dc.get(), changed.left, changed.top, changed.right, changed.bottom);
    face.Image().Draw(dc.get(), 0, 0);
}

void ClockWindow::Resynchronise() {
    _tzset();  // the runtime reads the time zone once, unless told it may have changed
    ticker.Forget();
    face.Reset();
    OnTimer();
}

// Saves where the window really stands, so a clock closed while dodged comes back there.
void ClockWindow::OnClose() {
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    const SettingsFile settings = Settings();
    settings.WriteInt("position", "x", rect.left);
    settings.WriteInt("position", "y", rect.top);
    settings.WriteString("skin", "name", skinName);
}

void ClockWindow::SetShape(UniqueRegion region, bool redraw) {
    // A picture entirely of the key colour would cut the whole window away and leave a clock
    // nobody can see or right-click; it keeps its rectangle instead.
    RECT box{};
    if (GetRgnBox(region.get(), &box) == NULLREGION)
        region.reset();
    // Most ticks of a shape-following face give the shape it already has. Handing it over again
    // would cost a round trip to the display, and under Wine memory that is never given back.
    if (region ? shape && EqualRgn(shape.get(), region.get()) : !shape)
        return;
    UniqueRegion copy;
    if (region) {
        copy.reset(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(copy.get(), region.get(), nullptr, RGN_COPY);
    }
    // The window owns a region it accepted; one it refused is still ours to free.
    if (!SetWindowRgn(Handle(), region.get(), redraw))
        return;
    windowRegion = region.release();
    shape = std::move(copy);
}

ColorValue ClockWindow::KeyColor() const {
    return MakeColorValue(transparencyColor.red, transparencyColor.green, transparencyColor.blue);
}
