#pragma once
// One clock: a borderless, topmost popup dialog, modeless among the program's others. It routes
// the window system's messages to the objects that own the clock's state (the skin shown, the
// placement model, the full-screen rule) and makes the calls that put their answers on the
// screen; what there is one of per program it leaves to its host.

#include <optional>
#include <string>

#include "app/clock_host.h"
#include "app/clock_menu.h"
#include "app/clock_place.h"
#include "app/clock_zone.h"
#include "app/date_tip.h"
#include "app/face_presenter.h"
#include "app/shown_skin.h"
#include "model/menu_table.h"
#include "model/wall_clock.h"
#include "settings/clock_settings.h"
#include "win/dialog.h"
#include "win/unique_handle.h"

class Application;

class ClockWindow : public Dialog {
public:
    // A clock of `host` as `saved` describes it; `app`'s resources, skin folders and messages
    // serve it. The face follows the time `now` tells.
    ClockWindow(ClockHost& host, Application& app, const ClockSettings& saved, WallClock now);
    ~ClockWindow() override { Destroy(); }

    const Placement& GetPlacement() const { return placement; }
    const ShownSkin& GetShownSkin() const { return shown; }
    const WindowChoices& Choices() const { return windowChoices; }
    // Behind a full-screen window in front of it.
    bool SteppedAside() const { return place.FullScreen().SteppedAside(); }
    // What the settings file keeps of the clock, with the place where the window really stands,
    // so a clock closed while dodged comes back there.
    ClockSettings Settings() const;

    // Shows the second (or minute) of `time` if the face does not show it yet; a dodged clock
    // goes home once the pointer has left, and the clock follows a full-screen window.
    void Tick(WallTime time);
    // How often the clock needs a tick: the face's unit, or the second while a dodged clock
    // waits for the pointer to leave its home, and while the system has not shown that it tells
    // the program of full-screen windows as they come.
    TickUnit Pace() const;
    // The time may have jumped: shows it whole at once.
    void Resynchronise();
    // The format the face shows from now on, as the choices and the user's region have it.
    void TakeTimeFormat();
    // Steps aside for a full-screen window in front on the clock's monitor, or comes back on top.
    void FollowFullScreen();
    // Shows a minimised or hidden clock, on top, without taking the foreground.
    void BringForward();
    // With the skin chooser or the About box open, that dialog comes forward: true.
    bool BringOpenDialogForward();
    // A clock that lets clicks through takes them again: the user asked for it from outside.
    void TakeClicks();
    // Opens the popup menu at the screen point `at`, with its marks set afresh, and carries out
    // the command chosen. Opened from outside the clock (its icon, another start), the clock
    // takes the foreground while the menu is open, so that the menu closes when the user clicks
    // elsewhere, and gives it back when the menu closes.
    void OpenMenu(Point at, bool fromOutside = false);

private:
    bool OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

    // The skin and the time
    // Shows the skin `name`, or tells the user why it cannot and keeps the skin shown before.
    bool ShowSkin(const std::string& name);
    // Offers the skin folders of the working directory and of the program's, and shows the one
    // chosen.
    void OnSelectSkin();
    void TakeZone();
    void TakeFit(std::optional<SkinFit> fit, std::optional<Point> anchor = std::nullopt);
    // The format as the choices and the user's region have it, without a tick.
    void SetTimeFormat();

    void OnPaint();

    // Placement
    // Keeps the place a drag came to, and ticks a dodged clock every second.
    void TakeMove(ClockPlace::Moved moved);
    void OnWindowMoved(const WINDOWPOS& moved);
    // A monitor came or went, or a resolution, a work area or the DPI changed; a DPI change may
    // come with the window system's `suggested` place for the window.
    void OnScreensChanged(std::optional<Rect> suggested = std::nullopt);

    // Menu and commands
    void OnRightButtonDown(WPARAM keys, LPARAM point);
    // The choices the menu shows, as the clock has them now.
    MenuChoices MenuChoicesNow() const;
    // Carries out the menu's choice `command`; false for a command that is not one.
    bool Choose(int command);
    void SetDockMode(DockMode mode);
    void SetZoomChoice(int choice);
    // The window's choices take effect at once and are saved.
    void SetWindowChoices(const WindowChoices& choices);
    // Draws the window at the chosen opacity and lets clicks through it or not.
    void TakeSeeThrough();

    ClockHost& host;
    Application& app;
    const WallClock now;
    HICON icon = nullptr;  // shared resource icon, never destroyed
    ShownSkin shown;
    FacePresenter presenter;  // of shown's face
    ClockMenu menu;
    ClockPlace place;
    Placement& placement;  // place's model
    TimeChoices timeChoices;
    WindowChoices windowChoices;
    TimeFormat timeFormat;
    Ticker ticker;
    DateTip dateTip;
    ClockZone zone;
    bool regrowing = false;  // the window takes a new zoom's size
};
