#pragma once
// The clock: a borderless, topmost popup dialog that lives for the whole run.

#include <string>

#include "app/clock_window_state.h"
#include "win/dialog.h"

class ClockWindow : public Dialog, protected ClockWindowState {
public:
    explicit ClockWindow(HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // Applies the skin folder `name`; false when no background has ever loaded, which leaves
    // the window without a size.
    bool LoadSkin(std::string name);

private:
    static constexpr UINT_PTR kClockTimerId = 100;

    // Pulls posX, posY onto the edge of the dock mode.
    void ClampToEdge();
    // Moves the window, keeping its size; every move re-asserts always-on-top.
    void MoveTo(int x, int y);
    // Hands a new shape to the window, which owns it from then on.
    void SetShape(UniqueRegion region);
    // The skin's transparency colour as a ColorValue.
    ColorValue KeyColor() const;

    static constexpr UINT kTickMilliseconds = 1000;

    void OnPaint();
    void PaintMinimised(HDC dc);
    void PaintFace(HDC dc, const std::string& time);
    void PaintPlainText(HDC dc, const std::string& time);
    void OnTimer();
    void OnClose();
};
