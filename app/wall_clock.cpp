#include "app/wall_clock.h"

#include <chrono>
#include <ctime>

namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;

// Seconds since 1970, rounded down also before 1970, and milliseconds into the second.
std::int64_t SecondOf(WallTime time) {
    return time >= 0 ? time / kMillisecondsPerSecond
                     : -((-time + kMillisecondsPerSecond - 1) / kMillisecondsPerSecond);
}

std::int64_t IntoSecond(WallTime time) {
    return time - SecondOf(time) * kMillisecondsPerSecond;
}

}  // namespace

WallTime WallClockNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string LocalTimeText(WallTime now) {
    const auto seconds = static_cast<std::time_t>(SecondOf(now));
    const std::tm* local = std::localtime(&seconds);
    char text[128];
    if (!local)
        return {};
    return std::string(text, std::strftime(text, sizeof text, "%H:%M:%S", local));
}

bool SecondTicker::TakeNewSecond(WallTime now) {
    const std::int64_t second = SecondOf(now);
    if (taken == second)
        return false;
    taken = second;
    return true;
}

unsigned SecondTicker::DelayToNextSecond(WallTime now) {
    return static_cast<unsigned>(kMillisecondsPerSecond - IntoSecond(now) + kMarginMilliseconds);
}

unsigned SecondTicker::NextPeriod(WallTime now) {
    if (IntoSecond(now) <= kMarginMilliseconds + kToleranceMilliseconds)
        return kMillisecondsPerSecond;
    return DelayToNextSecond(now);
}
