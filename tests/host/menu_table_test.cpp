#include "app/menu_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "res/resource.h"

namespace {

using enum MenuPart;
using enum MenuMark;

std::set<int> Marked(const MenuChoices& choices) {
    std::set<int> marked;
    for (const MenuItem& item : MenuItems()) {
        if (item.marked(choices))
            marked.insert(item.command);
    }
    return marked;
}

struct Choice {
    MenuChoices from;
    int command;
    MenuPart part;
    MenuMark mark;
    MenuChoices to;
    std::set<int> marksChanged;  // the items whose mark comes or goes
};

const Choice kChoices[] = {
    {{.dock = Floating}, IDM_DOCK_TOP, Dock, Check, {}, {IDM_DOCK_TOP, IDM_FLOATING}},
    {{}, IDM_DOCK_LEFT, Dock, Check, {.dock = DockLeft}, {IDM_DOCK_LEFT, IDM_DOCK_TOP}},
    {{}, IDM_DOCK_RIGHT, Dock, Check, {.dock = DockRight}, {IDM_DOCK_RIGHT, IDM_DOCK_TOP}},
    {{}, IDM_FLOATING, Dock, Check, {.dock = Floating}, {IDM_FLOATING, IDM_DOCK_TOP}},
    {{}, IDM_AUTO_MOVE, AutoMove, Check, {.autoMove = false}, {IDM_AUTO_MOVE}},
    {{.zoomChoice = 3}, IDM_SIZE_AUTOMATIC, Zoom, Radio, {}, {IDM_SIZE_AUTOMATIC, IDM_SIZE_3X}},
    {{}, IDM_SIZE_1X, Zoom, Radio, {.zoomChoice = 1}, {IDM_SIZE_AUTOMATIC, IDM_SIZE_1X}},
    {{}, IDM_SIZE_2X, Zoom, Radio, {.zoomChoice = 2}, {IDM_SIZE_AUTOMATIC, IDM_SIZE_2X}},
    {{}, IDM_SIZE_3X, Zoom, Radio, {.zoomChoice = 3}, {IDM_SIZE_AUTOMATIC, IDM_SIZE_3X}},
    // A choice the file did not name yet is named once made, even as the one shown.
    {{}, IDM_HOURS_24, Time, Radio, {.time = {.hours = HourChoice::Hours24}}, {}},
    {{},
     IDM_HOURS_12,
     Time,
     Radio,
     {.time = {.hours = HourChoice::Hours12}},
     {IDM_HOURS_24, IDM_HOURS_12}},
    {{},
     IDM_HOURS_AUTOMATIC,
     Time,
     Radio,
     {.time = {.hours = HourChoice::Automatic}},
     {IDM_HOURS_24, IDM_HOURS_AUTOMATIC}},
    {{}, IDM_SHOW_SECONDS, Time, Check, {.time = {.seconds = false}}, {IDM_SHOW_SECONDS}},
    {{.time = {.seconds = false}},
     IDM_SHOW_SECONDS,
     Time,
     Check,
     {.time = {.seconds = true}},
     {IDM_SHOW_SECONDS}},
    {{}, IDM_BLINKING_COLON, Time, Check, {.time = {.blinkingColon = true}}, {IDM_BLINKING_COLON}},
    {{}, IDM_OPACITY_100, Window, Radio, {.window = {.opacity = 100}}, {}},
    {{},
     IDM_OPACITY_90,
     Window,
     Radio,
     {.window = {.opacity = 90}},
     {IDM_OPACITY_100, IDM_OPACITY_90}},
    {{},
     IDM_OPACITY_75,
     Window,
     Radio,
     {.window = {.opacity = 75}},
     {IDM_OPACITY_100, IDM_OPACITY_75}},
    {{},
     IDM_OPACITY_50,
     Window,
     Radio,
     {.window = {.opacity = 50}},
     {IDM_OPACITY_100, IDM_OPACITY_50}},
    {{},
     IDM_OPACITY_25,
     Window,
     Radio,
     {.window = {.opacity = 25}},
     {IDM_OPACITY_100, IDM_OPACITY_25}},
    {{}, IDM_LOCK_POSITION, Window, Check, {.window = {.locked = true}}, {IDM_LOCK_POSITION}},
    {{.window = {.clickThrough = true}},
     IDM_CLICK_THROUGH,
     Window,
     Check,
     {.window = {.clickThrough = false}},
     {IDM_CLICK_THROUGH}},
    {{}, IDM_TRAY_ICON, Window, Check, {.window = {.trayIcon = false}}, {IDM_TRAY_ICON}},
    {{},
     IDM_START_WITH_WINDOWS,
     StartWithWindows,
     Check,
     {.startWithWindows = true},
     {IDM_START_WITH_WINDOWS}},
};

TEST(MenuTableTest, EachItemMakesItsChoiceAndMovesOnlyItsMarks) {
    std::set<int> tried;
    for (const Choice& choice : kChoices) {
        SCOPED_TRACE(choice.command);
        const MenuItem* item = FindMenuItem(choice.command);
        ASSERT_NE(item, nullptr);
        MenuChoices chosen = choice.from;
        item->choose(chosen);
        EXPECT_EQ(chosen, choice.to);
        EXPECT_EQ(item->part, choice.part);
        EXPECT_EQ(item->mark, choice.mark);
        std::set<int> changed;
        std::ranges::set_symmetric_difference(Marked(choice.from), Marked(chosen),
                                              std::inserter(changed, changed.end()));
        EXPECT_EQ(changed, choice.marksChanged);
        tried.insert(choice.command);
    }
    EXPECT_EQ(tried.size(), MenuItems().size());
}

// Every menu command of the resource header has one row, but those that open something or end
// the run, and the program's help command.
TEST(MenuTableTest, HoldsEveryChoiceOfTheResourceHeaderOnce) {
    const std::set<int> notChoices{IDM_SELECT_SKIN, IDM_ABOUT, IDM_EXIT, IDM_HELP};
    std::ifstream header(ZENTRIX_RESOURCE_HEADER);
    ASSERT_TRUE(header);
    std::multiset<int> choices;
    for (std::string line; std::getline(header, line);) {
        std::istringstream words(line);
        std::string define, name;
        int id = 0;
        if (words >> define >> name >> id && name.starts_with("IDM_") && !notChoices.contains(id))
            choices.insert(id);
    }
    std::multiset<int> rows;
    for (const MenuItem& item : MenuItems())
        rows.insert(item.command);
    EXPECT_EQ(rows, choices);
}

}  // namespace
