#pragma once
// The program's own settings: a private-profile file, read and written only through the
// platform's profile functions.
//
// The file lives in the Windows folder. Where that folder cannot be written (a program without
// administrator rights on current Windows), the same keys go to a copy in the user's
// application-data folder, which is read first whenever it exists.

#include <string>

class SettingsFile {
public:
    // `fileName` without a directory lands in the Windows folder; `fallbackPath` is the full
    // path of the copy.
    SettingsFile(std::string fileName, std::string fallbackPath);

    // "<exe>.INI" in the Windows folder, with its copy in "%APPDATA%\<exe>\<exe>.INI".
    static SettingsFile ForProgram(const std::string& exeName);

    std::string ReadString(const char* section, const char* key, const char* fallback) const;
    // A value that is not a number reads as the platform's integer conversion gives it.
    int ReadInt(const char* section, const char* key, int fallback) const;

    // True when the value reached at least one of the two files.
    bool WriteString(const char* section, const char* key, const std::string& value) const;
    bool WriteInt(const char* section, const char* key, int value) const;

private:
    // The copy, once it exists, holds the newest settings.
    const std::string& ReadFrom() const;

    std::string fileName;
    std::string fallbackPath;
};
