#include "app/settings_file.h"

#include <windows.h>

#include <string>

namespace {
constexpr DWORD kValueBufferSize = 4096;
}

std::string SettingsFile::ReadString(const char* section, const char* key,
                                     const char* fallback) const {
    std::string value(kValueBufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(section, key, fallback, value.data(),
                                                  kValueBufferSize, fileName.c_str());
    value.resize(length);
    return value;
}

int SettingsFile::ReadInt(const char* section, const char* key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, fileName.c_str()));
}

bool SettingsFile::WriteString(const char* section, const char* key,
                               const std::string& value) const {
    return WritePrivateProfileStringA(section, key, value.c_str(), fileName.c_str()) != FALSE;
}

bool SettingsFile::WriteInt(const char* section, const char* key, int value) const {
    return WriteString(section, key, std::to_string(value));
}
