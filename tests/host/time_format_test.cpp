#include "face/time_format.h"

#include <gtest/gtest.h>

namespace {

// Around midnight and noon, where a 12-hour clock turns 12 and changes between AM and PM, and
// where its hour gains and loses its tens; then the seconds and the colons.
TEST(FaceTextTest, HoursAroundMidnightAndNoonSecondsAndColons) {
    constexpr TimeFormat k24{}, k12{true}, kBlinking{false, true, Colons::Blinking};
    const struct {
        TimeOfDay time;
        TimeFormat format;
        const char* text;
    } cases[] = {
        {{0, 0, 0}, k24, "00:00:00"},
        {{23, 59, 59}, k12, "11:59:59P"},
        {{0, 0, 0}, k12, "12:00:00A"},
        {{0, 59, 59}, k12, "12:59:59A"},
        {{1, 0, 0}, k12, " 1:00:00A"},
        {{9, 59, 59}, k12, " 9:59:59A"},
        {{10, 0, 0}, k12, "10:00:00A"},
        {{11, 59, 59}, k12, "11:59:59A"},
        {{12, 0, 0}, k12, "12:00:00P"},
        {{13, 0, 0}, k12, " 1:00:00P"},
        {{21, 5, 0}, {true, false}, " 9:05P"},
        {{7, 8, 9}, {false, false}, "07:08"},
        {{7, 8, 8}, kBlinking, "07:08:08"},
        {{7, 8, 9}, kBlinking, "07.08.09"},
        {{7, 8, 8}, {true, false, Colons::Hidden}, " 7.08A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaceText(c.time, c.format), c.text) << c.time.hour << ":" << c.time.second;
}

TEST(FaceTextTest, RegionalPicturesWithAnUnquotedLowerHCountTwelveHours) {
    EXPECT_TRUE(IsTwelveHourPicture(L"h:mm:ss tt"));
    EXPECT_FALSE(IsTwelveHourPicture(L"HH:mm:ss"));
    EXPECT_FALSE(IsTwelveHourPicture(L"HH' h 'mm"));  // a quoted h is text
    EXPECT_TRUE(IsTwelveHourPicture(L"'o''clock' h"));
}

}  // namespace
