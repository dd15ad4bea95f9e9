#include "app/clock_zone.h"

#include <utility>

#include "app/label_dialog.h"
#include "app/time_zone_dialog.h"
#include "shell/regional_format.h"
#include "shell/time_zones.h"
#include "win/wide_text.h"

namespace {

constexpr WallTime kMillisecondsPerMinute = 60'000;

}  // namespace

ClockZone::ClockZone(std::string zoneKey, std::string ownLabel) : label(std::move(ownLabel)) {
    SetZone(std::move(zoneKey));
}

void ClockZone::SetZone(std::string newKey) {
    key = std::move(newKey);
    displayName = TimeZoneDisplayName(key);
    clock.reset();
    if (!key.empty())
        clock.emplace([zone = key](int year) { return ZoneRulesForYear(zone, year); });
}

std::string ClockZone::Label() const {
    return label.empty() ? Place() : label;
}

std::optional<std::string> ClockZone::ForgetUnknown() {
    if (key.empty() || !displayName.empty())
        return std::nullopt;
    std::string told =
        "The time zone \"" + key + "\" is not known on this computer. The clock shows local time.";
    SetZone({});
    return told;
}

bool ClockZone::Choose(HINSTANCE instance, HWND owner) {
    TimeZoneDialog chooser(instance, owner, key, SystemTimeZones());
    if (chooser.DoModal() != IDOK || chooser.selectedKey == key)
        return false;
    SetZone(chooser.selectedKey);
    return true;
}

bool ClockZone::EditLabel(HINSTANCE instance, HWND owner) {
    LabelDialog editor(instance, owner, Label());
    if (editor.DoModal() != IDOK)
        return false;
    // The zone's own place is kept as no label of the user's, so that it follows the zone.
    label = editor.label == Place() ? std::string() : editor.label;
    return true;
}

std::string ClockZone::TimeText(WallTime now, const TimeFormat& format) {
    const std::optional<ZoneInstant> there = clock ? clock->Local(now) : std::nullopt;
    if (!there)
        return LocalTimeText(now, format);
    const CivilTime time = ToCivil(*there);
    return FaceText({time.hour, time.minute, time.second}, format);
}

std::wstring ClockZone::Tip(WallTime now) {
    const std::wstring named = label.empty() ? std::wstring() : Widen(Label()) + L"\n";
    const std::optional<ZoneInstant> there = clock ? clock->Local(now) : std::nullopt;
    if (!there)
        return named + LongDateToday();
    const int difference = static_cast<int>((*there - LocalInstant(now)) / kMillisecondsPerMinute);
    return Widen(Label()) + L"\n" + LongDate(ToCivil(*there)) + L"\n" +
           Widen(OffsetText(difference));
}
