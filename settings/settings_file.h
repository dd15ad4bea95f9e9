#pragma once
// The program's own settings: a private-profile file, read and written only through the
// platform's profile functions.
//
// The file lives in the Windows folder. Where that folder cannot be written (a program without
// administrator rights on current Windows), the same keys go to a copy in the user's
// application-data folder, which is read first whenever it exists. A copy of the program that
// finds its file beside itself is portable: it keeps its settings there and nowhere else, so a
// folder on a stick carries them from machine to machine.
//
// A save replaces the file at once, never key by key: a save cut off at shutdown, or two copies
// of the program saving at the same moment, leave one whole save or the other.
//
// Values are UTF-8 here. The file keeps the ANSI code page, as the profile functions have always
// written it, until a save holds a value that the code page cannot spell (a skin "Часы" on a
// Western system); from then on it is UTF-16, which they keep.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// One value of the settings. Without a value the key is taken out of the file, and without a
// key the whole section.
struct SettingsValue {
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

class SettingsFile {
public:
    // How the values of a save are written, and the file then let go of: the platform's
    // WritePrivateProfileStringW, unless a test stands in for it.
    using ProfileWriter = BOOL(WINAPI*)(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file);

    // `filePath` and `fallbackPath` are the full paths of the file and of its copy, in UTF-8.
    SettingsFile(std::string filePath, std::string fallbackPath,
                 ProfileWriter writer = WritePrivateProfileStringW);

    // "<exe>.INI" beside the program when it is there, alone; otherwise "<exe>.INI" in the
    // Windows folder, with its copy in "%APPDATA%\<exe>\<exe>.INI".
    static SettingsFile ForProgram(const std::string& exeFolder, const std::string& exeName);

    std::string ReadString(const char* section, const char* key, const char* fallback) const;
    // A value that is not a number reads as the platform's integer conversion gives it.
    int ReadInt(const char* section, const char* key, int fallback) const;

    // Writes every value to the main file. Where the save did not land there, or where the copy
    // exists (it is read first), it goes to the copy as well. True when every value reached at
    // least one of the two files.
    bool Write(const std::vector<SettingsValue>& values) const;
    bool WriteString(const char* section, const char* key, const std::string& value) const;
    bool WriteInt(const char* section, const char* key, int value) const;

    // Removes the duplicates that saves cut off in earlier processes left beside the file and its
    // copy. Once at start is enough.
    void RemoveLeftovers() const;

private:
    // The copy, once it exists, holds the newest settings.
    const std::string& ReadFrom() const;
    // Replaces `file` with a duplicate of it that holds `values`, or leaves it as it was.
    bool Replace(const std::string& file, const std::vector<SettingsValue>& values) const;

    std::string filePath;
    std::string fallbackPath;
    ProfileWriter writer;
};
