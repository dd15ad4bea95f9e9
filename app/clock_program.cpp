#include "app/clock_program.h"

#include <algorithm>
#include <cstring>

#include "app/clock_window.h"
#include "app/display_screens.h"
#include "model/free_place.h"
#include "res/resource.h"
#include "shell/one_clock.h"
#include "shell/user_busy.h"
#include "skin/skin_folders.h"
#include "shell/regional_format.h"
#include "shell/start_with_windows.h"
#include "win/application.h"
#include "win/rect_conversion.h"
#include "win/uncoalesced_timer.h"

namespace {

// The clocks' window class: a dialog's, under a name of its own that a second start and the
// installer look for.
void RegisterClockClass(HINSTANCE instance, HICON icon) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefDlgProcA;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClockWindowClass;
    RegisterClassExA(&windowClass);  // fails harmlessly when a program of the process ran before
}

}  // namespace

ClockProgram::ClockProgram(Application& app, WallClock now)
    : app(app),
      now(now),
      icon(LoadIconA(app.Instance(), MAKEINTRESOURCEA(IDI_CLOCK))),
      chimePlayer(app.Instance()),
      settings(SettingsFile::ForProgram(app.ExeFolder(), app.ExeName())) {}

ClockProgram::~ClockProgram() = default;

bool ClockProgram::ClaimSession() {
    session = ClaimTheSessionOrSummon();
    if (!session)
        return false;  // the program that runs takes over
    // Now that no other program of this session is saving.
    settings.RemoveLeftovers();
    return true;
}

void ClockProgram::Run() {
    RegisterClockClass(app.Instance(), icon);
    regionTwelveHours = ::RegionUsesTwelveHours();
    savedClocks = SavedClockCount(settings);
    chime = ReadChimeChoices(settings);
    for (int number = 1; number <= savedClocks; ++number)
        AddClock(ClockSettings::Read(settings, number));
    if (clocks.empty())
        return;
    app.SetMainWindow(clocks.front().get());
    ListenToTheShell();
    StartTicking();
    RunMessages();
    StopListening();
    app.SetMainWindow(nullptr);
    clocks.clear();
}

bool ClockProgram::AddClock(const ClockSettings& saved) {
    // In the list while it is made, so that what its start saves holds it.
    clocks.push_back(std::make_unique<ClockWindow>(*this, app, saved, now));
    if (clocks.back()->Create())
        return true;
    clocks.pop_back();
    return false;
}

void ClockProgram::RunMessages() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        bool keyed = false;
        for (const auto& clock : clocks)
            keyed = keyed || IsDialogMessageA(clock->Handle(), &message);
        if (!keyed) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        closed.clear();
    }
}

TickUnit ClockProgram::Pace() const {
    TickUnit pace = TickUnit::Minute;
    for (const auto& clock : clocks)
        pace = std::min(pace, clock->Pace());
    return pace;
}

void ClockProgram::StartTicking() {
    tickPeriod = Ticker::DelayToNext(now(), Pace());
    tickTimer = SetUncoalescedTimer(ShellWindow(), kTickTimerId, tickPeriod);
}

// Each tick shows the clocks the second (or minute) they show, and aims the next tick just past
// the next turn: a timer of a fixed period would drift against the second and now and then skip
// one.
void ClockProgram::OnTick() {
    if (!tickTimer)
        return;
    const WallTime time = now();
    for (const auto& clock : clocks)
        clock->Tick(time);
    AimNextTick(time);
    // After the faces: the chime never holds back the second it comes with.
    if (const int times = chimeRule.Tick(chime, LocalInstant(time)); times > 0 && !Hushed()) {
        // The first clock's skin's sound, read anew: the user may have chosen another skin.
        chimePlayer.TakeSkin(
            LocateSkin(clocks.front()->GetShownSkin().Name(), app.ExeFolder()).value_or(""));
        chimePlayer.Play(times);
    }
}

// A user who is presenting, playing, in a call or in quiet time, or watching a full-screen
// window in front of a clock, hears no chime.
bool ClockProgram::Hushed() const {
    return UserIsBusy() || std::any_of(clocks.begin(), clocks.end(),
                                       [](const auto& clock) { return clock->SteppedAside(); });
}

void ClockProgram::AimNextTick(WallTime time) {
    // A timer already running at the period wanted is left alone: setting it costs a round trip
    // to the window server, whose timers keep their phase.
    if (const unsigned period = Ticker::NextPeriod(time, Pace()); period != tickPeriod) {
        SetUncoalescedTimer(ShellWindow(), kTickTimerId, period);
        tickPeriod = period;
    }
}

void ClockProgram::PaceChanged() {
    if (tickTimer)
        AimNextTick(now());
}

HWND ClockProgram::ShellWindow() const {
    return clocks.empty() ? nullptr : clocks.front()->Handle();
}

void ClockProgram::ListenToTheShell() {
    timeJumps.Start(ShellWindow());
    foreground.Start(ShellWindow(), kForegroundMessage);
    trayIcon.emplace(ShellWindow(), kTrayIconMessage, app.Instance(), IDI_CLOCK);
    WindowChoicesChanged();
}

// While the window is still there: the icon goes with the window that answers it.
void ClockProgram::StopListening() {
    trayIcon.reset();
    foreground.Stop();
    timeJumps.Stop();
}

bool ClockProgram::Hear(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kSummonClockMessage) {
        OnSummoned();  // whichever clock the second start found
        return true;
    }
    // The broadcasts reach every clock; the program takes them once, from the first.
    return window == ShellWindow() && AnswerShell(message, wParam, lParam, result);
}

