#include "settings/clock_settings.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "face/zoom.h"

namespace {

// The Time menu's hours as the file names them.
constexpr std::pair<HourChoice, const char*> kHourNames[] = {
    {HourChoice::Hours24, "24"}, {HourChoice::Hours12, "12"}, {HourChoice::Automatic, "auto"}};

// The Chime menu's choice of how often as the file names it.
constexpr std::pair<ChimeEvery, const char*> kChimeNames[] = {{ChimeEvery::Off, "off"},
                                                              {ChimeEvery::Hour, "hour"},
                                                              {ChimeEvery::HalfHour, "half"},
                                                              {ChimeEvery::QuarterHour, "quarter"}};

// The first clock's sections are named plainly, the others' after the clock.
std::string Section(const char* name, int number) {
    return number == 1 ? name : std::string(name) + "." + std::to_string(number);
}

// The sections of clock `number`.
struct Sections {
    explicit Sections(int number)
        : skin(Section("skin", number)),
          position(Section("position", number)),
          display(Section("display", number)) {}
    std::string skin, position, display;
};

// A flag the file names: "0" or "1"; anything else reads as `fallback`.
std::optional<bool> ReadFlag(const SettingsFile& file, const std::string& section, const char* key,
                             bool fallback) {
    const std::string value = file.ReadString(section.c_str(), key, "");
    if (value.empty())
        return std::nullopt;
    return value == "0" || value == "1" ? value == "1" : fallback;
}

std::optional<std::string> FlagText(std::optional<bool> flag) {
    if (!flag)
        return std::nullopt;
    return *flag ? "1" : "0";
}

std::optional<std::string> UnlessEmpty(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

}  // namespace

ClockSettings ClockSettings::Read(const SettingsFile& file, int number) {
    const Sections in(number);
    const char* display = in.display.c_str();
    ClockSettings settings;
    settings.skinName = file.ReadString(in.skin.c_str(), "name", settings.skinName.c_str());
    settings.position = {file.ReadInt(in.position.c_str(), "x", settings.position.x),
                         file.ReadInt(in.position.c_str(), "y", settings.position.y)};
    if (const std::string choice = file.ReadString(display, "zoom", ""); !choice.empty()) {
        const int chosen = std::atoi(choice.c_str());
        settings.zoomChoice = chosen >= 1 && chosen <= kMaxZoom ? chosen : 0;
    }
    if (const std::string hours = file.ReadString(display, "hours", ""); !hours.empty()) {
        settings.time.hours = HourChoice::Hours24;  // also for a value it does not know
        for (const auto& [choice, name] : kHourNames) {
            if (hours == name)
                settings.time.hours = choice;
        }
    }
    settings.time.seconds = ReadFlag(file, in.display, "seconds", true);
    settings.time.blinkingColon = ReadFlag(file, in.display, "blink", false);
    settings.window.locked = ReadFlag(file, in.display, "locked", false);
    settings.window.clickThrough = ReadFlag(file, in.display, "clickthrough", false);
    settings.window.trayIcon = ReadFlag(file, in.display, "trayicon", true);
    if (const std::string opacity = file.ReadString(display, "opacity", ""); !opacity.empty()) {
        settings.window.opacity = 100;  // a clock never goes faint by a value it does not know
        for (const int offered : kOpacities) {
            if (opacity == std::to_string(offered))
                settings.window.opacity = offered;
        }
    }
    settings.stepAsideForFullScreen = file.ReadString(display, "fullscreen", "") != "stay";
    settings.zone = file.ReadString(display, "zone", "");
    settings.label = file.ReadString(display, "label", "");
    return settings;
}

std::vector<SettingsValue> ClockSettings::Values(int number) const {
    const Sections in(number);
    std::optional<std::string> hours;
    for (const auto& [choice, name] : kHourNames) {
        if (time.hours == choice)
            hours = name;
    }
    return {
        {in.position, "x", std::to_string(position.x)},
        {in.position, "y", std::to_string(position.y)},
        {in.skin, "name", skinName},
        {in.display, "zoom",
         zoomChoice ? std::optional<std::string>(std::to_string(*zoomChoice)) : std::nullopt},
        {in.display, "hours", hours},
        {in.display, "seconds", FlagText(time.seconds)},
        {in.display, "blink", FlagText(time.blinkingColon)},
        {in.display, "locked", FlagText(window.locked)},
        {in.display, "clickthrough", FlagText(window.clickThrough)},
        {in.display, "trayicon", FlagText(window.trayIcon)},
        {in.display, "opacity",
         window.opacity ? std::optional<std::string>(std::to_string(*window.opacity))
                        : std::nullopt},
        {in.display, "fullscreen",
         stepAsideForFullScreen ? std::nullopt : std::optional<std::string>("stay")},
        {in.display, "zone", UnlessEmpty(zone)},
        {in.display, "label", UnlessEmpty(label)},
    };
}

int SavedClockCount(const SettingsFile& file) {
    return std::clamp(file.ReadInt("clocks", "count", 1), 1, kMaxClocks);
}

std::vector<SettingsValue> ClockCountValues(int count, int previous) {
    // One clock is what a file without the count holds, as every file before there were more.
    std::vector<SettingsValue> values{count > 1
                                          ? SettingsValue{"clocks", "count", std::to_string(count)}
                                          : SettingsValue{"clocks", "", std::nullopt}};
    for (int gone = count + 1; gone <= previous; ++gone) {
        const Sections of(gone);
        for (const std::string* section : {&of.skin, &of.position, &of.display})
            values.push_back({*section, "", std::nullopt});
    }
    return values;
}

ChimeChoices ReadChimeChoices(const SettingsFile& file) {
    ChimeChoices chime;
    if (const std::string every = file.ReadString("chime", "every", ""); !every.empty()) {
        chime.every = ChimeEvery::Off;  // a clock never chimes by a value it does not know
        for (const auto& [choice, name] : kChimeNames) {
            if (every == name)
                chime.every = choice;
        }
    }
    chime.strikeHours = ReadFlag(file, "chime", "strike", false);
    chime.quietAtNight = ReadFlag(file, "chime", "quiet", true);
    chime.quietFrom = file.ReadInt("chime", "quietfrom", chime.quietFrom);
    chime.quietUntil = file.ReadInt("chime", "quietuntil", chime.quietUntil);
    return chime;
}

std::vector<SettingsValue> ChimeValues(const ChimeChoices& chime) {
    const ChimeChoices usual;
    std::optional<std::string> every;
    for (const auto& [choice, name] : kChimeNames) {
        if (chime.every == choice)
            every = name;
    }
    const auto hour = [](int value, int usualValue) {
        return value == usualValue ? std::nullopt
                                   : std::optional<std::string>(std::to_string(value));
    };
    return {{"chime", "every", every},
            {"chime", "strike", FlagText(chime.strikeHours)},
            {"chime", "quiet", FlagText(chime.quietAtNight)},
            {"chime", "quietfrom", hour(chime.quietFrom, usual.quietFrom)},
            {"chime", "quietuntil", hour(chime.quietUntil, usual.quietUntil)}};
}
