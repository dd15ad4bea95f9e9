#pragma once
// The program's own settings: a private-profile file, read and written only through the
// platform's profile functions.

#include <string>

class SettingsFile {
public:
    // A file name without a directory lands in the Windows folder.
    explicit SettingsFile(std::string fileName) : fileName(std::move(fileName)) {}

    std::string ReadString(const char* section, const char* key, const char* fallback) const;
    // A value that is not a number reads as the platform's integer conversion gives it.
    int ReadInt(const char* section, const char* key, int fallback) const;

    bool WriteString(const char* section, const char* key, const std::string& value) const;
    bool WriteInt(const char* section, const char* key, int value) const;

private:
    std::string fileName;
};
