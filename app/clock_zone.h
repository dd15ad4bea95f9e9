#pragma once
// Where a clock shows the time of: local time, or one of the system's zones by its key, with the
// clock's label, the face's text of a moment there, the words of the clock's tip, and the dialogs
// that choose the zone and edit the label.

#include <windows.h>

#include <optional>
#include <string>

#include "face/time_format.h"
#include "model/wall_clock.h"
#include "model/zone_time.h"

class ClockZone {
public:
    // The zone of the system's `key` (local time for an empty one), labelled `label`, or by the
    // zone's place where that is empty.
    ClockZone(std::string key, std::string label);

    const std::string& Key() const { return key; }
    // The label as the user gave it; empty where they did not.
    const std::string& OwnLabel() const { return label; }
    // The label shown: the user's, else the place the zone is named for ("Tokyo"); none for a
    // local clock.
    std::string Label() const;

    // A zone the system no longer knows gives way to local time: the answer is what to tell the
    // user, once.
    std::optional<std::string> ForgetUnknown();
    // Offers the system's zones in a dialog owned by `owner`; true when the user chose another.
    bool Choose(HINSTANCE instance, HWND owner);
    // Offers the label for editing; true when the user kept what they wrote.
    bool EditLabel(HINSTANCE instance, HWND owner);

    // The face's text of `now` in the zone, in `format`; local time's where the zone's rules
    // cannot be had.
    std::string TimeText(WallTime now, const TimeFormat& format);
    // What the clock's tip tells: the date there, and in another zone first the label and last
    // the difference from local time ("+17 h").
    std::wstring Tip(WallTime now);

private:
    void SetZone(std::string newKey);
    std::string Place() const { return DefaultZoneLabel(displayName); }

    std::string key;
    std::string displayName;  // as the system names the zone; empty for local time
    std::optional<ZoneClock> clock;
    std::string label;
};
