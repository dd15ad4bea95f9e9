#include "settings/clock_settings.h"

#include <cstdlib>
#include <utility>
#include <vector>

#include "face/zoom.h"

namespace {

// The Time menu's hours as the file names them.
constexpr std::pair<HourChoice, const char*> kHourNames[] = {
    {HourChoice::Hours24, "24"}, {HourChoice::Hours12, "12"}, {HourChoice::Automatic, "auto"}};

// A flag the file names: "0" or "1"; anything else reads as `fallback`.
std::optional<bool> ReadFlag(const SettingsFile& file, const char* key, bool fallback) {
    const std::string value = file.ReadString("display", key, "");
    if (value.empty())
        return std::nullopt;
    return value == "0" || value == "1" ? value == "1" : fallback;
}

void WriteFlag(std::vector<SettingsValue>& values, const char* key, std::optional<bool> flag) {
    if (flag)
        values.push_back({"display", key, *flag ? "1" : "0"});
}

}  // namespace

ClockSettings ClockSettings::Read(const SettingsFile& file) {
    ClockSettings settings;
    settings.skinName = file.ReadString("skin", "name", settings.skinName.c_str());
    settings.position = {file.ReadInt("position", "x", settings.position.x),
                         file.ReadInt("position", "y", settings.position.y)};
    if (const std::string choice = file.ReadString("display", "zoom", ""); !choice.empty()) {
        const int chosen = std::atoi(choice.c_str());
        settings.zoomChoice = chosen >= 1 && chosen <= kMaxZoom ? chosen : 0;
    }
    if (const std::string hours = file.ReadString("display", "hours", ""); !hours.empty()) {
        settings.time.hours = HourChoice::Hours24;  // also for a value it does not know
        for (const auto& [choice, name] : kHourNames) {
            if (hours == name)
                settings.time.hours = choice;
        }
    }
    settings.time.seconds = ReadFlag(file, "seconds", true);
    settings.time.blinkingColon = ReadFlag(file, "blink", false);
    settings.window.locked = ReadFlag(file, "locked", false);
    settings.window.clickThrough = ReadFlag(file, "clickthrough", false);
    settings.window.trayIcon = ReadFlag(file, "trayicon", true);
    if (const std::string opacity = file.ReadString("display", "opacity", ""); !opacity.empty()) {
        settings.window.opacity = 100;  // a clock never goes faint by a value it does not know
        for (const int offered : kOpacities) {
            if (opacity == std::to_string(offered))
                settings.window.opacity = offered;
        }
    }
    settings.stepAsideForFullScreen = file.ReadString("display", "fullscreen", "") != "stay";
    return settings;
}

bool ClockSettings::Write(const SettingsFile& file) const {
    std::vector<SettingsValue> values{{"position", "x", std::to_string(position.x)},
                                      {"position", "y", std::to_string(position.y)},
                                      {"skin", "name", skinName}};
    if (zoomChoice)
        values.push_back({"display", "zoom", std::to_string(*zoomChoice)});
    for (const auto& [choice, name] : kHourNames) {
        if (time.hours == choice)
            values.push_back({"display", "hours", name});
    }
    WriteFlag(values, "seconds", time.seconds);
    WriteFlag(values, "blink", time.blinkingColon);
    WriteFlag(values, "locked", window.locked);
    WriteFlag(values, "clickthrough", window.clickThrough);
    WriteFlag(values, "trayicon", window.trayIcon);
    if (window.opacity)
        values.push_back({"display", "opacity", std::to_string(*window.opacity)});
    return file.Write(values);
}
