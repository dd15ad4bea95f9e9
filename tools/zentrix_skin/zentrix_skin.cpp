// zentrix-skin: checks a skin folder for its author and previews the faces the clock paints
// from it, with the clock's own reading, loading and composing code.

#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "face/dock_mode.h"
#include "face/time_format.h"
#include "face/zoom.h"
#include "tools/zentrix_skin/face_preview.h"
#include "tools/zentrix_skin/skin_check.h"

namespace {

constexpr int kFine = 0;
constexpr int kProblems = 1;
constexpr int kUsage = 2;

int Usage() {
    std::cerr << "usage: zentrix-skin check FOLDER\n"
                 "       zentrix-skin preview FOLDER [--time HH:MM:SS] [--hours 12|24] "
                 "[--no-seconds] [--colon off] [--dock top|left|right|floating] [--zoom 1|2|3] "
                 "OUT.bmp\n";
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

int Preview(int argc, char** argv) {
    TimeOfDay time{12, 34, 56};
    TimeFormat format;
    DockMode mode = DockTop;
    int zoom = 1;
    std::optional<std::string> folder;
    std::optional<std::string> out;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--time" && i + 1 < argc) {
            const std::optional<TimeOfDay> parsed = ParseTime(argv[++i]);
            if (!parsed) {
                std::cerr << "zentrix-skin: --time takes HH:MM:SS, not \"" << argv[i] << "\"\n";
                return kUsage;
            }
            time = *parsed;
        } else if (arg == "--hours" && i + 1 < argc) {
            const std::string_view hours = argv[++i];
            if (hours != "12" && hours != "24")
                return Usage();
            format.twelveHours = hours == "12";
        } else if (arg == "--no-seconds") {
            format.seconds = false;
        } else if (arg == "--colon" && i + 1 < argc) {
            if (std::string_view(argv[++i]) != "off")
                return Usage();
            format.colons = Colons::Hidden;
        } else if (arg == "--dock" && i + 1 < argc) {
            const std::optional<DockMode> parsed = ParseDock(argv[++i]);
            if (!parsed)
                return Usage();
            mode = *parsed;
        } else if (arg == "--zoom" && i + 1 < argc) {
            const std::string_view text = argv[++i];
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

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string_view command = argv[1];
    if (command == "check" && argc == 3)
        return CheckSkin(argv[2], std::cout) == 0 ? kFine : kProblems;
    if (command == "preview")
        return Preview(argc, argv);
    return Usage();
}
