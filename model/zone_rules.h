#pragma once
// A time zone's rules for one year, as plain values in the shape the system keeps them: a bias
// from UTC, and the two changes of the year, each the nth weekday of a month at a local time.

#include <cstdint>

// When a change of the year falls: the `week`th `weekday` of `month` at `hour`:`minute` (and
// `second`, `millisecond`) in the local time that holds until the change. `week` 5 is the last
// one of the month. A `year` other than 0 makes the date absolute: `day` of `month` in that
// year, as a zone that changed its rules only once keeps it. `month` 0: the zone has no change.
struct ZoneChange {
    int year = 0;
    int month = 0;    // 1 to 12; 0 for none
    int weekday = 0;  // 0 Sunday to 6 Saturday
    int week = 0;     // 1 to 5, 5 the last; with a year, the day of the month
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    bool operator==(const ZoneChange&) const = default;
};

// Minutes as the system counts them: UTC = local time + bias. Standard time adds
// `standardBias` (almost always 0), daylight-saving time `daylightBias` (most often -60).
struct ZoneRules {
    int bias = 0;
    int standardBias = 0;
    int daylightBias = 0;
    ZoneChange toStandard;  // when daylight-saving time ends
    ZoneChange toDaylight;  // when it begins

    bool HasDaylightSaving() const { return toStandard.month != 0 && toDaylight.month != 0; }

    bool operator==(const ZoneRules&) const = default;
};

// Milliseconds since 1970-01-01 00:00 UTC.
using ZoneInstant = std::int64_t;
