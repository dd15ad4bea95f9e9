#include "app/clock_settings.h"

#include <cstdlib>
#include <vector>

#include "face/zoom.h"
#include "win/wide_text.h"

ClockSettings ClockSettings::Read(const SettingsFile& file) {
    ClockSettings settings;
    // The file holds the name in the ANSI code page, as it always has; the program in UTF-8.
    settings.skinName =
        Narrow(Widen(file.ReadString("skin", "name", settings.skinName.c_str()), CP_ACP));
    settings.position = {file.ReadInt("position", "x", settings.position.x),
                         file.ReadInt("position", "y", settings.position.y)};
    if (const std::string choice = file.ReadString("display", "zoom", ""); !choice.empty()) {
        const int chosen = std::atoi(choice.c_str());
        settings.zoomChoice = chosen >= 1 && chosen <= kMaxZoom ? chosen : 0;
    }
    settings.stepAsideForFullScreen = file.ReadString("display", "fullscreen", "") != "stay";
    return settings;
}

bool ClockSettings::Write(const SettingsFile& file) const {
    std::vector<SettingsValue> values{{"position", "x", std::to_string(position.x)},
                                      {"position", "y", std::to_string(position.y)},
                                      {"skin", "name", Narrow(Widen(skinName), CP_ACP)}};
    if (zoomChoice)
        values.push_back({"display", "zoom", std::to_string(*zoomChoice)});
    return file.Write(values);
}
