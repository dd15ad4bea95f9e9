#include "skin/skin_lint.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>
#include <map>
#include <optional>
#include <string_view>

namespace {

struct KnownSection {
    std::string_view name;
    std::vector<std::string_view> keys;
};

const std::array<KnownSection, 4>& KnownSections() {
    static const std::array<KnownSection, 4> sections{{
        {"Transparency", {"R", "G", "B"}},
        {"Bitmaps", {"Background", "Trans"}},
        {"Digits", {"R", "G", "B"}},
        {"Label", {"X", "Y", "Width", "Height", "R", "G", "B"}},
    }};
    return sections;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The known section `name` means, exactly or but for case.
const KnownSection* SectionLike(std::string_view name) {
    for (const KnownSection& section : KnownSections()) {
        if (SameIgnoringCase(section.name, name))
            return &section;
    }
    return nullptr;
}

std::optional<std::string_view> KeyLike(const KnownSection& section, std::string_view key) {
    for (std::string_view known : section.keys) {
        if (SameIgnoringCase(known, key))
            return known;
    }
    return std::nullopt;
}

// Messages are joined piece by piece rather than with operator+, which makes GCC 12 warn
// falsely (bug 105329) where a literal comes first.
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text.append(part);
    return text;
}

bool LooksLikeHeader(std::string_view text) {
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

std::string Bracketed(std::string_view name) {
    std::string text(1, '[');
    text.append(name);
    text.push_back(']');
    return text;
}

// The sections other than `except` that know `key` exactly, as "[A] or [B]".
std::string SectionsWithKey(std::string_view key, const KnownSection* except) {
    std::string names;
    for (const KnownSection& section : KnownSections()) {
        if (&section == except ||
            std::find(section.keys.begin(), section.keys.end(), key) == section.keys.end())
            continue;
        if (!names.empty())
            names.append(" or ");
        names.append(Bracketed(section.name));
    }
    return names;
}

// Walks the lines as the reader's queries see them: which header is in force, whether it is
// the first copy of a known section, and which keys it has already given.
class Linter {
public:
    explicit Linter(const SkinConfig& config) : config(config) {}

    std::vector<LintFinding> Run() {
        for (int i = 0; i < static_cast<int>(config.lines.size()); ++i) {
            std::string_view line = config.lines[i];
            if (line.starts_with(kByteOrderMark)) {
                line.remove_prefix(kByteOrderMark.size());
                if (LooksLikeHeader(line)) {
                    Report(i, {"begins with a byte-order mark, which hides the header ", line,
                               ": save the file without one"});
                    EnterUnreadSection("is under a header that the byte-order mark hides");
                    continue;
                }
                Report(i, {"begins with a byte-order mark: save the file without one"});
            }
            if (config.IsSectionLine(i))
                Header(i, line.substr(1, line.size() - 2));
            else if (LooksLikeHeader(Trimmed(line)))
                Report(i, {"looks like a header but is not one: a header is exactly \"[name]\" "
                           "with nothing before or after it"});
            else if (const size_t equals = line.find('='); equals != std::string_view::npos)
                Key(i, line.substr(0, equals));
        }
        return std::move(findings);
    }

private:
    void Report(int index, std::initializer_list<std::string_view> parts) {
        findings.push_back({index + 1, Join(parts)});
    }

    void EnterUnreadSection(std::string reason) {
        current = nullptr;
        currentRead = false;
        unreadReason = std::move(reason);
    }

    void Header(int index, std::string_view name) {
        const std::string bracketed = Bracketed(name);
        EnterUnreadSection(Join({"is under ", bracketed, ", which nothing reads"}));
        const KnownSection* known = SectionLike(name);
        const KnownSection* trimmedKnown = SectionLike(Trimmed(name));
        if (known && known->name != name) {
            Report(index, {bracketed, " is not ", Bracketed(known->name),
                           ": section names are case-sensitive"});
        } else if (!known && trimmedKnown && trimmedKnown->name == Trimmed(name)) {
            Report(index, {bracketed, " is not ", Bracketed(trimmedKnown->name),
                           ": no spaces inside the brackets"});
        } else if (!known) {
            Report(index, {"unknown section ", bracketed, ": nothing reads it"});
        } else if (const auto first = firstHeader.find(known->name); first != firstHeader.end()) {
            Report(index, {"second ", bracketed, " header: only the first one, on line ",
                           std::to_string(first->second + 1),
                           ", is read; keys under this one are ignored"});
            current = known;
        } else {
            firstHeader.emplace(known->name, index);
            current = known;
            currentRead = true;
            seenKeys.clear();
        }
    }

    void Key(int index, std::string_view written) {
        const std::string_view name = Trimmed(written);
        if (name.empty() || name.find(' ') != std::string_view::npos)
            return;  // prose with an equals sign in it, not an attempt at a key
        const std::string shown = Join({"\"", name, "=\""});
        if (name != written) {
            Report(index, {shown, " has spaces ",
                           written.front() == name.front() ? "before \"=\"" : "before the key",
                           " and is ignored: write it as ", name, "=value"});
            return;
        }
        if (!current) {
            Report(index, {shown, " ", unreadReason, ", and is ignored"});
            return;
        }
        const std::string section = Bracketed(current->name);
        const std::optional<std::string_view> known = KeyLike(*current, name);
        if (!known) {
            const std::string elsewhere = SectionsWithKey(name, current);
            if (!elsewhere.empty())
                Report(index, {shown, " belongs under ", elsewhere, ", not ", section,
                               ", and is ignored here"});
            else
                Report(index, {"unknown key ", shown, " in ", section, ": nothing reads it"});
            return;
        }
        if (*known != name) {
            Report(index, {shown, " is not \"", *known,
                           "=\": key names are case-sensitive, so it is ignored"});
            return;
        }
        if (!currentRead) {
            Report(index, {shown, " is under the second ", section, " header and is ignored"});
            return;
        }
        if (const auto first = seenKeys.find(name); first != seenKeys.end()) {
            Report(index, {"second ", shown, " in ", section, ": the first one, on line ",
                           std::to_string(first->second + 1), ", wins"});
            return;
        }
        seenKeys.emplace(name, index);
    }

    const SkinConfig& config;
    std::vector<LintFinding> findings;
    const KnownSection* current = nullptr;  // the known section in force, read or not
    bool currentRead = false;               // it is that section's first header
    std::string unreadReason = "stands before any section header";  // when `current` is null
    std::map<std::string_view, int> firstHeader;
    std::map<std::string, int, std::less<>> seenKeys;
};

}  // namespace

std::vector<LintFinding> LintSkinConfig(const SkinConfig& config) {
    return Linter(config).Run();
}
