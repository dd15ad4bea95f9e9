#include "skin/skin_config.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>

namespace {

// A line buffer of 1023 bytes with its terminating zero: longer lines arrive in pieces.
constexpr int kMaxReadLength = 1022;
// Ctrl-Z: the old DOS end-of-file mark, honoured by the C runtime's text mode.
constexpr int kEndOfFileMark = 0x1A;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The next raw byte as an unsigned char, or EOF once there are no more (or on a read error).
using NextByte = std::function<int()>;

// Gives raw bytes as the Windows C runtime's text mode gives them, so a skin reads the same
// whichever runtime the program is built against.
class TextModeReader {
public:
    explicit TextModeReader(NextByte source) : nextByte(std::move(source)) {}

    // The next character, or EOF at the end of the bytes, at a 0x1A byte or on a read error.
    int Next() {
        if (ended)
            return EOF;
        int c = pending != kNothing ? pending : nextByte();
        pending = kNothing;
        if (c == '\r') {
            int following = nextByte();
            if (following == '\n')
                return '\n';
            pending = following;
            return c;
        }
        if (c == EOF || c == kEndOfFileMark) {
            ended = true;
            return EOF;
        }
        return c;
    }

    bool AtEnd() const { return ended; }

private:
    static constexpr int kNothing = -2;  // distinct from every byte and from EOF

    NextByte nextByte;
    int pending = kNothing;
    bool ended = false;
};

// One read of at most kMaxReadLength characters, ending at and consuming an LF. Characters from a
// zero byte onwards count towards the limit but are not kept.
std::string ReadLine(TextModeReader& reader) {
    std::string text;
    bool keeping = true;
    for (int count = 0; count < kMaxReadLength; ++count) {
        int c = reader.Next();
        if (c == EOF || c == '\n')
            break;
        if (c == '\0')
            keeping = false;
        if (keeping)
            text.push_back(static_cast<char>(c));
    }
    return text;
}

// Every line the reads give, up to the line cap.
std::vector<std::string> ReadLines(NextByte source) {
    TextModeReader reader(std::move(source));
    std::vector<std::string> lines;
    while (!reader.AtEnd() && lines.size() < static_cast<size_t>(SkinConfig::kMaxLines)) {
        lines.push_back(ReadLine(reader));
    }
    return lines;
}

bool IsAtoiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The C library's atoi, except that overflow wraps as a 32-bit two's-complement accumulation
// (as the classic Windows runtime's did) instead of being undefined.
int ParseInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && IsAtoiSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t total = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        total = total * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    if (negative)
        total = 0u - total;
    return static_cast<std::int32_t>(total);
}

}  // namespace

bool SkinConfig::LoadFile(const std::string& path) {
    Clear();
    // Binary mode, with the text-mode rules applied by hand: a text-mode open would differ between
    // runtimes, and "rb" never creates a missing file.
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return true;
    lines = ReadLines([source = file.get()] { return std::getc(source); });
    return true;
}

void SkinConfig::LoadBytes(std::string_view bytes) {
    size_t position = 0;
    lines = ReadLines([bytes, &position] {
        return position < bytes.size() ? static_cast<unsigned char>(bytes[position++]) : EOF;
    });
}

void SkinConfig::Clear() {
    lines.clear();
}

std::string SkinConfig::LineAt(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= lines.size())
        return {};
    return lines[index];
}

int SkinConfig::FindSection(std::string_view name) const {
    std::string header = "[";
    header.append(name);
    header.push_back(']');
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == header)
            return static_cast<int>(i);
    }
    return -1;
}

bool SkinConfig::IsSectionLine(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= lines.size())
        return false;
    const std::string& line = lines[index];
    return line.size() > 2 && line.front() == '[' && line.back() == ']';
}

int SkinConfig::FindKey(int start, std::string_view key, std::string& value) const {
    std::string prefix(key);
    prefix.push_back('=');
    for (int i = start < 0 ? 0 : start; static_cast<size_t>(i) < lines.size(); ++i) {
        if (IsSectionLine(i))
            return -1;
        if (lines[i].starts_with(prefix)) {
            value = lines[i].substr(prefix.size());
            return i;
        }
    }
    return -1;
}

bool SkinConfig::GetString(std::string_view section, std::string_view key,
                           std::string& value) const {
    int header = FindSection(section);
    return header != -1 && FindKey(header + 1, key, value) != -1;
}

bool SkinConfig::GetInt(std::string_view section, std::string_view key, int& value) const {
    std::string text;
    if (!GetString(section, key, text))
        return false;
    value = ParseInt(text);
    return true;
}
