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

// The opacities the Opacity menu offers, in percent, in the order of its items.
constexpr int kOpacities[] = {100, 90, 75, 50, 25};

// How the window meets the mouse and the eye; each none until the user makes the choice, and
// then the file does not name it.
struct WindowChoices {
    std::optional<bool> locked;        // neither dragged nor dodging the pointer
    std::optional<bool> clickThrough;  // every mouse input passes to the windows below
    std::optional<int> opacity;        // one of kOpacities
    std::optional<bool> trayIcon;      // the notification-area icon, shown unless turned off

    bool Locked() const { return locked.value_or(false); }
    bool ClickThrough() const { return clickThrough.value_or(false); }
    int Opacity() const { return opacity.value_or(100); }
    // The opacity as the window system takes it: 0 to 255.
    int Alpha() const { return (Opacity() * 255 + 50) / 100; }
    // A clock that lets clicks through keeps its icon, the one way left to reach it.
    bool ShowsTrayIcon() const { return trayIcon.value_or(true) || ClickThrough(); }
};

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
