#pragma once
// Private-profile files in UTF-16. The profile functions of Windows and Wine write a file in the
// ANSI code page, where a letter that it lacks becomes "?", unless the file starts with a UTF-16
// byte-order mark: such a file they read and write as Unicode, and keep so.

#include <string>
#include <string_view>

// Whether the ANSI code page spells `text` (UTF-8) and gives it back unchanged.
bool AnsiCodePageSpells(std::string_view text);

// Rewrites the profile file at `path` in UTF-16 with a byte-order mark, its ANSI text converted;
// one that is in UTF-16 already stays as it is, and a missing one becomes an empty one. False
// when the file could not be read whole or written.
bool MakeUnicodeProfile(const std::wstring& path);
