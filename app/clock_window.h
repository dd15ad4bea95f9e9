#pragma once
// The clock: a borderless, topmost popup dialog that lives for the whole run. It routes the
// window system's messages to the skin it shows, the face it draws and the placement model, and
// makes the calls that put their results on the screen.

#include <optional>
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

    // Reads the skin folder `name` and, if its background loads, shows it; glyphs the folder
    // lacks are kept from the skin shown before. If the background does not load, nothing
    // changes, `whyNot` (when given) receives what to tell the user, and the answer is false.
    bool LoadSkin(const std::string& name, std::string* whyNot = nullptr);
    // Offers the skin folders of the working directory and of the program's; on OK loads the
    // chosen one and makes it the current skin, or says why it cannot.
    void OnSelectSkin();
    // Brings the face to `time` and draws what changed on it.
    void ShowTime(std::string time);

    Skin skin;            // the skin shown, upright
    Placement placement;  // where the clock stands and rests

private:
    static constexpr UINT_PTR kClockTimerId = 100;

    // The skin and the time
    // Fits the window to the skin for the dock mode and the zoom: the turned size and shape, a
    // place on the edge that becomes home, and the whole new face.
    bool ApplySkin();
    // The size of the skin's face turned for the dock mode, before any zoom.
    Size TurnedSkinSize() const;
    // The zoom the face would have now, on the monitor that holds the clock.
    int WantedZoom() const;
    void SetZoomChoice(int choice);
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
    void OnCaptureChanged(HWND newCapture);
    // Ends a drag, and keeps the place it came to.
    void EndDrag();
    void OnWindowMoved(const WINDOWPOS& moved);
    // A monitor came or went, or a resolution, a work area or the DPI changed.
    void OnScreensChanged();
    void ReturnHome();
    // Moves the window to `at`, and sizes it when given a size. Every move re-asserts
    // always-on-top, except while a full-screen window is in front.
    void MoveTo(Point at, std::optional<Size> size = std::nullopt);
    // Whether the foreground window is a full-screen one (a video, a game, a presentation) on the
    // clock's monitor.
    bool FullScreenInFront() const;
    // Steps out of the topmost band while a full-screen window is in front, and back after.
    void FollowFullScreen();

    // Menu and commands
    void OnRightButtonDown(WPARAM keys, LPARAM point);
    void SetDockMode(DockMode mode);
    void FlipStartWithWindows();
    bool OnSysCommand(WPARAM command);
    // Escape, Enter and the close request all end the run here, and save the settings.
    void OnOK() override;
    void OnCancel() override;

    // The settings file, and what the clock keeps in it: written whenever the clock's place or
    // skin changes and when the run or the session ends, so that not even a killed process
    // loses what the user set.
    SettingsFile Settings() const;
    void SaveSettings();

    Application& app;
    const std::string programFolder;  // where skins are looked for after the working directory
    DisplayScreens screens;
    HICON icon = nullptr;  // shared resource icon, never destroyed
    std::string skinName;
    UniqueMenu popupMenu;
    UINT_PTR timerId = 0;     // 0: no timer could be started, and the clock does not tick
    unsigned tickPeriod = 0;  // what the clock timer was last set to, in milliseconds
    SecondTicker ticker;
    std::string shownTime;  // the time on the face
    // The Size menu's choice: 0 for automatic, else 1 to kMaxZoom; none until one is made.
    std::optional<int> zoomChoice;
    int zoom = 1;                        // the face's, now
    ClockFace face;                      // composed for shownTime; painting only draws it
    bool stepAsideForFullScreen = true;  // "[display] fullscreen=stay" keeps the clock on top
    bool steppedAside = false;           // out of the topmost band, behind a full-screen window
    // A copy of the shape last handed to the window, or none while it has the plain rectangle:
    // asking the window for its shape would cost a round trip to the window server a tick.
    UniqueRegion shape;
    TimeJumpWatch timeJumps;
};
