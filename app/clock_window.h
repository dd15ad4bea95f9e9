#pragma once
// The clock: a borderless, topmost popup dialog that lives for the whole run.

#include <string>

#include "app/clock_face.h"
#include "app/clock_window_state.h"
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

private:
    static constexpr UINT_PTR kClockTimerId = 100;
    static constexpr UINT kTickMilliseconds = 1000;

    // Painting
    void OnPaint();
    void PaintMinimised(HDC dc);
    void PaintFace(HDC dc, const std::string& time);
    void PaintPlainText(HDC dc, const std::string& time);
    void OnTimer();

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

    // Hands a new shape to the window, which owns it from then on.
    void SetShape(UniqueRegion region);
    // The skin's transparency colour as a ColorValue.
    ColorValue KeyColor() const;

    bool OnSysCommand(WPARAM command);
    void OnClose();

    ClockFace face;  // the last paint's face; its images serve the next paint
};
