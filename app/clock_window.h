#pragma once
// The clock: a borderless, topmost popup dialog that lives for the whole run. It routes the
// window system's messages to the objects that own the clock's state (the skin shown, the
// placement model, the full-screen rule) and makes the calls that put their answers on the
// screen.

#include <optional>
#include <string>

#include "app/date_tip.h"
#include "app/display_screens.h"
#include "app/face_presenter.h"
#include "app/shown_skin.h"
#include "model/full_screen_rule.h"
#include "model/menu_table.h"
#include "model/placement.h"
#include "model/wall_clock.h"
#include "settings/clock_settings.h"
#include "shell/foreground_watch.h"
#include "shell/time_jump_watch.h"
#include "shell/tray_icon.h"
#include "win/dialog.h"
#include "win/unique_handle.h"

class Application;

class ClockWindow : public Dialog {
public:
    // The clock of `app`: its resources, its settings file and the commands the clock leaves to
    // it come from there. The face follows the time `now` tells.
    explicit ClockWindow(Application& app, WallClock now = WallClockNow);

    const Placement& GetPlacement() const { return placement; }
    const ShownSkin& GetShownSkin() const { return shown; }

private:
    static constexpr UINT_PTR kClockTimerId = 100;
    // Clicks on the notification-area icon.
    static constexpr UINT kTrayIconMessage = WM_APP + 2;
    // Another window came to the foreground, or the foreground window moved.
    static constexpr UINT kForegroundMessage = WM_APP + 3;

    ClockWindow(Application& app, WallClock now, const ClockSettings& saved);

    bool OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    // Escape, Enter and the close request all end the run here, and save the settings.
    void OnOK() override;
    void OnCancel() override;

    // The skin and the time
    // Shows the skin `name`, or tells the user why it cannot and keeps the skin shown before.
    bool ShowSkin(const std::string& name);
    // Offers the skin folders of the working directory and of the program's, and shows the one
    // chosen.
    void OnSelectSkin();
    void TakeFit(std::optional<SkinFit> fit, std::optional<Point> anchor = std::nullopt);
    void ShowTime(std::string time);
    void OnTimer();
    // Aims the next tick just past the next turn of the pace.
    void AimNextTick(WallTime time);
    // The face's unit, or the second while a dodged clock waits for the pointer to leave its
    // home, and while the system has not shown that it tells the clock of full-screen windows
    // as they come.
    TickUnit Pace() const;
    // The time may have jumped: shows it whole at once and aims the next tick afresh.
    void Resynchronise();
    // The dots per inch of the monitor that decides the face's zoom.
    int Dpi() const;

    // Painting
    void OnPaint();
    void PaintMinimised(HDC dc);
    void PaintPlainText(HDC dc);

    // Placement
    void OnLeftButtonDown();
    void OnLeftButtonUp();
    void OnMouseMove(WPARAM keys);
    void OnCaptureChanged(HWND newCapture);
    // Ends a drag, and keeps the place it came to.
    void EndDrag();
    void OnWindowMoved(const WINDOWPOS& moved);
    // A monitor came or went, or a resolution, a work area or the DPI changed; a DPI change may
    // come with the window system's `suggested` place for the window.
    void OnScreensChanged(std::optional<Rect> suggested = std::nullopt);
    void ReturnHome();
    // Moves the window to `at`, and sizes it when given a size. Every move re-asserts
    // always-on-top, except while a full-screen window is in front.
    void MoveTo(Point at, std::optional<Size> size = std::nullopt);
    void FollowFullScreen();

    // Menu and commands
    void OnRightButtonDown(WPARAM keys, LPARAM point);
    // Opens the popup menu at the screen point `at`, with its marks set afresh, and carries out
    // the command chosen. Opened from outside the clock (its icon, another start), the clock
    // takes the foreground while the menu is open, so that the menu closes when the user clicks
    // elsewhere, and gives it back when the menu closes.
    void OpenMenu(Point at, bool fromOutside = false);
    // The choices the menu shows, as the clock has them now.
    MenuChoices MenuChoicesNow() const;
    // Carries out the menu's choice `command`; false for a command that is not one.
    bool Choose(int command);
    void SetDockMode(DockMode mode);
    void SetZoomChoice(int choice);
    // The Time menu: a choice changes the face at once and is saved.
    void SetTimeChoices(const TimeChoices& choices);
    // The format the face shows from now on, as the choices and the user's region have it.
    void TakeTimeFormat();
    // The window's choices take effect at once and are saved.
    void SetWindowChoices(const WindowChoices& choices);
    // Draws the window at the chosen opacity and lets clicks through it or not.
    void TakeSeeThrough();
    void OnTrayIcon(UINT mouseMessage);
    // Another start of the program asked for the clock.
    void OnSummoned();
    // Shows a minimised or hidden clock, on top, without taking the foreground.
    void BringForward();
    // With the skin chooser or the About box open, that dialog comes forward (the answer is
    // true), in place of a menu that would open it a second time or end the program under it.
    bool BringOpenDialogForward();
    bool OnSysCommand(WPARAM command);
    // Written whenever the clock's place, skin, size or time format changes and when the run or
    // the session ends, so that not even a killed process loses what the user set.
    void SaveSettings();

    Application& app;
    const WallClock now;
    HICON icon = nullptr;  // shared resource icon, never destroyed
    ShownSkin shown;
    FacePresenter presenter;  // of shown's face
    Placement placement;
    FullScreenRule fullScreen;
    DisplayScreens screens;
    UniqueMenu popupMenu;
    UINT_PTR timerId = 0;     // 0: no timer could be started, and the clock does not tick
    unsigned tickPeriod = 0;  // what the clock timer was last set to, in milliseconds
    TimeChoices timeChoices;
    WindowChoices windowChoices;
    std::optional<TrayIcon> trayIcon;  // made with the window
    TimeFormat timeFormat;
    Ticker ticker;
    DateTip dateTip;
    TimeJumpWatch timeJumps;
    ForegroundWatch foreground;
    bool regrowing = false;  // the window takes a new zoom's size
};
