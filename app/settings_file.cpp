#include "app/settings_file.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace {

constexpr DWORD kValueBufferSize = 4096;

bool Exists(const std::string& path) {
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string WindowsFolder() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string AppDataFolder() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return folder;
}

}  // namespace

SettingsFile::SettingsFile(std::string filePath, std::string fallbackPath, ProfileWriter writer)
    : filePath(std::move(filePath)), fallbackPath(std::move(fallbackPath)), writer(writer) {}

SettingsFile SettingsFile::ForProgram(const std::string& exeName) {
    const std::string appData = AppDataFolder();
    const std::string iniName = exeName + ".INI";
    return SettingsFile(
        WindowsFolder() + "\\" + iniName,
        appData.empty() ? std::string() : appData + "\\" + exeName + "\\" + iniName);
}

const std::string& SettingsFile::ReadFrom() const {
    return Exists(fallbackPath) ? fallbackPath : filePath;
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
    const bool written = Replace(filePath, values);
    if ((written && !Exists(fallbackPath)) || fallbackPath.empty())
        return written;
    CreateDirectoryA(fallbackPath.substr(0, fallbackPath.find_last_of('\\')).c_str(), nullptr);
    return Replace(fallbackPath, values) || written;
}

// The values go into a duplicate of the file beside it, through the profile functions, so that
// the file keeps its format and every key the save does not name; the duplicate then takes the
// file's place in one move. It is named for this process, so that two copies of the program
// saving at once do not write into each other's.
bool SettingsFile::Replace(const std::string& file,
                           const std::vector<SettingsValue>& values) const {
    const std::string next = file + "." + std::to_string(GetCurrentProcessId()) + ".new";
    DeleteFileA(next.c_str());  // left by a save cut off in an earlier process of this number
    if (!CopyFileA(file.c_str(), next.c_str(), FALSE) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return false;
    bool written = true;
    for (const SettingsValue& value : values)
        written = written && writer(value.section, value.key, value.value.c_str(), next.c_str());
    writer(nullptr, nullptr, nullptr, next.c_str());  // lets go of the profile cache's copy
    if (written &&
        MoveFileExA(next.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(next.c_str());
    return false;
}

bool SettingsFile::WriteString(const char* section, const char* key,
                               const std::string& value) const {
    return Write({{section, key, value}});
}

bool SettingsFile::WriteInt(const char* section, const char* key, int value) const {
    return WriteString(section, key, std::to_string(value));
}
