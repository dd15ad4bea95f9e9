#include "model/menu_table.h"

#include <algorithm>
#include <iterator>

#include "res/resource.h"

namespace {

template <DockMode mode>
constexpr MenuItem DockItem(int command) {
    return {command, MenuPart::Dock, MenuMark::Check,
            [](const MenuChoices& choices) { return choices.dock == mode; },
            [](MenuChoices& choices) { choices.dock = mode; }};
}

template <int zoom>
constexpr MenuItem SizeItem(int command) {
    return {command, MenuPart::Zoom, MenuMark::Radio,
            [](const MenuChoices& choices) { return choices.zoomChoice == zoom; },
            [](MenuChoices& choices) { choices.zoomChoice = zoom; }};
}

template <HourChoice hours>
constexpr MenuItem HoursItem(int command) {
    return {command, MenuPart::Time, MenuMark::Radio,
            [](const MenuChoices& choices) { return choices.time.Hours() == hours; },
            [](MenuChoices& choices) { choices.time.hours = hours; }};
}

template <int opacity>
constexpr MenuItem OpacityItem(int command) {
    return {command, MenuPart::Window, MenuMark::Radio,
            [](const MenuChoices& choices) { return choices.window.Opacity() == opacity; },
            [](MenuChoices& choices) { choices.window.opacity = opacity; }};
}

template <ChimeEvery every>
constexpr MenuItem ChimeItem(int command) {
    return {command, MenuPart::Chime, MenuMark::Radio,
            [](const MenuChoices& choices) { return choices.chime.Every() == every; },
            [](MenuChoices& choices) { choices.chime.every = every; }};
}

// In the menu's order.
constexpr MenuItem kItems[] = {
    DockItem<Floating>(IDM_FLOATING),
    DockItem<DockLeft>(IDM_DOCK_LEFT),
    DockItem<DockRight>(IDM_DOCK_RIGHT),
    DockItem<DockTop>(IDM_DOCK_TOP),
    SizeItem<0>(IDM_SIZE_AUTOMATIC),
    SizeItem<1>(IDM_SIZE_1X),
    SizeItem<2>(IDM_SIZE_2X),
    SizeItem<3>(IDM_SIZE_3X),
    HoursItem<HourChoice::Hours24>(IDM_HOURS_24),
    HoursItem<HourChoice::Hours12>(IDM_HOURS_12),
    HoursItem<HourChoice::Automatic>(IDM_HOURS_AUTOMATIC),
    // Show Seconds and Blinking Colon flip what the face shows, whatever the file said.
    {IDM_SHOW_SECONDS, MenuPart::Time, MenuMark::Check,
     [](const MenuChoices& choices) { return choices.time.Seconds(); },
     [](MenuChoices& choices) { choices.time.seconds = !choices.time.Seconds(); }},
    {IDM_BLINKING_COLON, MenuPart::Time, MenuMark::Check,
     [](const MenuChoices& choices) { return choices.time.BlinkingColon(); },
     [](MenuChoices& choices) { choices.time.blinkingColon = !choices.time.BlinkingColon(); }},
    ChimeItem<ChimeEvery::Off>(IDM_CHIME_OFF),
    ChimeItem<ChimeEvery::Hour>(IDM_CHIME_HOUR),
    ChimeItem<ChimeEvery::HalfHour>(IDM_CHIME_HALF_HOUR),
    ChimeItem<ChimeEvery::QuarterHour>(IDM_CHIME_QUARTER_HOUR),
    {IDM_STRIKE_HOURS, MenuPart::Chime, MenuMark::Check,
     [](const MenuChoices& choices) { return choices.chime.StrikesHours(); },
     [](MenuChoices& choices) { choices.chime.strikeHours = !choices.chime.StrikesHours(); }},
    {IDM_QUIET_AT_NIGHT, MenuPart::Chime, MenuMark::Check,
     [](const MenuChoices& choices) { return choices.chime.QuietAtNight(); },
     [](MenuChoices& choices) { choices.chime.quietAtNight = !choices.chime.QuietAtNight(); }},
    OpacityItem<100>(IDM_OPACITY_100),
    OpacityItem<90>(IDM_OPACITY_90),
    OpacityItem<75>(IDM_OPACITY_75),
    OpacityItem<50>(IDM_OPACITY_50),
    OpacityItem<25>(IDM_OPACITY_25),
    {IDM_AUTO_MOVE, MenuPart::AutoMove, MenuMark::Check,
     [](const MenuChoices& choices) { return choices.autoMove; },
     [](MenuChoices& choices) { choices.autoMove = !choices.autoMove; }},
    {IDM_LOCK_POSITION, MenuPart::Window, MenuMark::Check,
     [](const MenuChoices& choices) { return choices.window.Locked(); },
     [](MenuChoices& choices) { choices.window.locked = !choices.window.Locked(); }},
    {IDM_CLICK_THROUGH, MenuPart::Window, MenuMark::Check,
     [](const MenuChoices& choices) { return choices.window.ClickThrough(); },
     [](MenuChoices& choices) { choices.window.clickThrough = !choices.window.ClickThrough(); }},
    {IDM_START_WITH_WINDOWS, MenuPart::StartWithWindows, MenuMark::Check,
     [](const MenuChoices& choices) { return choices.startWithWindows; },
     [](MenuChoices& choices) { choices.startWithWindows = !choices.startWithWindows; }},
    {IDM_TRAY_ICON, MenuPart::Window, MenuMark::Check,
     [](const MenuChoices& choices) { return choices.window.TrayIconChosen(); },
     [](MenuChoices& choices) { choices.window.trayIcon = !choices.window.TrayIconChosen(); }},
};

}  // namespace

std::span<const MenuItem> MenuItems() {
    return kItems;
}

const MenuItem* FindMenuItem(int command) {
    const auto item = std::ranges::find(kItems, command, &MenuItem::command);
    return item == std::end(kItems) ? nullptr : item;
}
