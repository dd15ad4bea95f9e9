// The config.ini reader over arbitrary file bytes, then every kind of query: the ones skin
// loading makes, a few odd fixed names, and names the file itself offers.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_config.h"
#include "tests/fuzz/fuzz_expect.h"

namespace {

// The queries skin loading makes, and a few names that only odd lines could answer.
constexpr std::string_view kFixedQueries[][2] = {{"Transparency", "R"},
                                                 {"Transparency", "G"},
                                                 {"Transparency", "B"},
                                                 {"Bitmaps", "Trans"},
                                                 {"Bitmaps", "Background"},
                                                 {"", ""},
                                                 {"]", "="},
                                                 {"[a]", "a=b"}};

// Every query scans the lines from the top, so the names taken from the file are few, and taken
// only from its first lines.
constexpr int kLinesOfferingNames = 16;
constexpr std::size_t kMaxOfferedNames = 2;
// Raw bytes from each end of the input become names too, whatever they hold.
constexpr std::size_t kRawNameLength = 4;

void CheckLines(const SkinConfig& config) {
    FuzzExpect(!config.lines.empty() &&
               config.lines.size() <= static_cast<std::size_t>(SkinConfig::kMaxLines));
    for (const std::string& line : config.lines) {
        FuzzExpect(line.size() <= 1022);
        FuzzExpect(line.find('\0') == std::string::npos && line.find('\n') == std::string::npos);
    }
    const int count = static_cast<int>(config.lines.size());
    FuzzExpect(!config.IsSectionLine(-1) && !config.IsSectionLine(count));
    FuzzExpect(config.LineAt(-1).empty() && config.LineAt(count).empty());
}

void Ask(const SkinConfig& config, std::string_view section, std::string_view key) {
    constexpr std::string_view kUntouched = "\x01untouched";
    constexpr int kUntouchedNumber = 0x5EED;
    std::string value(kUntouched);
    int number = kUntouchedNumber;
    const bool found = config.GetString(section, key, value);
    FuzzExpect(config.GetInt(section, key, number) == found);
    if (!found) {
        FuzzExpect(value == kUntouched && number == kUntouchedNumber);
        return;
    }

    const int header = config.FindSection(section);
    FuzzExpect(config.LineAt(header) == "[" + std::string(section) + "]");
    std::string direct;
    const int line = config.FindKey(header + 1, key, direct);
    FuzzExpect(line > header && direct == value);
    FuzzExpect(config.LineAt(line) == std::string(key) + "=" + value);
    // A scan that starts on the key line finds it there; one from past the end finds nothing.
    FuzzExpect(config.FindKey(line, key, direct) == line);
    FuzzExpect(config.FindKey(static_cast<int>(config.lines.size()), key, direct) == -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SkinConfig config;
    config.LoadBytes(bytes);
    CheckLines(config);

    for (const auto& [section, key] : kFixedQueries)
        Ask(config, section, key);

    std::vector<std::string> sections;
    std::vector<std::string> keys;
    for (int i = 0; i < kLinesOfferingNames && i < static_cast<int>(config.lines.size()); ++i) {
        const std::string& line = config.lines[i];
        if (config.IsSectionLine(i) && sections.size() < kMaxOfferedNames)
            sections.push_back(line.substr(1, line.size() - 2));
        if (const std::size_t equals = line.find('=');
            equals != std::string::npos && keys.size() < kMaxOfferedNames)
            keys.push_back(line.substr(0, equals));
    }
    const std::size_t rawLength = size < kRawNameLength ? size : kRawNameLength;
    sections.emplace_back(bytes.substr(0, rawLength));
    keys.emplace_back(bytes.substr(size - rawLength));
    for (const std::string& section : sections) {
        for (const std::string& key : keys)
            Ask(config, section, key);
    }
    return 0;
}
