// zentrix-skin: checks a skin folder for its author and previews the faces the clock paints
// from it, with the clock's own reading, loading and composing code.

#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "face/dock_mode.h"
#include "face/time_format.h"
#include "face/zoom.h"
#include "tools/zentrix_skin/face_preview.h"
#include "tools/zentrix_skin/skin_check.h"
#include "win/wide_text.h"

namespace {

constexpr int kFine = 0;
constexpr int kProblems = 1;
constexpr int kUsage = 2;

int Usage() {
    std::cerr << "usage: zentrix-skin check FOLDER\n"
                 "       zentrix-skin preview FOLDER [--time HH:MM:SS] [--hours 12|24] "
                 "[--no-seconds] [--colon off] [--dock top|left|right|floating] [--zoom 1|2|3] "
                 "OUT.bmp|OUT.png\n";
    return kUsage;
}

std::optional<DockMode> ParseDock(std::string_view text) {
    if (text == "top")
        return DockTop;
    if (text == "left")
        return DockLeft;
    if (text == "right")
        return DockRight;
    if (text == "floating")
        return Floating;
    return std::nullopt;
}

// Two digits, a colon, two digits, a colon, two digits, as a time of day. The digits are not
// range-checked, so "88:88:88" shows the widest 24-hour face.
std::optional<TimeOfDay> ParseTime(std::string_view text) {
    if (text.size() != 8)
        return std::nullopt;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool colonPlace = i == 2 || i == 5;
        if (colonPlace ? text[i] != ':' : (text[i] < '0' || text[i] > '9'))
            return std::nullopt;
    }
    const auto number = [&](size_t at) { return (text[at] - '0') * 10 + text[at + 1] - '0'; };
    return TimeOfDay{number(0), number(3), number(6)};
}

int Preview(const std::vector<std::string>& args) {
    TimeOfDay time{12, 34, 56};
    TimeFormat format;
    DockMode mode = DockTop;
    int zoom = 1;
    std::optional<std::string> folder;
    std::optional<std::string> out;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--time" && i + 1 < args.size()) {
            const std::optional<TimeOfDay> parsed = ParseTime(args[++i]);
            if (!parsed) {
                std::cerr << "zentrix-skin: --time takes HH:MM:SS, not \"" << args[i] << "\"\n";
                return kUsage;
            }
            time = *parsed;
        } else if (arg == "--hours" && i + 1 < args.size()) {
            const std::string_view hours = args[++i];
            if (hours != "12" && hours != "24")
                return Usage();
            format.twelveHours = hours == "12";
        } else if (arg == "--no-seconds") {
            format.seconds = false;
        } else if (arg == "--colon" && i + 1 < args.size()) {
            if (args[++i] != "off")
                return Usage();
            format.colons = Colons::Hidden;
        } else if (arg == "--dock" && i + 1 < args.size()) {
            const std::optional<DockMode> parsed = ParseDock(args[++i]);
            if (!parsed)
                return Usage();
            mode = *parsed;
        } else if (arg == "--zoom" && i + 1 < args.size()) {
            const std::string_view text = args[++i];
            if (text.size() != 1 || text[0] < '1' || text[0] > '0' + kMaxZoom)
                return Usage();
            zoom = text[0] - '0';
        } else if (arg.starts_with("--")) {
            return Usage();
        } else if (!folder) {
            folder = arg;
        } else if (!out) {
            out = arg;
        } else {
            return Usage();
        }
    }
    if (!folder || !out)
        return Usage();
    if (!WriteFacePreview(*folder, FaceText(time, format), mode, zoom, *out)) {
        std::cerr << "zentrix-skin: no face written: " << *folder
                  << " has no readable background, or " << *out << " cannot be written\n";
        return kProblems;
    }
    std::cout << "wrote " << *out << "\n";
    return kFine;
}

}  // namespace

// The arguments come in UTF-16, so that a folder the ANSI code page cannot spell is named all
// the same, and are taken in UTF-8, as the clock's own code takes every path.
int wmain(int argc, wchar_t** wideArgs) {
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i)
        args.push_back(Narrow(wideArgs[i]));
    if (args.size() < 2)
        return Usage();
    const std::string_view command = args[1];
    if (command == "check" && args.size() == 3)
        return CheckSkin(args[2], std::cout) == 0 ? kFine : kProblems;
    if (command == "preview")
        return Preview(args);
    return Usage();
}
