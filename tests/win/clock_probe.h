#pragma once
// A clock window opened up for tests: its state readable, its checks run inside its own
// message loop.

#include <functional>
#include <string>
#include <vector>

#include "app/clock_window.h"
#include "win/application.h"

// A clock window that runs `check` once its initialisation is done, or once it is on the
// screen, then closes.
class ClockProbe : public ClockWindow {
public:
    enum class RunCheck { AfterInitialisation, WhenShown };

    explicit ClockProbe(std::function<void(ClockProbe&)> check,
                        RunCheck when = RunCheck::AfterInitialisation)
        : ClockWindow(*Application::Current()), check(std::move(check)), when(when) {}

    using ClockWindow::LoadSkin;
    using ClockWindow::OnCommand;
    using ClockWindow::placement;
    using ClockWindow::ShowTime;
    using ClockWindow::skin;

    // The window's current shape as text rows, '#' inside and '.' outside.
    std::vector<std::string> Shape() {
        const Size size = placement.WindowSize();
        std::vector<std::string> rows(size.height, std::string(size.width, '.'));
        const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
        if (GetWindowRgn(Handle(), region.get()) == ERROR)
            return {};
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x)
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
