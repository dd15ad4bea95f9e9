#include "app/program_command.h"

#include <algorithm>
#include <cctype>

namespace {

char PathCharacter(char c) {
    return c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The program a command line starts: the quoted first word, else everything up to a blank.
std::string_view FirstWord(std::string_view command) {
    while (!command.empty() && command.front() == ' ')
        command.remove_prefix(1);
    if (!command.empty() && command.front() == '"') {
        command.remove_prefix(1);
        return command.substr(0, command.find('"'));
    }
    return command.substr(0, command.find(' '));
}

}  // namespace

std::string QuotedCommand(std::string_view program) {
    std::string command = "\"";
    command.append(program);
    command.push_back('"');
    return command;
}

bool StartsProgram(std::string_view command, std::string_view program) {
    const std::string_view first = FirstWord(command);
    return !program.empty() &&
           std::equal(first.begin(), first.end(), program.begin(), program.end(),
                      [](char a, char b) { return PathCharacter(a) == PathCharacter(b); });
}
