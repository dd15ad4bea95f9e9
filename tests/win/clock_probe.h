#pragma once
// A clock window opened up for tests: its state readable, its checks run inside its own
// message loop.

#include <functional>
#include <string>
#include <vector>

#include "app/clock_window.h"

// A clock window that runs `check` once its initialisation is done, or once it is on the
// screen, then closes.
class ClockProbe : public ClockWindow {
public:
    enum class RunCheck { AfterInitialisation, WhenShown };

    explicit ClockProbe(std::function<void(ClockProbe&)> check,
                        RunCheck when = RunCheck::AfterInitialisation)
        : check(std::move(check)), when(when) {}

    using ClockWindow::LoadSkin;
    using ClockWindow::OnCommand;
    using ClockWindow::ShowTime;
    using ClockWindowState::background;
    using ClockWindowState::dockMode;
    using ClockWindowState::glyphs;
    using ClockWindowState::homeX;
    using ClockWindowState::posX;
    using ClockWindowState::posY;
    using ClockWindowState::shapeFollowsFace;
    using ClockWindowState::skinLoaded;
    using ClockWindowState::transparencyColor;
    using ClockWindowState::windowHeight;
    using ClockWindowState::windowWidth;

    // The window's current shape as text rows, '#' inside and '.' outside.
    std::vector<std::string> Shape() {
        std::vector<std::string> rows(windowHeight, std::string(windowWidth, '.'));
        const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
        if (GetWindowRgn(Handle(), region.get()) == ERROR)
            return {};
        for (int y = 0; y < windowHeight; ++y)
            for (int x = 0; x < windowWidth; ++x)
                if (PtInRegion(region.get(), x, y))
                    rows[y][x] = '#';
        return rows;
    }

protected:
    static constexpr UINT kShown = WM_APP + 7;

    bool OnInitDialog() override {
        ClockWindow::OnInitDialog();
        if (when == RunCheck::WhenShown) {
            PostMessageA(Handle(), kShown, 0, 0);
            return true;
        }
        check(*this);
        EndDialog(IDOK);
        return true;
    }

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != kShown)
            return ClockWindow::HandleMessage(message, wParam, lParam, result);
        check(*this);
        EndDialog(IDOK);
        return true;
    }

private:
    std::function<void(ClockProbe&)> check;
    RunCheck when;
};
