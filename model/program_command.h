#pragma once
// The command line that starts the program, as the system's list of programs to start with
// Windows holds it.

#include <string>
#include <string_view>

// `program`'s full path in quotes, so that a path with blanks starts the program it names.
std::string QuotedCommand(std::string_view program);

// Whether the command line `command` starts `program`: its quoted first word, or unquoted its
// words up to a blank or the end, are the program's path, compared as Windows compares paths,
// without regard to case or to which kind of slash.
bool StartsProgram(std::string_view command, std::string_view program);
