#pragma once
// The wall clock the face follows: its time, the local time text shown for it, and ticks aimed
// just past each turn of its second, so that the face changes within milliseconds of the real
// second instead of at a phase fixed by whenever the program started.

#include <cstdint>
#include <optional>
#include <string>

// Milliseconds since 1970-01-01 00:00 UTC, as the system clock tells them.
using WallTime = std::int64_t;

WallTime WallClockNow();

// Where a clock takes the time from: WallClockNow, unless a test stands in for it.
using WallClock = WallTime (*)();

// The local time of `now` as "HH:MM:SS", or empty if it cannot be formatted.
std::string LocalTimeText(WallTime now);

// Decides, tick by tick, whether the face has a second to show that it has not shown, and when
// the next tick should come.
class SecondTicker {
public:
    // How far past the turn of a second a tick is aimed: a timer never fires early, but a
    // tick that is aimed at the turn itself may see the clock a hair before it.
    static constexpr int kMarginMilliseconds = 1;
    // How far past the turn a tick may come and still count as on time.
    static constexpr int kToleranceMilliseconds = 4;

    // Whether the second of `now` differs from the one last taken; if it does, it is taken.
    // A tick that arrives before the second has turned takes nothing, so no second is shown
    // twice, and a late one takes the second it finds, so none is shown late by more than
    // the lateness.
    bool TakeNewSecond(WallTime now);
    // Makes the next TakeNewSecond take whatever second it finds: the time may have jumped.
    void Forget() { taken.reset(); }

    // Milliseconds from `now` to just past the next turn of the second.
    static unsigned DelayToNextSecond(WallTime now);
    // The period for the timer after a tick at `now`: a whole second after a tick on time, so
    // that a timer which keeps its phase needs no new aim, else the delay to just past the
    // next turn.
    static unsigned NextPeriod(WallTime now);

private:
    std::optional<std::int64_t> taken;  // seconds since 1970
};
