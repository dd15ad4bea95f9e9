#include "model/wall_clock.h"

#include <chrono>
#include <ctime>

#include "model/zone_time.h"

namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;

// Whole units since 1970, rounded down also before 1970, and milliseconds into the unit.
std::int64_t UnitOf(WallTime time, std::int64_t unit) {
    return time >= 0 ? time / unit : -((-time + unit - 1) / unit);
}

std::int64_t IntoUnit(WallTime time, std::int64_t unit) {
    return time - UnitOf(time, unit) * unit;
}

std::int64_t Milliseconds(TickUnit unit) {
    return static_cast<std::int64_t>(unit);
}

}  // namespace

WallTime WallClockNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string LocalTimeText(WallTime now, const TimeFormat& format) {
    const auto seconds = static_cast<std::time_t>(UnitOf(now, kMillisecondsPerSecond));
    const std::tm* local = std::localtime(&seconds);
    if (!local)
        return {};
    return FaceText({local->tm_hour, local->tm_min, local->tm_sec}, format);
}

WallTime LocalInstant(WallTime now) {
    const auto seconds = static_cast<std::time_t>(UnitOf(now, kMillisecondsPerSecond));
    const std::tm* local = std::localtime(&seconds);
    if (!local)
        return now;
    const std::int64_t days =
        DaysFromCivil(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday);
    return ((days * 24 + local->tm_hour) * 60 + local->tm_min) * 60'000 + local->tm_sec * 1000 +
           IntoUnit(now, kMillisecondsPerSecond);
}

bool Ticker::TakeNew(WallTime now) {
    const std::int64_t current = UnitOf(now, Milliseconds(unit));
    if (taken == current)
        return false;
    taken = current;
    return true;
}

unsigned Ticker::DelayToNext(WallTime now, TickUnit pace) {
    return static_cast<unsigned>(Milliseconds(pace) - IntoUnit(now, Milliseconds(pace)) +
                                 kMarginMilliseconds);
}

unsigned Ticker::NextPeriod(WallTime now, TickUnit pace) {
    if (IntoUnit(now, Milliseconds(pace)) <= kMarginMilliseconds + kToleranceMilliseconds)
        return static_cast<unsigned>(Milliseconds(pace));
    return DelayToNext(now, pace);
}
