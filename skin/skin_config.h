#pragma once
// A skin's config.ini held as its lines, queried by section and key with strict, literal matching.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A header is exactly "[name]" on a line of its own; a key line is "key=value" with nothing before
// the key and no space before "=". The first header of a name and the first key under it win, a
// section ends at the next line that looks like a header, and everything else is ignored.
// Matching is byte for byte and case-sensitive.
class SkinConfig {
public:
    // Reads stop after this many lines. A real config.ini has a dozen; the cap bounds what a
    // corrupt or hostile file can cost (at most 1022 characters a line, so about 4 MiB of text)
    // and how long each query's scan from the top can take.
    static constexpr int kMaxLines = 4096;
    // No read reaches further into a file than this: kMaxLines reads of at most 1022 characters
    // and the CR LF that ends each.
    static constexpr std::size_t kMaxFileBytes = kMaxLines * 1024;

    SkinConfig() = default;
    virtual ~SkinConfig() = default;

    // Replaces the lines with those of the file at `path`, read by the C runtime's text-mode rules
    // on every platform: LF or CR LF ends a line, a lone CR is an ordinary character, byte 0x1A
    // ends the file, a read takes at most 1022 characters, and a zero byte ends a line's kept text.
    // The read that meets the end of the file adds a line too, even an empty one. A file that
    // cannot be opened leaves no lines, and a missing file is not created. Always returns true: the
    // caller's defaults stand in for whatever is not found.
    bool LoadFile(const std::string& path);
    // Replaces the lines with those LoadFile reads from a file holding exactly `bytes`.
    void LoadBytes(std::string_view bytes);
    void Clear();

    // A copy of the line at `index`; empty when the index lies outside the lines.
    std::string LineAt(int index) const;

    // Index of the first line that is exactly "[name]", or -1.
    int FindSection(std::string_view name) const;

    // True for any line longer than two characters that begins with '[' and ends with ']'. Such a
    // line ends a section even when nobody asks for it by name.
    bool IsSectionLine(int index) const;

    // Scans from `start` down to the next header line for the first line beginning "key=". Returns
    // its index and sets `value` to the rest of that line, or returns -1 and leaves `value` alone.
    int FindKey(int start, std::string_view key, std::string& value) const;

    // Both set `value` only when the key is found under the section's first header.
    bool GetString(std::string_view section, std::string_view key, std::string& value) const;
    bool GetInt(std::string_view section, std::string_view key, int& value) const;

    std::vector<std::string> lines;
};
