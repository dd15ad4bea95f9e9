#pragma once
// The program keeps its text, paths among it, in UTF-8, while the "A" functions of Windows
// spell only what the ANSI code page can: a folder with Cyrillic letters in its name is a row of
// question marks there on a Western system. Whatever names a file or a registry value goes to
// the "W" functions, converted here.

#include <windows.h>

#include <string>
#include <string_view>

// `text`, in `codePage`, as UTF-16.
std::wstring Widen(std::string_view text, UINT codePage = CP_UTF8);

// `text` in `codePage`; a character the code page lacks becomes its default character.
std::string Narrow(std::wstring_view text, UINT codePage = CP_UTF8);
