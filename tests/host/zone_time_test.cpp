#include "model/zone_time.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ZoneInstant Utc(int year, int month, int day, int hour, int minute) {
    return ((DaysFromCivil(year, month, day) * 24 + hour) * 60 + minute) * 60'000;
}

// Bias, standard and daylight bias, then the changes to standard and to daylight time. "Week 5"
// is the last Sunday: the fifth of March 2026 and the fourth of October.
constexpr ZoneRules kBerlin{-60, 0, -60, {0, 10, 0, 5, 3}, {0, 3, 0, 5, 2}};
constexpr ZoneRules kBerlinOnce{-60, 0, -60, {2026, 10, 0, 25, 3}, {2026, 3, 0, 29, 2}};
constexpr ZoneRules kSydney{-600, 0, -60, {0, 4, 0, 1, 3}, {0, 10, 0, 1, 2}};
constexpr ZoneRules kTokyo{-540, 0, 0, {}, {}};
// Both changes on one day: no daylight time, though the day's hours lie between them.
constexpr ZoneRules kOneDay{-60, 0, -60, {0, 3, 0, 5, 23, 59}, {0, 3, 0, 5, 2}};

TEST(ZoneTimeTest, OffsetChangesExactlyAtEachChange) {
    const struct {
        ZoneRules rules;
        ZoneInstant utc;
        int offset;
    } cases[] = {
        {kBerlin, Utc(2026, 1, 1, 0, 0), 60},       {kBerlin, Utc(2026, 3, 29, 0, 59), 60},
        {kBerlin, Utc(2026, 3, 29, 1, 0), 120},     {kBerlin, Utc(2026, 10, 25, 0, 59), 120},
        {kBerlin, Utc(2026, 10, 25, 1, 0), 60},     {kBerlinOnce, Utc(2026, 3, 29, 0, 59), 60},
        {kBerlinOnce, Utc(2026, 3, 29, 1, 0), 120}, {kBerlinOnce, Utc(2026, 10, 25, 1, 0), 60},
        {kSydney, Utc(2026, 4, 4, 15, 59), 660},    {kSydney, Utc(2026, 4, 4, 16, 0), 600},
        {kSydney, Utc(2026, 10, 3, 15, 59), 600},   {kSydney, Utc(2026, 10, 3, 16, 0), 660},
        {kSydney, Utc(2026, 12, 31, 13, 30), 660},  {kSydney, Utc(2026, 12, 31, 14, 30), 660},
        {kTokyo, Utc(2026, 7, 1, 0, 0), 540},       {kOneDay, Utc(2026, 3, 29, 12, 0), 60},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UtcOffsetMinutes(c.utc, c.rules), c.offset) << c.rules.bias << " " << c.utc;
    EXPECT_EQ(DaylightStart(kSydney, 2026), Utc(2026, 10, 3, 16, 0));
    EXPECT_EQ(DaylightEnd(kSydney, 2026), Utc(2026, 4, 4, 16, 0));
}

TEST(CivilTimeTest, SplitsInstantsAcross1970AndLeapDays) {
    EXPECT_EQ(ToCivil(0), (CivilTime{1970, 1, 1, 4, 0, 0, 0}));
    EXPECT_EQ(ToCivil(-1), (CivilTime{1969, 12, 31, 3, 23, 59, 59}));
    EXPECT_EQ(ToCivil(1'709'210'096'789), (CivilTime{2024, 2, 29, 4, 12, 34, 56}));
    EXPECT_EQ(ToCivil(951'782'400'000), (CivilTime{2000, 2, 29, 2, 0, 0, 0}));
    EXPECT_EQ(ToCivil(-2'203'891'200'000), (CivilTime{1900, 3, 1, 4, 0, 0, 0}));  // not leap
    // Every day of eight centuries maps back to itself, a weekday after the one before.
    for (std::int64_t days = -135'000; days < 157'000; ++days) {
        const CivilTime civil = ToCivil(days * 86'400'000 + 86'399'999);
        ASSERT_EQ(DaysFromCivil(civil.year, civil.month, civil.day), days);
        ASSERT_EQ(civil.weekday, (ToCivil((days - 1) * 86'400'000).weekday + 1) % 7);
    }
}

// Rules are asked for once per year of the zone, which may turn before UTC's, and rules the
// system cannot give are not asked for again within the year.
TEST(ZoneClockTest, AsksForTheRulesOncePerYearOfTheZone) {
    std::vector<int> asked;
    const auto source = [&asked](std::optional<ZoneRules> rules) {
        return [&asked, rules](int year) {
            asked.push_back(year);
            return rules;
        };
    };
    ZoneClock berlin(source(kBerlin)), tokyo(source(kTokyo)), nowhere(source(std::nullopt));
    EXPECT_EQ(berlin.Local(Utc(2026, 12, 31, 22, 59)), Utc(2026, 12, 31, 23, 59));
    EXPECT_EQ(berlin.Local(Utc(2026, 7, 1, 12, 0)), Utc(2026, 7, 1, 14, 0));
    EXPECT_EQ(berlin.Local(Utc(2026, 12, 31, 23, 0)), Utc(2027, 1, 1, 0, 0));
    EXPECT_EQ(tokyo.OffsetMinutes(Utc(2026, 12, 31, 15, 0)), 540);
    EXPECT_EQ(nowhere.Local(Utc(2026, 7, 1, 12, 0)), std::nullopt);
    EXPECT_EQ(nowhere.Local(Utc(2026, 7, 2, 12, 0)), std::nullopt);
    EXPECT_EQ(asked, (std::vector{2026, 2027, 2026, 2027, 2026}));
}

TEST(ZoneTextTest, LabelIsTheLastPlaceOfTheDisplayName) {
    const std::string_view cases[][2] = {
        {"(UTC+09:00) Osaka, Sapporo, Tokyo", "Tokyo"},
        {"(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna", "Vienna"},
        {"(UTC-05:00) Eastern Time (US & Canada)", "Eastern Time (US & Canada)"},
        {"(UTC) Coordinated Universal Time", "Coordinated Universal Time"},
        {" (UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi\t", "New Delhi"},
        {"Hobart ,  Canberra ", "Canberra"},
        {"", ""},
    };
    for (const auto& [displayName, label] : cases)
        EXPECT_EQ(DefaultZoneLabel(displayName), label) << displayName;
}

TEST(ZoneTextTest, OffsetInHoursAndMinutes) {
    const std::pair<int, std::string_view> cases[] = {
        {1020, "+17 h"},  {-300, "-5 h"},   {330, "+5:30 h"}, {-210, "-3:30 h"},
        {345, "+5:45 h"}, {-65, "-1:05 h"}, {0, "\u00b10 h"}};
    for (const auto& [minutes, text] : cases)
        EXPECT_EQ(OffsetText(minutes), text) << minutes;
}

}  // namespace
