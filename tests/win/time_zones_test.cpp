#include "shell/time_zones.h"

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

}  // namespace
