#pragma once
// The time in another zone, worked out from the rules the system keeps for it year by year,
// because Wine has no call that converts to an arbitrary zone; and the words the clock shows for
// that zone.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "model/zone_rules.h"

// A date and time of day in the proleptic Gregorian calendar.
struct CivilTime {
    int year = 1970;
    int month = 1;    // 1 to 12
    int day = 1;      // 1 to 31
    int weekday = 4;  // 0 Sunday to 6 Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const CivilTime&) const = default;
};

// The calendar parts of `time`, milliseconds since 1970 read as if in UTC, before 1970 as well.
CivilTime ToCivil(ZoneInstant time);
// Days from 1970-01-01 to `day` of `month` in `year`, negative before it.
std::int64_t DaysFromCivil(int year, int month, int day);

// The instants (UTC) at which daylight-saving time begins and ends in `year`: each change's wall
// time read in the time that holds until it.
ZoneInstant DaylightStart(const ZoneRules& rules, int year);
ZoneInstant DaylightEnd(const ZoneRules& rules, int year);
// Whether daylight-saving time holds at `utc`, in a zone whose daylight time lies within the
// year (north) or spans the new year (south). A zone whose two changes fall on the same day keeps
// standard time.
bool InDaylightSaving(ZoneInstant utc, const ZoneRules& rules);
// The zone's local time minus UTC at `utc`.
int UtcOffsetMinutes(ZoneInstant utc, const ZoneRules& rules);

// Fetches a zone's rules for a year, or nothing if the system cannot give them.
using ZoneRulesSource = std::function<std::optional<ZoneRules>(int year)>;

// The local time of one zone at any instant. Fetching rules is slow, so the rules of the year
// last asked for are kept, and the next year's are fetched once the zone's year turns.
class ZoneClock {
public:
    explicit ZoneClock(ZoneRulesSource source) : source(std::move(source)) {}

    // The zone's local time at `utc` as milliseconds since 1970 read as if in UTC, or nothing
    // without rules for the zone's year.
    std::optional<ZoneInstant> Local(ZoneInstant utc);
    // The zone's local time minus UTC at `utc`.
    std::optional<int> OffsetMinutes(ZoneInstant utc);

private:
    const ZoneRules* RulesAt(ZoneInstant utc);

    ZoneRulesSource source;
    std::optional<int> year;  // last asked for
    std::optional<ZoneRules> rules;
    // Bias plus standard bias by the rules last had, which tells where the zone's year turns.
    int standardTimeBias = 0;
};

// The place a zone is named for, from the system's display name of the zone: the last of the
// places it lists after its "(UTC+hh:mm)", or the whole name where it lists none.
std::string DefaultZoneLabel(std::string_view displayName);

// A zone's time minus local time as the tooltip shows it: "+17 h", "-3:30 h", "±0 h".
std::string OffsetText(int minutes);