bool ClockProgram::AnswerShell(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (TimeJumpWatch::MayHaveJumped(message, wParam, lParam)) {
        for (const auto& clock : clocks)
            clock->Resynchronise();
        chimeRule.Forget();
        PaceChanged();
        result = TRUE;  // what a power broadcast is answered with; the others ignore it
        return true;
    }
    if (TrayIcon::IsTaskbarCreated(message)) {
        if (trayIcon)
            trayIcon->Restore();
        return true;
    }
    switch (message) {
        case kTrayIconMessage:
            OnTrayIcon(static_cast<UINT>(lParam));
            return true;
        case kForegroundMessage:
            for (const auto& clock : clocks)
                clock->FollowFullScreen();
            return true;
        case WM_TIMER:
            if (wParam == kTickTimerId)
                OnTick();
            else if (wParam == TrayIcon::kRetryTimerId)
                trayIcon->Retry();
            return true;
        case WM_DPICHANGED:
            if (trayIcon)
                trayIcon->TakeDpi();
            return false;  // the clock follows the DPI too
        case WM_SETTINGCHANGE:
            // The user changed the regional format, which the automatic hours follow.
            if (lParam && std::strcmp(reinterpret_cast<const char*>(lParam), "intl") == 0) {
                regionTwelveHours = ::RegionUsesTwelveHours();
                for (const auto& clock : clocks)
                    clock->TakeTimeFormat();
            }
            return false;
        case WM_ENDSESSION:
            // The session ends and the process with it, without a close.
            if (wParam)
                Save();
            return true;
        default:
            return false;
    }
}

void ClockProgram::OnTrayIcon(UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONUP:
            for (const auto& clock : clocks)
                clock->BringForward();
            BringOpenDialogForward();
            break;
        case WM_RBUTTONUP:
            if (!BringOpenDialogForward())
                clocks.front()->OpenMenu(PointerPosition(), true);
            break;
        case WM_MOUSEMOVE:
            // Set as the pointer comes onto the icon, before its tip shows: a tip kept up to date
            // every tick would cost a call to the shell every second.
            trayIcon->SetTip(TimeNow() + L"\n" + LongDateToday());
            break;
        default:
            break;
    }
}

void ClockProgram::OnSummoned() {
    // The start that summoned waits for this answer, not for the menu to close.
    ReplyMessage(TRUE);
    ClockWindow& first = *clocks.front();
    first.TakeClicks();  // the clock the user asked for takes their clicks
    first.BringForward();
    if (!BringOpenDialogForward())
        first.OpenMenu(WindowRect(first.Handle()).Middle(), true);
}

bool ClockProgram::BringOpenDialogForward() const {
    for (const auto& clock : clocks) {
        if (clock->BringOpenDialogForward())
            return true;
    }
    return false;
}

// Saves where each window really stands, so a clock closed while dodged comes back there.
void ClockProgram::Save() {
    const int count = static_cast<int>(clocks.size());
    std::vector<SettingsValue> values = ClockCountValues(count, savedClocks);
    const std::vector<SettingsValue> chimed = ChimeValues(chime);
    values.insert(values.end(), chimed.begin(), chimed.end());
    for (int number = 1; number <= count; ++number) {
        const std::vector<SettingsValue> clock = clocks[number - 1]->Settings().Values(number);
        values.insert(values.end(), clock.begin(), clock.end());
    }
    if (settings.Write(values))
        savedClocks = count;
}

// The new clock shows the same skin at the same size, in local time, where it overlaps no other
// clock on the monitor of the one it comes from; on a full monitor, it stands on that one.
void ClockProgram::NewClock(const ClockWindow& from) {
    if (!RoomForAnother())
        return;
    const Rect fromRect = WindowRect(from.Handle());
    std::vector<Rect> taken;
    for (const auto& clock : clocks)
        taken.push_back(WindowRect(clock->Handle()));
    const ClockSettings source = from.Settings();
    ClockSettings added;
    added.skinName = source.skinName;
    added.position =
        FreePlace(fromRect, DisplayScreens().Nearest(fromRect), taken).value_or(fromRect.Origin());
    added.zoomChoice = source.zoomChoice;
    added.time = source.time;
    if (AddClock(added)) {
        PaceChanged();
        Save();
    }
}

void ClockProgram::CloseClock(ClockWindow& clock) {
    if (!SeveralClocks())
        return;
    const auto found = std::find_if(clocks.begin(), clocks.end(),
                                    [&clock](const auto& held) { return held.get() == &clock; });
    if (found == clocks.end())
        return;
    const bool first = found == clocks.begin();
    if (first)
        StopListening();
    closed.push_back(std::move(*found));
    clocks.erase(found);
    closed.back()->Destroy();
    if (first) {
        // The next clock is the one the shell knows the program by from now on.
        app.SetMainWindow(clocks.front().get());
        ListenToTheShell();
        StartTicking();
    }
    Save();
}

void ClockProgram::EndRun() {
    Save();
    PostQuitMessage(0);
}

void ClockProgram::WindowChoicesChanged() {
    bool wanted = false;
    for (const auto& clock : clocks)
        wanted = wanted || clock->Choices().ShowsTrayIcon();
    if (trayIcon)
        trayIcon->Show(wanted);
}

// As the system's list has it now: the user or another copy of the program may have changed it.
bool ClockProgram::StartsWithWindows() const {
    return ::StartsWithWindows(app.ExePath());
}

void ClockProgram::TakeProgramChoices(const MenuChoices& choices) {
    if (choices.startWithWindows != StartsWithWindows())
        ::SetStartsWithWindows(app.ExePath(), choices.startWithWindows);
    chime = choices.chime;
    Save();
}
