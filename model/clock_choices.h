#pragma once
// The choices the user makes of the time and the window through the clock's menu, as plain
// values the settings file keeps and the menu shows.

#include <optional>

#include "face/time_format.h"

// The Time menu's choice of hours: automatic follows the user's regional format.
enum class HourChoice { Hours24, Hours12, Automatic };

// The Time menu's choices, each none until the user makes it, and then the file does not name
// it.
struct TimeChoices {
    std::optional<HourChoice> hours{};
    std::optional<bool> seconds{};
    std::optional<bool> blinkingColon{};

    HourChoice Hours() const { return hours.value_or(HourChoice::Hours24); }
    bool Seconds() const { return seconds.value_or(true); }
    bool BlinkingColon() const { return blinkingColon.value_or(false); }
    // The face's format, where an automatic hour cycle counts to 12 if `regionTwelveHours`.
    TimeFormat Format(bool regionTwelveHours) const;

    bool operator==(const TimeChoices&) const = default;
};

// The opacities the Opacity menu offers, in percent, in the order of its items.
constexpr int kOpacities[] = {100, 90, 75, 50, 25};

// How the window meets the mouse and the eye; each none until the user makes the choice, and
// then the file does not name it.
struct WindowChoices {
    std::optional<bool> locked{};        // neither dragged nor dodging the pointer
    std::optional<bool> clickThrough{};  // every mouse input passes to the windows below
    std::optional<int> opacity{};        // one of kOpacities
    std::optional<bool> trayIcon{};      // the notification-area icon, shown unless turned off

    bool Locked() const { return locked.value_or(false); }
    bool ClickThrough() const { return clickThrough.value_or(false); }
    int Opacity() const { return opacity.value_or(100); }
    // The opacity as the window system takes it: 0 to 255.
    int Alpha() const { return (Opacity() * 255 + 50) / 100; }
    // The icon as the user chose it, whatever click-through asks of it.
    bool TrayIconChosen() const { return trayIcon.value_or(true); }
    // A clock that lets clicks through keeps its icon, the one way left to reach it.
    bool ShowsTrayIcon() const { return TrayIconChosen() || ClickThrough(); }

    bool operator==(const WindowChoices&) const = default;
};
