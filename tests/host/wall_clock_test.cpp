#include "app/wall_clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr WallTime kNoon = 1'800'000'000'000;  // a whole minute

// Every millisecond of a second (or a minute) aims the next tick just past the next turn; a tick
// on time keeps a period of a whole unit, which lands there too.
TEST(TickerTest, EveryMillisecondAimsJustPastTheNextTurn) {
    constexpr int kOnTime = Ticker::kMarginMilliseconds + Ticker::kToleranceMilliseconds;
    for (const TickUnit pace : {TickUnit::Second, TickUnit::Minute}) {
        const int unit = static_cast<int>(pace);
        for (const WallTime turn : {kNoon, WallTime{0}, WallTime{-5 * 60'000}}) {
            for (int into = 0; into < unit; ++into) {
                const WallTime now = turn + into;
                const WallTime due = now + Ticker::DelayToNext(now, pace);
                ASSERT_EQ(due, turn + unit + Ticker::kMarginMilliseconds) << now;
                const unsigned period = Ticker::NextPeriod(now, pace);
                ASSERT_EQ(period, into <= kOnTime ? unsigned(unit) : Ticker::DelayToNext(now, pace))
                    << now;
            }
        }
    }
}

// Ticks that come early, late or on time, as a loaded machine's timer delivers them, each a
// period after the one before: the seconds (or minutes) taken must run on one by one, none twice
// or missed.
TEST(TickerTest, JitteredTicksTakeEveryUnitOnce) {
    const int lateness[] = {0, 3, -2, 15, 0, -1, 40, 7, -3, 120, 1, 0, 4, 4, 4, 4, 4, 4};
    for (const TickUnit pace : {TickUnit::Second, TickUnit::Minute}) {
        const int unit = static_cast<int>(pace);
        Ticker ticker(pace);
        std::vector<WallTime> taken;
        WallTime now = kNoon + 345;
        unsigned period = Ticker::DelayToNext(now, pace);
        for (int tick = 0; tick < 600; ++tick) {
            now += period + lateness[tick % std::size(lateness)];
            if (ticker.TakeNew(now))
                taken.push_back(now / unit);
            period = Ticker::NextPeriod(now, pace);
        }
        ASSERT_GT(taken.size(), 400u);
        for (size_t i = 1; i < taken.size(); ++i)
            ASSERT_EQ(taken[i], taken[i - 1] + 1) << "tick " << i;

        // After Forget the same unit is taken again: the face is shown whole at once.
        ticker.Forget();
        EXPECT_TRUE(ticker.TakeNew(now));
        EXPECT_FALSE(ticker.TakeNew(now + 1));
    }
    // A minute's ticker takes nothing new within its minute; a new unit takes what it finds.
    Ticker ticker(TickUnit::Minute);
    EXPECT_TRUE(ticker.TakeNew(kNoon));
    EXPECT_FALSE(ticker.TakeNew(kNoon + 59'999));
    EXPECT_TRUE(ticker.TakeNew(kNoon + 60'000));
    ticker.SetUnit(TickUnit::Second);
    EXPECT_TRUE(ticker.TakeNew(kNoon + 60'000));
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

}  // namespace
