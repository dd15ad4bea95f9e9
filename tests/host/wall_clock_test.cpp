#include "app/wall_clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr WallTime kNoon = 1'800'000'000'000;  // a whole second

// Every millisecond of a second aims the next tick just past the next turn; a tick on time
// keeps a period of a whole second, which lands there too.
TEST(SecondTickerTest, EveryMillisecondAimsJustPastTheNextSecond) {
    constexpr int kOnTime = SecondTicker::kMarginMilliseconds + SecondTicker::kToleranceMilliseconds;
    for (const WallTime second : {kNoon, WallTime{0}, WallTime{-5000}}) {
        for (int into = 0; into < 1000; ++into) {
            const WallTime now = second + into;
            const WallTime due = now + SecondTicker::DelayToNextSecond(now);
            EXPECT_EQ(due, second + 1000 + SecondTicker::kMarginMilliseconds) << now;
            const unsigned period = SecondTicker::NextPeriod(now);
            EXPECT_EQ(period, into <= kOnTime ? 1000u : SecondTicker::DelayToNextSecond(now))
                << now;
        }
    }
}

// Ticks that come early, late or on time, as a loaded machine's timer delivers them, each a
// period after the one before: the seconds taken must run on one by one, none twice or missed.
TEST(SecondTickerTest, JitteredTicksTakeEverySecondOnce) {
    const int lateness[] = {0, 3, -2, 15, 0, -1, 40, 7, -3, 120, 1, 0, 4, 4, 4, 4, 4, 4};
    SecondTicker ticker;
    std::vector<WallTime> taken;
    WallTime now = kNoon + 345;
    unsigned period = SecondTicker::DelayToNextSecond(now);
    for (int tick = 0; tick < 600; ++tick) {
        now += period + lateness[tick % std::size(lateness)];
        if (ticker.TakeNewSecond(now))
            taken.push_back(now / 1000);
        period = SecondTicker::NextPeriod(now);
    }
    ASSERT_GT(taken.size(), 400u);
    for (size_t i = 1; i < taken.size(); ++i)
        ASSERT_EQ(taken[i], taken[i - 1] + 1) << "tick " << i;

    // After Forget the same second is taken again: the face is shown whole at once.
    ticker.Forget();
    EXPECT_TRUE(ticker.TakeNewSecond(now));
    EXPECT_FALSE(ticker.TakeNewSecond(now + 1));
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
