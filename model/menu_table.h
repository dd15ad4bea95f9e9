#pragma once
// The clock's menu as one table: for each command that makes a choice, the part of the clock it
// changes, how its item is marked and for which choices, and the choice it makes. The window
// sets the marks and carries out a choice from here alone, so a new item is a row here, and its
// id and item in the resource files.

#include <span>

#include "face/dock_mode.h"
#include "model/chime_rule.h"
#include "model/clock_choices.h"

// Every choice the menu shows, as a plain value.
struct MenuChoices {
    DockMode dock = DockTop;
    bool autoMove = true;
    int zoomChoice = 0;  // 0 for automatic, else 1 to kMaxZoom
    TimeChoices time{};
    WindowChoices window{};
    bool startWithWindows = false;
    ChimeChoices chime{};

    bool operator==(const MenuChoices&) const = default;
};

// What takes a choice: each part is one call to make it take effect.
enum class MenuPart { Dock, AutoMove, Zoom, Time, Window, StartWithWindows, Chime };

// A check mark, or the radio bullet of the one item chosen of a group.
enum class MenuMark { Check, Radio };

struct MenuItem {
    int command;
    MenuPart part;
    MenuMark mark;
    bool (*marked)(const MenuChoices& choices);
    // A check item flips its mark; any other item makes the choice it is marked for.
    void (*choose)(MenuChoices& choices);
};

std::span<const MenuItem> MenuItems();

// The row of `command`, or null for a command that opens something or ends the run.
const MenuItem* FindMenuItem(int command);
