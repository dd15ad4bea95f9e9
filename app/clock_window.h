#pragma once
// The clock: a borderless, topmost popup dialog that lives for the whole run.

#include <string>

#include "app/clock_window_state.h"
#include "win/dialog.h"

class ClockWindow : public Dialog, private ClockWindowState {
public:
    explicit ClockWindow(HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static constexpr UINT_PTR kClockTimerId = 100;
    static constexpr UINT kTickMilliseconds = 1000;

    void OnPaint();
    void PaintMinimised(HDC dc);
    void PaintFace(HDC dc, const std::string& time);
    void PaintPlainText(HDC dc, const std::string& time);
    void OnTimer();
    void OnClose();
};
