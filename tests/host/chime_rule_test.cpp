#include "model/chime_rule.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using enum ChimeEvery;
constexpr std::int64_t kMinute = 60'000;
constexpr std::int64_t kMidnight = 20'000 * 1440 * kMinute;
constexpr std::optional<std::int64_t> kForget;

// A tick a second before each minute of the day and one just past it, also before 1970; the
// quiet is 22 to 7 unless the choices say otherwise (-2 to 31 is the same).
TEST(ChimeRuleTest, SoundsTheChosenTurnsOutsideTheQuiet) {
    const struct {
        ChimeChoices choices;
        std::vector<int> minutes, sounds;
    } cases[] = {
        // every, strike hours, quiet at night, quiet from, quiet until
        {{.every = Off}, {600}, {0}},
        {{.every = Hour}, {600, 630}, {1, 0}},
        {{.every = HalfHour}, {630, 615}, {1, 0}},
        {{.every = QuarterHour}, {645, 607, 1305, 1320, 0, 405, 420}, {1, 0, 1, 0, 0, 0, 1}},
        {{Hour, true, false}, {0, 720, 780, 1380}, {12, 12, 1, 11}},
        {{HalfHour, true, false}, {630}, {1}},
        {{QuarterHour, false, false}, {1320}, {1}},
        {{QuarterHour, {}, {}, 12, 14}, {705, 720, 825, 840, 1380}, {1, 0, 0, 1, 1}},
        {{QuarterHour, {}, {}, -2, 31}, {1305, 1320, 405, 420}, {1, 0, 0, 1}},
        {{QuarterHour, {}, {}, 7, 7}, {180}, {1}},
    };
    for (const auto& c : cases) {
        for (const std::int64_t midnight : {kMidnight, -3 * 1440 * kMinute}) {
            std::vector<int> sounds;
            for (const int minute : c.minutes) {
                ChimeRule rule;
                rule.Tick(c.choices, midnight + minute * kMinute - 999);
                sounds.push_back(rule.Tick(c.choices, midnight + minute * kMinute + 1));
            }
            EXPECT_EQ(sounds, c.sounds) << c.minutes[0] << " on " << midnight;
        }
    }
}

// Ticks around 10:00: a turn sounds once, only if the tick comes soon after it and soon after
// the tick before (not after sleep or a jump), and not at the first tick after Forget.
TEST(ChimeRuleTest, OnlyATimelyTickSoundsTheTurnOnce) {
    const struct {
        const char* what;
        std::vector<std::optional<std::int64_t>> ticks;
        std::vector<int> sounds;
    } cases[] = {
        {"on the turn, once", {-1, 0, 1}, {0, 1, 0}},
        {"a minute and a little", {1 - 61'000, 1}, {0, 1}},
        {"slept", {-61'000, 1}, {0, 0}},
        {"jumped over", {-30 * kMinute, 1000}, {0, 0}},
        {"late by the lateness", {-999, 2000}, {0, 1}},
        {"later", {-999, 3000}, {0, 0}},
        {"gone back, then on", {1000, -999, 1}, {0, 0, 1}},
        {"forgotten", {-999, kForget, 1, 15 * kMinute - 999, 15 * kMinute + 1}, {0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        ChimeRule rule;
        std::vector<int> sounds;
        for (const auto tick : c.ticks) {
            if (tick)
                sounds.push_back(
                    rule.Tick({.every = QuarterHour}, kMidnight + 600 * kMinute + *tick));
            else
                rule.Forget();
        }
        EXPECT_EQ(sounds, c.sounds) << c.what;
    }
}

}  // namespace
