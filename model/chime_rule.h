#pragma once
// When the clock sounds: on the turns of the hour the user chose to hear, struck as the hour on
// the hours if asked, quiet at night, and only when a tick comes soon after the turn, so that a
// computer waking from sleep does not chime for a turn long past.

#include <cstdint>
#include <optional>

// The Chime menu's choice of how often.
enum class ChimeEvery { Off, Hour, HalfHour, QuarterHour };

// The Chime menu's choices, each none until the user makes it (then the settings file does not
// name it), and the quiet hours, which only the settings file sets.
struct ChimeChoices {
    std::optional<ChimeEvery> every{};
    std::optional<bool> strikeHours{};  // on the hour, one strike per hour of the 12-hour dial
    std::optional<bool> quietAtNight{};
    int quietFrom = 22;  // hour of the day (0-23) the quiet begins
    // The hour of the day the quiet ends (exclusive); equal to quietFrom: never quiet.
    int quietUntil = 7;
    ChimeEvery Every() const { return every.value_or(ChimeEvery::Off); }
    bool StrikesHours() const { return strikeHours.value_or(false); }
    bool QuietAtNight() const { return quietAtNight.value_or(true); }
    bool operator==(const ChimeChoices&) const = default;
};

// Decides, tick by tick, whether the tick sounds: the program ticks at least once a minute,
// just past each turn of its second or minute.
class ChimeRule {
public:
    // How late after the turn a tick may come and still sound it.
    static constexpr int kLatenessMilliseconds = 2000;
    // The longest wait between two ticks of a clock that is awake: a minute and a little.
    static constexpr int kLongestTickMilliseconds = 61'000;

    // The tick at `local` (the local time as milliseconds since 1970 read as if in UTC):
    // how many times to sound: 0 for none, 1 for a chime, 1 to 12 for the hour struck.
    int Tick(const ChimeChoices& choices, std::int64_t local);
    // The time may have jumped: the next tick sounds nothing, it only sets where ticks stand.
    void Forget() { previous.reset(); }

private:
    std::optional<std::int64_t> previous;
};
