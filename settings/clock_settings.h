#pragma once
// What the program keeps of each clock in its settings file: the one place that knows the
// file's sections and keys.
//
// The first clock keeps the sections [skin], [position] and [display], as the file has always
// had them; each further clock has the same under its number ([skin.2], [position.2],
// [display.2]), and [clocks] count= tells how many there are.

#include <optional>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "model/chime_rule.h"
#include "model/clock_choices.h"
#include "settings/settings_file.h"

struct ClockSettings {
    std::string skinName = "back2";
    Point position{0, 400};  // the window's top-left where it rests
    // The Size menu's choice: 0 for automatic, else 1 to kMaxZoom; none until the user makes
    // one, and then the file does not name it.
    std::optional<int> zoomChoice{};
    TimeChoices time{};
    WindowChoices window{};
    // "[display] fullscreen=stay" keeps the clock on top of full-screen windows too. Only ever
    // set by hand in the file.
    bool stepAsideForFullScreen = true;
    std::string zone{};   // the system's key of the clock's time zone; empty for local time
    std::string label{};  // as the user gave it; empty for the zone's own

    // Clock `number` of the file, counted from 1.
    static ClockSettings Read(const SettingsFile& file, int number = 1);
    // Every key of clock `number`: its value, or its removal where the choice is not made, so
    // that a clock saved where another was leaves nothing of that one behind.
    std::vector<SettingsValue> Values(int number = 1) const;
    // Writes the first clock alone. True when each value reached the file.
    bool Write(const SettingsFile& file) const { return file.Write(Values()); }
};

// The most clocks one program shows: a file that counts more (by hand, or damaged) is not to
// fill the screen with windows.
constexpr int kMaxClocks = 32;

// How many clocks the file holds: 1 to kMaxClocks.
int SavedClockCount(const SettingsFile& file);
// The values that make the file hold `count` clocks, where it held `previous`: the count, and
// the removal of the sections of the clocks that are no more.
std::vector<SettingsValue> ClockCountValues(int count, int previous);

// The program's chime, one for all its clocks: [chime] every= (off, hour, half or quarter),
// strike= and quiet= (1 or 0), and the quiet hours quietfrom= and quietuntil=, set by hand.
ChimeChoices ReadChimeChoices(const SettingsFile& file);
// Every key of the chime: its value, or its removal where the choice is not made (or the quiet
// hours are the usual ones).
std::vector<SettingsValue> ChimeValues(const ChimeChoices& chime);
