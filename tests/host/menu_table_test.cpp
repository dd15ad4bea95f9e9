#include "model/menu_table.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "res/resource.h"

namespace {

using enum MenuPart;
using enum HourChoice;

// The part of the clock that takes the step from `a` to `b`.
MenuPart Taking(const MenuChoices& a, const MenuChoices& b) {
    return a.dock != b.dock               ? Dock
           : a.autoMove != b.autoMove     ? AutoMove
           : a.zoomChoice != b.zoomChoice ? Zoom
           : a.time != b.time             ? Time
           : a.window != b.window         ? Window
           : a.chime != b.chime           ? Chime
                                          : StartWithWindows;
}

constexpr TimeChoices kNoSeconds{.seconds = false};

// Before, command, after, the items whose mark comes or goes; a choice made is named in the file.
const std::tuple<MenuChoices, int, MenuChoices, std::set<int>> kChoices[] = {
    {{.dock = Floating}, IDM_DOCK_TOP, {}, {IDM_DOCK_TOP, IDM_FLOATING}},
    {{}, IDM_DOCK_LEFT, {.dock = DockLeft}, {IDM_DOCK_LEFT, IDM_DOCK_TOP}},
    {{}, IDM_DOCK_RIGHT, {.dock = DockRight}, {IDM_DOCK_RIGHT, IDM_DOCK_TOP}},
    {{}, IDM_FLOATING, {.dock = Floating}, {IDM_FLOATING, IDM_DOCK_TOP}},
    {{}, IDM_AUTO_MOVE, {.autoMove = false}, {IDM_AUTO_MOVE}},
    {{.zoomChoice = 3}, IDM_SIZE_AUTOMATIC, {}, {IDM_SIZE_AUTOMATIC, IDM_SIZE_3X}},
    {{}, IDM_SIZE_1X, {.zoomChoice = 1}, {IDM_SIZE_AUTOMATIC, IDM_SIZE_1X}},
    {{}, IDM_SIZE_2X, {.zoomChoice = 2}, {IDM_SIZE_AUTOMATIC, IDM_SIZE_2X}},
    {{}, IDM_SIZE_3X, {.zoomChoice = 3}, {IDM_SIZE_AUTOMATIC, IDM_SIZE_3X}},
    {{}, IDM_HOURS_24, {.time = {.hours = Hours24}}, {}},
    {{}, IDM_HOURS_12, {.time = {.hours = Hours12}}, {IDM_HOURS_24, IDM_HOURS_12}},
    {{}, IDM_HOURS_AUTOMATIC, {.time = {.hours = Automatic}}, {IDM_HOURS_24, IDM_HOURS_AUTOMATIC}},
    {{}, IDM_SHOW_SECONDS, {.time = kNoSeconds}, {IDM_SHOW_SECONDS}},
    {{.time = kNoSeconds}, IDM_SHOW_SECONDS, {.time = {.seconds = true}}, {IDM_SHOW_SECONDS}},
    {{}, IDM_BLINKING_COLON, {.time = {.blinkingColon = true}}, {IDM_BLINKING_COLON}},
    {{}, IDM_OPACITY_100, {.window = {.opacity = 100}}, {}},
    {{}, IDM_OPACITY_90, {.window = {.opacity = 90}}, {IDM_OPACITY_100, IDM_OPACITY_90}},
    {{}, IDM_OPACITY_75, {.window = {.opacity = 75}}, {IDM_OPACITY_100, IDM_OPACITY_75}},
    {{}, IDM_OPACITY_50, {.window = {.opacity = 50}}, {IDM_OPACITY_100, IDM_OPACITY_50}},
    {{}, IDM_OPACITY_25, {.window = {.opacity = 25}}, {IDM_OPACITY_100, IDM_OPACITY_25}},
    {{}, IDM_LOCK_POSITION, {.window = {.locked = true}}, {IDM_LOCK_POSITION}},
    {{}, IDM_CLICK_THROUGH, {.window = {.clickThrough = true}}, {IDM_CLICK_THROUGH}},
    {{}, IDM_TRAY_ICON, {.window = {.trayIcon = false}}, {IDM_TRAY_ICON}},
    {{}, IDM_START_WITH_WINDOWS, {.startWithWindows = true}, {IDM_START_WITH_WINDOWS}},
    {{}, IDM_CHIME_OFF, {.chime = {.every = ChimeEvery::Off}}, {}},
    {{}, IDM_CHIME_HOUR, {.chime = {.every = ChimeEvery::Hour}}, {IDM_CHIME_OFF, IDM_CHIME_HOUR}},
    {{.chime = {.every = ChimeEvery::Hour}},
     IDM_CHIME_QUARTER_HOUR,
     {.chime = {.every = ChimeEvery::QuarterHour}},
     {IDM_CHIME_HOUR, IDM_CHIME_QUARTER_HOUR}},
    {{},
     IDM_CHIME_HALF_HOUR,
     {.chime = {.every = ChimeEvery::HalfHour}},
     {IDM_CHIME_OFF, IDM_CHIME_HALF_HOUR}},
    {{}, IDM_STRIKE_HOURS, {.chime = {.strikeHours = true}}, {IDM_STRIKE_HOURS}},
    {{}, IDM_QUIET_AT_NIGHT, {.chime = {.quietAtNight = false}}, {IDM_QUIET_AT_NIGHT}},
};

TEST(MenuTableTest, EachItemMakesItsChoiceAndMovesOnlyItsMarks) {
    for (const auto& [from, command, to, marksMoved] : kChoices) {
        const MenuItem* item = FindMenuItem(command);
        ASSERT_NE(item, nullptr) << command;
        MenuChoices chosen = from;
        item->choose(chosen);
        EXPECT_EQ(chosen, to) << command;
        EXPECT_EQ(item->part, Taking(from, chosen)) << command;
        for (const MenuItem& other : MenuItems()) {
            const bool moved = other.marked(from) != other.marked(chosen);
            EXPECT_EQ(moved, marksMoved.contains(other.command)) << command << " " << other.command;
        }
    }
}

// One row for each popup command (numbered in a row) but those that open something or make or
// end clocks.
TEST(MenuTableTest, HoldsEveryChoiceCommandOnce) {
    const std::set<int> others{IDM_SELECT_SKIN, IDM_ABOUT, IDM_EXIT,       IDM_NEW_CLOCK,
                               IDM_TIME_ZONE,   IDM_LABEL, IDM_CLOSE_CLOCK};
    std::multiset<int> rows, choices;
    for (const MenuItem& item : MenuItems())
        rows.insert(item.command);
    for (int id = IDM_SELECT_SKIN; id <= IDM_QUIET_AT_NIGHT; ++id) {
        if (!others.contains(id))
            choices.insert(id);
    }
    EXPECT_EQ(rows, choices);
}

}  // namespace
