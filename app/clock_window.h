#pragma once
// The clock: a borderless, topmost popup dialog that lives for the whole run. It routes the
// window system's messages to the skin it shows, the face it draws and the placement model, and
// makes the calls that put their results on the screen.

#include <string>

#include "app/clock_face.h"
#include "app/display_screens.h"
#include "app/placement.h"
#include "app/settings_file.h"
#include "app/time_jump_watch.h"
#include "app/wall_clock.h"
#include "skin/skin.h"
#include "win/dialog.h"
#include "win/unique_handle.h"

class Application;

class ClockWindow : public Dialog {
public:
    // The clock of `app`: its resources, its settings file and the commands the clock leaves to
    // it come from there.
    explicit ClockWindow(Application& app);

protected:
    bool OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

    // Reads the skin folder `name` and shows it; pictures it lacks are kept from the skin shown
    // before. False when no background has ever loaded: then the window keeps its size and
    // place, so the clock stays visible with its plain text face.
    bool LoadSkin(const std::string& name);
    // Offers the skin folders of the working directory; on OK loads the chosen one and makes
    // it the current skin.
    void OnSelectSkin();
    // Brings the face to `time` and draws what changed on it.
    void ShowTime(std::string time);

    Skin skin;            // the skin shown, upright
    Placement placement;  // where the clock stands and rests

private:
    static constexpr UINT_PTR kClockTimerId = 100;

    // The skin and the time
    // Fits the window to the skin for the dock mode: the turned size and shape, a place on the
    // edge that becomes home, and the whole new face.
    bool ApplySkin();
    void OnTimer();
    // The time may have jumped: shows it whole at once and aims the next tick afresh.
    void Resynchronise();
    // Hands a new shape to the window, which owns it from then on. Without `redraw` the caller
    // repaints whatever of the window the change uncovers.
    void SetShape(UniqueRegion region, bool redraw);

    // Painting
    void OnPaint();
    void PaintMinimised(HDC dc);
    void PaintPlainText(HDC dc);

    // Placement
    void OnLeftButtonDown();
    void OnLeftButtonUp();
    void OnMouseMove(WPARAM keys);
    void OnWindowMoved(const WINDOWPOS& moved);
    void ReturnHome();
    // Moves the window, keeping its size; every move re-asserts always-on-top.
    void MoveTo(Point at);

    // Menu and commands
    void OnRightButtonDown(WPARAM keys, LPARAM point);
    void SetDockMode(DockMode mode);
    bool OnSysCommand(WPARAM command);
    void OnClose();

    SettingsFile Settings() const;

    Application& app;
    DisplayScreens screens;
    HICON icon = nullptr;  // shared resource icon, never destroyed
    std::string skinName;
    UniqueMenu popupMenu;
    UINT_PTR timerId = 0;     // 0: no timer could be started, and the clock does not tick
    unsigned tickPeriod = 0;  // what the clock timer was last set to, in milliseconds
    SecondTicker ticker;
    std::string shownTime;  // the time on the face
    ClockFace face;         // composed for shownTime; painting only draws it
    // A copy of the shape last handed to the window, or none while it has the plain rectangle:
    // asking the window for its shape would cost a round trip to the window server a tick.
    UniqueRegion shape;
    TimeJumpWatch timeJumps;
};
