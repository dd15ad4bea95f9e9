#pragma once
// The clock: a borderless, topmost popup dialog that lives for the whole run.

#include <string>

#include "app/clock_face.h"
#include "app/clock_window_state.h"
#include "app/time_jump_watch.h"
#include "app/wall_clock.h"
#include "win/dialog.h"

class ClockWindow : public Dialog, protected ClockWindowState {
public:
    explicit ClockWindow(HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

    // Applies the skin folder `name`; false when no background has ever loaded. Such a load
    // leaves the window as it is, so the clock stays visible with its plain text face.
    bool LoadSkin(std::string name);
    // Offers the skin folders of the working directory; on OK loads the chosen one and makes
    // it the current skin.
    void OnSelectSkin();
    // Brings the face to `time` and draws what changed on it.
    void ShowTime(std::string time);

private:
    static constexpr UINT_PTR kClockTimerId = 100;

    // The time and painting
    void OnTimer();
    // The time may have jumped: shows it whole at once and aims the next tick afresh.
    void Resynchronise();
    void OnPaint();
    void PaintMinimised(HDC dc);
    void PaintPlainText(HDC dc);

    // Placement
    void OnLeftButtonDown();
    void OnLeftButtonUp();
    void OnMouseMove(WPARAM keys);
    void Dodge(WPARAM keys);
    void ReturnHome();
    // Pulls posX, posY onto the edge of the dock mode.
    void ClampToEdge();
    // Moves the window, keeping its size; every move re-asserts always-on-top.
    void MoveTo(int x, int y);

    // Menu and commands
    void OnRightButtonDown(WPARAM keys, LPARAM point);
    void SetDockMode(DockMode mode);

    // Hands a new shape to the window, which owns it from then on. Without `redraw` the caller
    // repaints whatever of the window the change uncovers.
    void SetShape(UniqueRegion region, bool redraw);
    // The skin's transparency colour as a ColorValue.
    ColorValue KeyColor() const;

    bool OnSysCommand(WPARAM command);
    void OnClose();

    SecondTicker ticker;
    unsigned tickPeriod = 0;  // what the clock timer was last set to, in milliseconds
    std::string shownTime;    // the time on the face
    ClockFace face;         // composed for shownTime; painting only draws it
    // A copy of the shape last handed to the window, or none while it has the plain rectangle:
    // asking the window for its shape would cost a round trip to the window server a tick.
    UniqueRegion shape;
    TimeJumpWatch timeJumps;
};
