#include "shell/time_zones.h"

#include "app/clock_zone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

TEST(TimeZonesTest, SystemListsItsZonesWestToEastThenByName) {
    const std::vector<TimeZone> zones = SystemTimeZones();
    EXPECT_GT(zones.size(), 100u);
    EXPECT_TRUE(std::is_sorted(zones.begin(), zones.end(), [](const auto& a, const auto& b) {
        return std::tie(b.bias, a.displayName) < std::tie(a.bias, b.displayName);
    }));
    EXPECT_TRUE(std::any_of(zones.begin(), zones.end(), [](const TimeZone& zone) {
        return zone.key == "Tokyo Standard Time" && zone.bias == -540 &&
               zone.displayName.find("Tokyo") != std::string::npos;
    }));
}

TEST(TimeZonesTest, RulesAreTheSystemsForTheYearAsked) {
    const std::tuple<const char*, int, int, bool> cases[] = {
        // zone, year, bias, summer time
        {"W. Europe Standard Time", 2024, -60, true},
        {"Tokyo Standard Time", 2024, -540, false},
        {"Russian Standard Time", 2010, -180, true},  // Moscow gave up its summer time in 2011
        {"Russian Standard Time", 2020, -180, false},
    };
    const ZoneChange october{0, 10, 0, 5, 3},
        march{0, 3, 0, 5, 2};  // last Sundays, 03:00 and 02:00
    for (const auto& [key, year, bias, summerTime] : cases) {
        SCOPED_TRACE(testing::Message() << key << " " << year);
        const std::optional<ZoneRules> rules = ZoneRulesForYear(key, year);
        ASSERT_TRUE(rules);
        EXPECT_EQ(rules->bias, bias);
        EXPECT_EQ(rules->HasDaylightSaving(), summerTime);
        if (summerTime) {
            EXPECT_EQ(*rules, (ZoneRules{bias, 0, -60, october, march}));
        }
    }
    EXPECT_FALSE(ZoneRulesForYear("Nowhere Standard Time", 2024));
    EXPECT_FALSE(ZoneRulesForYear("Tokyo Standard Time", 0));
}

// A clock in a zone shows the time there by the system's rules, summer time included, and its
// place as its label unless the user gave one; a zone the system does not know is said once and
// gives way to local time.
TEST(ClockZoneTest, TheTimeThereItsLabelAndAZoneNoLongerKnown) {
    constexpr WallTime kJanuary = 1767225600000;  // 2026-01-01 00:00 UTC
    constexpr WallTime kJuly = 1782864000000;     // 2026-07-01 00:00 UTC
    ClockZone tokyo("Tokyo Standard Time", "");
    EXPECT_EQ(tokyo.TimeText(kJanuary, {}), "09:00:00");
    EXPECT_EQ(tokyo.Label(), "Tokyo");
    EXPECT_EQ(tokyo.ForgetUnknown(), std::nullopt);
    ClockZone berlin("W. Europe Standard Time", "Home");
    EXPECT_EQ(berlin.TimeText(kJanuary, {}), "01:00:00");
    EXPECT_EQ(berlin.TimeText(kJuly, {}), "02:00:00");
    EXPECT_EQ(berlin.Label(), "Home");
    EXPECT_EQ(berlin.Tip(kJuly).substr(0, 5), L"Home\n");

    ClockZone gone("Atlantis Standard Time", "");
    EXPECT_NE(gone.ForgetUnknown(), std::nullopt);
    EXPECT_EQ(gone.Key(), "");
    EXPECT_EQ(gone.ForgetUnknown(), std::nullopt);
    EXPECT_EQ(gone.TimeText(kJanuary, {}), LocalTimeText(kJanuary));
}

}  // namespace
