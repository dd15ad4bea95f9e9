#include "model/chime_rule.h"

namespace {

constexpr std::int64_t kMillisecondsPerMinute = 60'000;
constexpr std::int64_t kMillisecondsPerHour = 60 * kMillisecondsPerMinute;
constexpr int kHoursPerDay = 24;
constexpr int kHoursOnTheDial = 12;

// Rounded down also before 1970, so that a turn is never taken for the one after it.
std::int64_t FloorDivide(std::int64_t value, std::int64_t by) {
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

// The settings file may hold any hour, negative ones too.
int HourOfDay(std::int64_t hour) {
    return static_cast<int>(hour - FloorDivide(hour, kHoursPerDay) * kHoursPerDay);
}

std::int64_t TurnMilliseconds(ChimeEvery every) {
    switch (every) {
        case ChimeEvery::Hour:
            return kMillisecondsPerHour;
        case ChimeEvery::HalfHour:
            return 30 * kMillisecondsPerMinute;
        case ChimeEvery::QuarterHour:
            return 15 * kMillisecondsPerMinute;
        case ChimeEvery::Off:
            break;
    }
    return 0;
}

// Quiet hours that start later in the day than they end run on past midnight.
bool IsQuiet(const ChimeChoices& choices, int hour) {
    const int from = HourOfDay(choices.quietFrom);
    const int until = HourOfDay(choices.quietUntil);
    if (!choices.QuietAtNight() || from == until)
        return false;
    if (from < until)
        return from <= hour && hour < until;
    return hour >= from || hour < until;
}

}  // namespace

int ChimeRule::Tick(const ChimeChoices& choices, std::int64_t local) {
    // Every tick moves on, even one that sounds nothing, so no turn is sounded twice and a
    // choice made later starts from here.
    const std::optional<std::int64_t> before = previous;
    previous = local;
    const std::int64_t step = TurnMilliseconds(choices.Every());
    if (!before || step == 0 || local - *before > kLongestTickMilliseconds)
        return 0;
    // Ticks come less than a turn apart, so no turn but the latest can lie between them; a tick
    // that went back finds its latest turn at or before the tick before, and sounds nothing.
    const std::int64_t turn = FloorDivide(local, step) * step;
    if (turn <= *before || local - turn > kLatenessMilliseconds)
        return 0;
    const std::int64_t hours = FloorDivide(turn, kMillisecondsPerHour);
    const int hour = HourOfDay(hours);
    if (IsQuiet(choices, hour))
        return 0;
    if (!choices.StrikesHours() || turn != hours * kMillisecondsPerHour)
        return 1;
    const int dial = hour % kHoursOnTheDial;
    return dial == 0 ? kHoursOnTheDial : dial;
}
