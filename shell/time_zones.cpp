#include "shell/time_zones.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <limits>

#include "win/wide_text.h"

namespace {

// EnumDynamicTimeZoneInformation, which advapi32 has from Windows 8 on; null before.
using EnumZonesFunction = DWORD(WINAPI*)(DWORD index, DYNAMIC_TIME_ZONE_INFORMATION* zone);
EnumZonesFunction EnumZones() {
    // Loaded for the whole run: this file calls the registry through it. Not owned.
    const HMODULE advapi32 = GetModuleHandleA("advapi32.dll");
    // Through a plain function pointer type, which any other converts to and from.
    static const auto function = reinterpret_cast<EnumZonesFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(advapi32, "EnumDynamicTimeZoneInformation")));
    return function;
}

// The zone's "Display" text, or its key when the registry has none to give. The system's names
// are under 100 characters.
std::wstring DisplayName(const wchar_t* key, const wchar_t* fallback) {
    const std::wstring path =
        std::wstring(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\") + key;
    wchar_t name[256] = {};
    DWORD bytes = sizeof name;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), L"Display", RRF_RT_REG_SZ, nullptr, name,
                     &bytes) != ERROR_SUCCESS)
        return fallback;
    return name;
}

ZoneChange ToZoneChange(const SYSTEMTIME& change) {
    return {change.wYear, change.wMonth,  change.wDayOfWeek, change.wDay,
            change.wHour, change.wMinute, change.wSecond,    change.wMilliseconds};
}

}  // namespace

std::vector<TimeZone> SystemTimeZones() {
    std::vector<TimeZone> zones;
    const EnumZonesFunction enumZones = EnumZones();
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    for (DWORD index = 0; enumZones && enumZones(index, &zone) == ERROR_SUCCESS; ++index)
        zones.push_back({Narrow(zone.TimeZoneKeyName),
                         Narrow(DisplayName(zone.TimeZoneKeyName, zone.TimeZoneKeyName)),
                         static_cast<int>(zone.Bias)});
    std::stable_sort(zones.begin(), zones.end(), [](const TimeZone& a, const TimeZone& b) {
        return a.bias != b.bias ? a.bias > b.bias : a.displayName < b.displayName;
    });
    return zones;
}

std::optional<ZoneRules> ZoneRulesForYear(const std::string& key, int year) {
    // The system takes the year as a USHORT: any other would wrap around to some other year.
    if (year < 1 || year > std::numeric_limits<USHORT>::max())
        return std::nullopt;
    // The system finds the zone by its key alone: listing every zone to find it would cost a
    // clock in another zone a quarter of a second at its start.
    const std::wstring wideKey = Widen(key);
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (wideKey.empty() || wideKey.size() >= std::size(zone.TimeZoneKeyName))
        return std::nullopt;
    wideKey.copy(zone.TimeZoneKeyName, wideKey.size());
    TIME_ZONE_INFORMATION rules{};
    if (!GetTimeZoneInformationForYear(static_cast<USHORT>(year), &zone, &rules))
        return std::nullopt;
    return ZoneRules{static_cast<int>(rules.Bias), static_cast<int>(rules.StandardBias),
                     static_cast<int>(rules.DaylightBias), ToZoneChange(rules.StandardDate),
                     ToZoneChange(rules.DaylightDate)};
}

std::string TimeZoneDisplayName(const std::string& key) {
    return key.empty() ? std::string() : Narrow(DisplayName(Widen(key).c_str(), L""));
}
