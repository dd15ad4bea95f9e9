#pragma once
// The wall clock the face follows: its time, the local time text shown for it, and ticks aimed
// just past each turn of its second (or minute), so that the face changes within milliseconds of
// the real one instead of at a phase fixed by whenever the program started.

#include <cstdint>
#include <optional>
#include <string>

#include "face/time_format.h"

// Milliseconds since 1970-01-01 00:00 UTC, as the system clock tells them.
using WallTime = std::int64_t;

WallTime WallClockNow();

// Where a clock takes the time from: WallClockNow, unless a test stands in for it.
using WallClock = WallTime (*)();

// The local time of `now` as the face's text in `format` ("HH:MM:SS" by default), or empty if
// it cannot be formatted.
std::string LocalTimeText(WallTime now, const TimeFormat& format = {});

// The local time of `now` as milliseconds since 1970 read as if in UTC, as the runtime's time
// zone has it; `now` itself where it has none.
WallTime LocalInstant(WallTime now);

// How often a face changes: every second, or every minute where it shows no seconds. Minutes
// turn with the seconds since 1970, as every time zone's do.
enum class TickUnit : int { Second = 1000, Minute = 60'000 };

// Decides, tick by tick, whether the face has a second (or minute) to show that it has not
// shown, and when the next tick should come.
class Ticker {
public:
    // How far past the turn of a unit a tick is aimed: a timer never fires early, but a tick
    // that is aimed at the turn itself may see the clock a hair before it.
    static constexpr int kMarginMilliseconds = 1;
    // How far past the turn a tick may come and still count as on time.
    static constexpr int kToleranceMilliseconds = 4;

    explicit Ticker(TickUnit unit = TickUnit::Second) : unit(unit) {}

    TickUnit Unit() const { return unit; }
    // Counts in `newUnit` from now on; the next TakeNew takes whatever it finds.
    void SetUnit(TickUnit newUnit) {
        unit = newUnit;
        Forget();
    }

    // Whether the unit of `now` differs from the one last taken; if it does, it is taken. A
    // tick that arrives before the unit has turned takes nothing, so nothing is shown twice,
    // and a late one takes the unit it finds, so none is shown late by more than the lateness.
    bool TakeNew(WallTime now);
    // Makes the next TakeNew take whatever it finds: the time may have jumped.
    void Forget() { taken.reset(); }

    // Milliseconds from `now` to just past the next turn of `pace`.
    static unsigned DelayToNext(WallTime now, TickUnit pace);
    // The period for the timer after a tick at `now`: a whole `pace` after a tick on time, so
    // that a timer which keeps its phase needs no new aim, else the delay to just past the
    // next turn.
    static unsigned NextPeriod(WallTime now, TickUnit pace);

private:
    TickUnit unit;
    std::optional<std::int64_t> taken;  // units since 1970
};
