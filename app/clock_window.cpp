#include "app/clock_window.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "about/about_dialog.h"
#include "app/zoom.h"
#include "res/resource.h"
#include "skin/skin_folders.h"
#include "win/application.h"

ClockWindow::ClockWindow(Application& app)
    : Dialog(IDD_CLOCK, app.Instance(), nullptr), app(app), programFolder(FolderOf(app.ExePath())) {
    icon = LoadIconA(app.Instance(), MAKEINTRESOURCEA(IDI_CLOCK));
}

SettingsFile ClockWindow::Settings() const {
    return SettingsFile::ForProgram(app.ExeName());
}

bool ClockWindow::OnInitDialog() {
    Dialog::OnInitDialog();
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    const SettingsFile settings = Settings();
    skinName = settings.ReadString("skin", "name", "back2");
    placement.PlaceAt(
        {settings.ReadInt("position", "x", 0), settings.ReadInt("position", "y", 400)});
    // The zoom is kept once chosen; until then the file does not name it.
    if (const std::string choice = settings.ReadString("display", "zoom", ""); !choice.empty()) {
        const int chosen = std::atoi(choice.c_str());
        zoomChoice = chosen >= 1 && chosen <= kMaxZoom ? chosen : 0;
    }
    stepAsideForFullScreen = settings.ReadString("display", "fullscreen", "") != "stay";
    shownTime = LocalTimeText(WallClockNow());  // what the first face shows, until the first tick
    if (std::string whyNot; !LoadSkin(skinName, &whyNot)) {
        app.ShowMessage(whyNot.c_str(), Handle());
        OnSelectSkin();
    }
    if (!skin.HasBackground())
        ApplySkin();  // the plain text face, in the window as it stands

    // The first tick comes just past the next second; every tick aims the one after it.
    tickPeriod = SecondTicker::DelayToNextSecond(WallClockNow());
    timerId = SetTimer(Handle(), kClockTimerId, tickPeriod, nullptr);
    popupMenu.reset(LoadMenuA(Instance(), MAKEINTRESOURCEA(IDR_POPUP)));
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
        case WM_CAPTURECHANGED:
            OnCaptureChanged(reinterpret_cast<HWND>(lParam));
            return false;
        case WM_WINDOWPOSCHANGED:
            OnWindowMoved(*reinterpret_cast<const WINDOWPOS*>(lParam));
            return false;
        case WM_DISPLAYCHANGE:
        case WM_DPICHANGED:
            OnScreensChanged();
            return true;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA)
                OnScreensChanged();
            return false;
        case WM_ERASEBKGND:
            // The face covers the whole window; erasing first would only make it flicker.
            result = 0;
            return true;
        case WM_TIMER:
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
            placement.FlipAutoMove();
            return true;
        case IDM_START_WITH_WINDOWS:
            FlipStartWithWindows();
            return true;
        case IDM_SIZE_AUTOMATIC:
        case IDM_SIZE_1X:
        case IDM_SIZE_2X:
        case IDM_SIZE_3X:
            SetZoomChoice(id - IDM_SIZE_AUTOMATIC);
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

// The window has no system menu; commands 16 to 31 reach it only when sent from outside.
bool ClockWindow::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != 16)
        return false;
    AboutDialog(Instance(), Handle()).DoModal();
    return true;
}

void ClockWindow::OnOK() {
    SaveSettings();
    Dialog::OnOK();
}

void ClockWindow::OnCancel() {
    SaveSettings();
    Dialog::OnCancel();
}

// Saves where the window really stands, so a clock closed while dodged comes back there.
void ClockWindow::SaveSettings() {
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    std::vector<SettingsValue> values{{"position", "x", std::to_string(rect.left)},
                                      {"position", "y", std::to_string(rect.top)},
                                      {"skin", "name", skinName}};
    if (zoomChoice)
        values.push_back({"display", "zoom", std::to_string(*zoomChoice)});
    Settings().Write(values);
}
