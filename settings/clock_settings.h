#pragma once
// What the clock keeps in its settings file: the one place that knows the file's sections and
// keys.

#include <optional>
#include <string>

#include "base/geometry.h"
#include "model/clock_choices.h"
#include "settings/settings_file.h"

struct ClockSettings {
    std::string skinName = "back2";
    Point position{0, 400};  // the window's top-left where it rests
    // The Size menu's choice: 0 for automatic, else 1 to kMaxZoom; none until the user makes
    // one, and then the file does not name it.
    std::optional<int> zoomChoice;
    TimeChoices time{};
    WindowChoices window{};
    // "[display] fullscreen=stay" keeps the clock on top of full-screen windows too. Only ever
    // set by hand in the file.
    bool stepAsideForFullScreen = true;

    static ClockSettings Read(const SettingsFile& file);
    // Writes the skin, the place, a chosen zoom and the choices made of the time and the window.
    // True when each reached the file.
    bool Write(const SettingsFile& file) const;
};
