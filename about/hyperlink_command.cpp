#include "about/hyperlink_command.h"

namespace {

// The first place where `needle` starts on a character boundary of `text`.
std::size_t FindCharacterAligned(std::string_view text, std::string_view needle,
                                 LeadBytePredicate isLeadByte) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.compare(at, needle.size(), needle) == 0)
            return at;
        at += isLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
    }
    return std::string_view::npos;
}

}  // namespace

std::optional<std::string> BuildHyperlinkCommand(std::string_view openCommand, std::string_view url,
                                                 LeadBytePredicate isLeadByte) {
    std::size_t end = FindCharacterAligned(openCommand, "\"%1\"", isLeadByte);
    if (end == std::string_view::npos)
        end = FindCharacterAligned(openCommand, "%1", isLeadByte);
    const std::string_view program = openCommand.substr(0, end);
    if (program.size() + 1 + url.size() >= kHyperlinkCommandCapacity)
        return std::nullopt;
    std::string commandLine(program);
    commandLine += ' ';
    commandLine += url;
    return commandLine;
}
