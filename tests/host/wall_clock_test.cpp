#include "model/wall_clock.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <vector>

namespace {

constexpr WallTime kNoon = 1'800'000'000'000;  // a whole minute

// Every millisecond of a second aims the next tick just past the next turn; a tick on time
// keeps a period of a whole second, which lands there too.
TEST(TickerTest, EveryMillisecondAimsJustPastTheNextSecond) {
    constexpr int kOnTime = Ticker::kMarginMilliseconds + Ticker::kToleranceMilliseconds;
    for (const WallTime second : {kNoon, WallTime{0}, WallTime{-5000}}) {
        for (int into = 0; into < 1000; ++into) {
            const WallTime now = second + into;
            const WallTime due = now + Ticker::DelayToNext(now, TickUnit::Second);
            EXPECT_EQ(due, second + 1000 + Ticker::kMarginMilliseconds) << now;
            const unsigned period = Ticker::NextPeriod(now, TickUnit::Second);
            EXPECT_EQ(period, into <= kOnTime ? 1000u : Ticker::DelayToNext(now, TickUnit::Second))
                << now;
        }
    }
}

// Ticks that come early, late or on time, as a loaded machine's timer delivers them, each a
// period after the one before: the seconds taken must run on one by one, none twice or missed.
TEST(TickerTest, JitteredTicksTakeEverySecondOnce) {
    const int lateness[] = {0, 3, -2, 15, 0, -1, 40, 7, -3, 120, 1, 0, 4, 4, 4, 4, 4, 4};
    Ticker ticker;
    std::vector<WallTime> taken;
    WallTime now = kNoon + 345;
    unsigned period = Ticker::DelayToNext(now, TickUnit::Second);
    for (int tick = 0; tick < 600; ++tick) {
        now += period + lateness[tick % std::size(lateness)];
        if (ticker.TakeNew(now))
            taken.push_back(now / 1000);
        period = Ticker::NextPeriod(now, TickUnit::Second);
    }
    ASSERT_GT(taken.size(), 400u);
    for (size_t i = 1; i < taken.size(); ++i)
        ASSERT_EQ(taken[i], taken[i - 1] + 1) << "tick " << i;

    // After Forget the same second is taken again: the face is shown whole at once.
    ticker.Forget();
    EXPECT_TRUE(ticker.TakeNew(now));
    EXPECT_FALSE(ticker.TakeNew(now + 1));
}

// A minute's ticks are aimed just past the turn of the minute and come a whole minute apart
// when on time; a minute is taken once, and a ticker given a new unit takes what it finds.
TEST(TickerTest, MinutesTurnAtWholeMinutes) {
    constexpr TickUnit kMinute = TickUnit::Minute;
    EXPECT_EQ(Ticker::DelayToNext(kNoon + 12'345, kMinute), 60'000u - 12'345 + 1);
    EXPECT_EQ(Ticker::NextPeriod(kNoon + 5, kMinute), 60'000u);
    EXPECT_EQ(Ticker::NextPeriod(kNoon + 6, kMinute), 60'000u - 6 + 1);
    Ticker ticker(kMinute);
    EXPECT_TRUE(ticker.TakeNew(kNoon - 60'000));
    EXPECT_TRUE(ticker.TakeNew(kNoon));
    EXPECT_FALSE(ticker.TakeNew(kNoon + 59'999));
    ticker.SetUnit(TickUnit::Second);
    EXPECT_TRUE(ticker.TakeNew(kNoon + 59'999));
}

TEST(LocalTimeTextTest, GivesTheSecondOfTheTimeAsEightCharacters) {
    const std::string text = LocalTimeText(kNoon + 999);
    ASSERT_EQ(text.size(), 8u);
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == 2 || i == 5)
            EXPECT_EQ(text[i], ':');
        else
            EXPECT_TRUE(text[i] >= '0' && text[i] <= '9') << text;
    }
    EXPECT_EQ(LocalTimeText(kNoon), text);  // the milliseconds do not count
    EXPECT_NE(LocalTimeText(kNoon + 1000), text);
}

// The local instant and the local text tell the same time of day, to the millisecond.
TEST(LocalTimeTextTest, TheLocalInstantIsTheTimeOfDayTheTextShows) {
    const WallTime local = LocalInstant(kNoon + 999);
    EXPECT_EQ(local % 1000, 999);
    const std::int64_t second = local / 1000 % 86'400;
    char text[16] = {};
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(second / 3600),
                  static_cast<int>(second / 60 % 60), static_cast<int>(second % 60));
    EXPECT_EQ(LocalTimeText(kNoon + 999), text);
}

}  // namespace
