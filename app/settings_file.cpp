#include "app/settings_file.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace {

constexpr DWORD kValueBufferSize = 4096;

bool Exists(const std::string& path) {
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string AppDataFolder() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return folder;
}

}  // namespace

SettingsFile::SettingsFile(std::string fileName, std::string fallbackPath, ProfileWriter writer)
    : fileName(std::move(fileName)), fallbackPath(std::move(fallbackPath)), writer(writer) {}

SettingsFile SettingsFile::ForProgram(const std::string& exeName) {
    const std::string appData = AppDataFolder();
    const std::string iniName = exeName + ".INI";
    return SettingsFile(
        iniName, appData.empty() ? std::string() : appData + "\\" + exeName + "\\" + iniName);
}

const std::string& SettingsFile::ReadFrom() const {
    return Exists(fallbackPath) ? fallbackPath : fileName;
}

std::string SettingsFile::ReadString(const char* section, const char* key,
                                     const char* fallback) const {
    std::string value(kValueBufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(section, key, fallback, value.data(),
                                                  kValueBufferSize, ReadFrom().c_str());
    value.resize(length);
    return value;
}

int SettingsFile::ReadInt(const char* section, const char* key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, ReadFrom().c_str()));
}

bool SettingsFile::Write(const std::vector<SettingsValue>& values) const {
    const auto writeAll = [&](const std::string& file) {
        bool all = true;
        for (const SettingsValue& value : values)
            all = writer(value.section, value.key, value.value.c_str(), file.c_str()) && all;
        return all;
    };
    const bool written = writeAll(fileName);
    if ((written && !Exists(fallbackPath)) || fallbackPath.empty())
        return written;
    CreateDirectoryA(fallbackPath.substr(0, fallbackPath.find_last_of('\\')).c_str(), nullptr);
    return writeAll(fallbackPath) || written;
}

bool SettingsFile::WriteString(const char* section, const char* key,
                               const std::string& value) const {
    return Write({{section, key, value}});
}

bool SettingsFile::WriteInt(const char* section, const char* key, int value) const {
    return WriteString(section, key, std::to_string(value));
}
