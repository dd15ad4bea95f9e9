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
    const auto tokyo = std::find_if(zones.begin(), zones.end(), [](const TimeZone& zone) {
        return zone.key == "Tokyo Standard Time";
    });
    ASSERT_NE(tokyo, zones.end());
    EXPECT_NE(tokyo->displayName.find("Tokyo"), std::string::npos);
    EXPECT_EQ(tokyo->bias, -540);
}

constexpr ZoneChange kNoChange{};

TEST(TimeZonesTest, RulesForAYearAreTheSystemsForThatYear) {
    struct Case {
        const char* key;
        int year;
        int bias;
        ZoneChange toStandard;
        ZoneChange toDaylight;
    };
    // The last Sunday of October at 03:00, of March at 02:00.
    const ZoneChange october{0, 10, 0, 5, 3};
    const ZoneChange march{0, 3, 0, 5, 2};
    const Case cases[] = {
        {"W. Europe Standard Time", 2024, -60, october, march},
        {"Tokyo Standard Time", 2024, -540, kNoChange, kNoChange},
        // Moscow gave up its summer time in 2011: the year picks the rules.
        {"Russian Standard Time", 2010, -180, october, march},
        {"Russian Standard Time", 2020, -180, kNoChange, kNoChange},
    };
    for (const Case& expected : cases) {
        SCOPED_TRACE(testing::Message() << expected.key << " " << expected.year);
        const std::optional<ZoneRules> rules = ZoneRulesForYear(expected.key, expected.year);
        ASSERT_TRUE(rules);
        EXPECT_EQ(rules->bias, expected.bias);
        EXPECT_EQ(rules->toStandard, expected.toStandard);
        EXPECT_EQ(rules->toDaylight, expected.toDaylight);
        if (rules->HasDaylightSaving()) {
            EXPECT_EQ(rules->daylightBias, -60);
        }
    }
    EXPECT_FALSE(ZoneRulesForYear("Nowhere Standard Time", 2024));
    EXPECT_FALSE(ZoneRulesForYear("Tokyo Standard Time", 0));
}

}  // namespace
