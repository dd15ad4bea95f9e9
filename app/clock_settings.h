#pragma once
// What the clock keeps in its settings file: the one place that knows the file's sections and
// keys.

#include <optional>
#include <string>

#include "app/settings_file.h"
#include "base/geometry.h"
#include "face/time_format.h"

// The Time menu's choice of hours: automatic follows the user's regional format.
enum class HourChoice { Hours24, Hours12, Automatic };

// The Time menu's choices, each none until the user makes it, and then the file does not name
// it.
struct TimeChoices {
    std::optional<HourChoice> hours;
    std::optional<bool> seconds;
    std::optional<bool> blinkingColon;

    // The face's format, where an automatic hour cycle counts to 12 if `regionTwelveHours`.
    TimeFormat Format(bool regionTwelveHours) const;
};

struct ClockSettings {
    std::string skinName = "back2";
    Point position{0, 400};  // the window's top-left where it rests
    // The Size menu's choice: 0 for automatic, else 1 to kMaxZoom; none until the user makes
    // one, and then the file does not name it.
    std::optional<int> zoomChoice;
    TimeChoices time{};
    // "[display] fullscreen=stay" keeps the clock on top of full-screen windows too. Only ever
    // set by hand in the file.
    bool stepAsideForFullScreen = true;

    static ClockSettings Read(const SettingsFile& file);
    // Writes the skin, the place, a chosen zoom and the chosen time format. True when each
    // reached the file.
    bool Write(const SettingsFile& file) const;
};
