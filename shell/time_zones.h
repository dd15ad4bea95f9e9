#pragma once
// The time zones the system knows, and the rules each of them keeps for a year.

#include <optional>
#include <string>
#include <vector>

#include "model/zone_rules.h"

struct TimeZone {
    std::string key;          // the zone's registry key, "Tokyo Standard Time"
    std::string displayName;  // as the system shows it, "(UTC+09:00) Osaka, Sapporo, Tokyo"
    int bias = 0;             // minutes, as the system counts them: UTC = standard time + bias
};

// The system's zones in the order of its own settings: west to east, then by display name.
// Empty before Windows 8, which has no way to list them.
std::vector<TimeZone> SystemTimeZones();

// What the zone of registry key `key` keeps in `year`; nothing for a key the system does not
// know, or a year outside 1 to 65535.
std::optional<ZoneRules> ZoneRulesForYear(const std::string& key, int year);
// The display name of the zone of registry key `key`; empty for a key the system does not know.
std::string TimeZoneDisplayName(const std::string& key);
