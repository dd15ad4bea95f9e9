#pragma once
// The program: what there is one of however many clocks it shows. It holds the clocks, the
// settings file (found once), the notification-area icon, the claim on the user's session and
// the answer to a second start, starting with Windows, the regional format and the shell's
// notices. The first clock's window is the one the shell knows the program by: the icon's
// clicks, a second start's summons and the broadcasts come to it, and the clock hands them here.

#include <memory>
#include <optional>
#include <vector>

#include "app/clock_host.h"
#include "settings/clock_settings.h"
#include "model/wall_clock.h"
#include "settings/settings_file.h"
#include "shell/chime_player.h"
#include "shell/foreground_watch.h"
#include "shell/time_jump_watch.h"
#include "shell/tray_icon.h"
#include "win/unique_handle.h"

class Application;
class ClockWindow;

class ClockProgram : public ClockHost {
public:
    // The program of `app`, its clocks following the time `now` tells.
    explicit ClockProgram(Application& app, WallClock now = WallClockNow);
    ~ClockProgram();
    ClockProgram(const ClockProgram&) = delete;
    ClockProgram& operator=(const ClockProgram&) = delete;

    // Claims the user's session for this program; false when another start holds it, which was
    // asked to come forward in this one's place.
    bool ClaimSession();
    // Shows the clocks and runs until the user ends the run.
    void Run();

    // The clock the shell knows the program by, while the program runs.
    ClockWindow* FirstClock() const { return clocks.empty() ? nullptr : clocks.front().get(); }

    bool Hear(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Save() override;
    void EndRun() override;
    void NewClock(const ClockWindow& from) override;
    void CloseClock(ClockWindow& clock) override;
    bool SeveralClocks() const override { return clocks.size() > 1; }
    bool RoomForAnother() const override { return clocks.size() < kMaxClocks; }
    void PaceChanged() override;
    void WindowChoicesChanged() override;
    bool StartsWithWindows() const override;
    ChimeChoices Chime() const override { return chime; }
    void TakeProgramChoices(const MenuChoices& choices) override;
    bool RegionUsesTwelveHours() const override { return regionTwelveHours; }
    bool HearsFullScreenWindows() const override { return foreground.Heard(); }

private:
    // One timer ticks every clock, on the first clock's window.
    static constexpr UINT_PTR kTickTimerId = 100;
    // Clicks on the notification-area icon.
    static constexpr UINT kTrayIconMessage = WM_APP + 2;
    // Another window came to the foreground, or the foreground window moved.
    static constexpr UINT kForegroundMessage = WM_APP + 3;

    // Makes and shows a clock as `saved` describes it; false when its window could not be made.
    bool AddClock(const ClockSettings& saved);
    // The window the shell's notices come to: the first clock's.
    HWND ShellWindow() const;
    // Starts the notices of the shell and the icon on the first clock's window.
    void ListenToTheShell();
    void StopListening();
    // Runs the message loop, with each clock's keys handled as a dialog's, until the run ends.
    void RunMessages();
    // The finest pace a clock needs.
    TickUnit Pace() const;
    // The first tick comes just past the next turn; every tick aims the one after it.
    void StartTicking();
    void OnTick();
    bool Hushed() const;
    // Aims the next tick just past the next turn of the finest pace a clock needs.
    void AimNextTick(WallTime time);
    bool AnswerShell(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnTrayIcon(UINT mouseMessage);
    // Another start of the program asked for the clock.
    void OnSummoned();
    // With a clock's skin chooser or About box open, that dialog comes forward (the answer is
    // true), in place of a menu that would open it a second time or end the program under it.
    bool BringOpenDialogForward() const;

    Application& app;
    WallClock now;
    HICON icon = nullptr;  // shared resource icon, never destroyed
    ChimePlayer chimePlayer;
    SettingsFile settings;
    UniqueKernelObject session;  // empty unless claimed
    std::vector<std::unique_ptr<ClockWindow>> clocks;
    // Clocks closed from their own menu: gone from the screen, and destroyed once no handler of
    // theirs runs.
    std::vector<std::unique_ptr<ClockWindow>> closed;
    int savedClocks = 1;               // how many clocks the file holds
    UINT_PTR tickTimer = 0;            // 0: no timer could be started, and the clocks do not tick
    unsigned tickPeriod = 0;           // what the tick timer was last set to, in milliseconds
    std::optional<TrayIcon> trayIcon;  // on the first clock's window
    TimeJumpWatch timeJumps;
    ForegroundWatch foreground;
    bool regionTwelveHours = false;
    ChimeChoices chime;
    ChimeRule chimeRule;
};
