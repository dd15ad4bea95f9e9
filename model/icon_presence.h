#pragma once
// Whether the clock's notification-area icon is there, and what the shell is asked to make it so.
// At sign-in the clock may start before the notification area is ready: the shell then refuses
// the icon, or takes it after its answer timed out, and the area's "made anew" broadcast may have
// gone out before the clock was there to hear it. So a refused icon is asked for again for a
// while, each time asking first whether it came after all, and hiding always asks the shell to
// take the icon away, whatever the last answer was.

#include <functional>

enum class IconRequest { Add, Modify, Delete };

class IconPresence {
public:
    // Makes `request` of the shell; true when the shell did it.
    using Shell = std::function<bool(IconRequest)>;
    // How often a refused icon is asked for again before the clock gives up.
    static constexpr int kRetries = 36;

    explicit IconPresence(Shell shell) : shell(std::move(shell)) {}

    void Show(bool on);
    // The notification area was made anew (Explorer restarted) and holds no icon.
    void Restore();
    // The time for another try came.
    void Retry();
    // Whether another try is wanted: the icon is wanted, not there, and tries are left.
    bool Retrying() const { return wanted && !shown && retriesLeft > 0; }
    bool Shown() const { return shown; }

private:
    void Add();

    Shell shell;
    bool wanted = false;
    bool shown = false;  // the shell said it holds the icon
    int retriesLeft = 0;
};
