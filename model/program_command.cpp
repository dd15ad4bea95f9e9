#include "model/program_command.h"

#include <algorithm>
#include <cctype>

namespace {

char PathCharacter(char c) {
    return c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool SamePath(std::string_view path, std::string_view program) {
    return !program.empty() &&
           std::equal(path.begin(), path.end(), program.begin(), program.end(),
                      [](char a, char b) { return PathCharacter(a) == PathCharacter(b); });
}

}  // namespace

std::string QuotedCommand(std::string_view program) {
    std::string command = "\"";
    command.append(program);
    command.push_back('"');
    return command;
}

bool StartsProgram(std::string_view command, std::string_view program) {
    while (!command.empty() && command.front() == ' ')
        command.remove_prefix(1);
    if (!command.empty() && command.front() == '"') {
        command.remove_prefix(1);
        return SamePath(command.substr(0, command.find('"')), program);
    }
    // Unquoted, Windows tries the words up to each blank in turn as the program's path, so a
    // path with blanks in it still names the program when a blank or the end follows it.
    return SamePath(command.substr(0, program.size()), program) &&
           (command.size() == program.size() || command[program.size()] == ' ');
}
