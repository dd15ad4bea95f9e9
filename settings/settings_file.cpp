#include "settings/settings_file.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <string>

#include "settings/unicode_profile.h"
#include "win/unique_handle.h"
#include "win/wide_text.h"

namespace {

constexpr DWORD kValueBufferSize = 4096;
// A save takes milliseconds: a duplicate untouched for a minute belongs to no save under way,
// whichever process (of this session or another) made it, and whether or not its number has
// been given to some other process since. In FILETIME's units of 100 ns.
constexpr ULONGLONG kLeftoverAge = 60ull * 10'000'000;

bool Exists(const std::string& path) {
    return !path.empty() && GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string WindowsFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    return Narrow(folder);
}

std::string AppDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return Narrow(folder);
}

// MOVEFILE_WRITE_THROUGH waits for the move alone, not for the data of the file moved: without
// the flush, a power cut soon after a save can leave an empty settings file.
bool Flush(const std::wstring& path) {
    const UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.get());
}

ULONGLONG Ticks(FILETIME time) {
    return ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart;
}

}  // namespace

SettingsFile::SettingsFile(std::string filePath, std::string fallbackPath, ProfileWriter writer)
    : filePath(std::move(filePath)), fallbackPath(std::move(fallbackPath)), writer(writer) {}

SettingsFile SettingsFile::ForProgram(const std::string& exeFolder, const std::string& exeName) {
    const std::string iniName = exeName + ".INI";
    const std::string portable = exeFolder + "\\" + iniName;
    if (Exists(portable))
        return SettingsFile(portable, std::string());
    const std::string appData = AppDataFolder();
    return SettingsFile(
        WindowsFolder() + "\\" + iniName,
        appData.empty() ? std::string() : appData + "\\" + exeName + "\\" + iniName);
}

const std::string& SettingsFile::ReadFrom() const {
    return Exists(fallbackPath) ? fallbackPath : filePath;
}

std::string SettingsFile::ReadString(const char* section, const char* key,
                                     const char* fallback) const {
    std::wstring value(kValueBufferSize, L'\0');
    const DWORD length = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                                  Widen(fallback).c_str(), value.data(),
                                                  kValueBufferSize, Widen(ReadFrom()).c_str());
    value.resize(length);
    return Narrow(value);
}

int SettingsFile::ReadInt(const char* section, const char* key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntW(Widen(section).c_str(), Widen(key).c_str(),
                                                  fallback, Widen(ReadFrom()).c_str()));
}

bool SettingsFile::Write(const std::vector<SettingsValue>& values) const {
    const bool written = Replace(filePath, values);
    if ((written && !Exists(fallbackPath)) || fallbackPath.empty())
        return written;
    CreateDirectoryW(Widen(fallbackPath.substr(0, fallbackPath.find_last_of('\\'))).c_str(),
                     nullptr);
    return Replace(fallbackPath, values) || written;
}

// The values go into a duplicate of the file beside it, through the profile functions, so that
// the file keeps its format and every key the save does not name; the duplicate then takes the
// file's place in one move. It is named for this process, so that two copies of the program
// saving at once do not write into each other's.
bool SettingsFile::Replace(const std::string& file,
                           const std::vector<SettingsValue>& values) const {
    const std::wstring path = Widen(file);
    const std::wstring next = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".new";
    DeleteFileW(next.c_str());  // left by a save cut off in an earlier process of this number
    if (!CopyFileW(path.c_str(), next.c_str(), FALSE) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return false;
    const bool spelled = std::all_of(values.begin(), values.end(), [](const SettingsValue& value) {
        return AnsiCodePageSpells(value.value.value_or(""));
    });
    bool written = spelled || MakeUnicodeProfile(next);
    for (const SettingsValue& value : values) {
        const std::wstring key = Widen(value.key);
        const std::wstring text = Widen(value.value.value_or(""));
        const bool done =
            writer(Widen(value.section).c_str(), value.key.empty() ? nullptr : key.c_str(),
                   value.value ? text.c_str() : nullptr, next.c_str()) != FALSE;
        written = written && (done || !value.value);  // taking out what is not there fails
    }
    writer(nullptr, nullptr, nullptr, next.c_str());  // lets go of the profile cache's copy
    if (written && Flush(next) &&
        MoveFileExW(next.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(next.c_str());
    return false;
}

bool SettingsFile::WriteString(const char* section, const char* key,
                               const std::string& value) const {
    return Write({{section, key, value}});
}

bool SettingsFile::WriteInt(const char* section, const char* key, int value) const {
    return WriteString(section, key, std::to_string(value));
}

void SettingsFile::RemoveLeftovers() const {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    for (const std::string* file : {&filePath, &fallbackPath}) {
        if (file->empty())
            continue;
        const std::wstring path = Widen(*file);
        const std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
        WIN32_FIND_DATAW found{};
        const UniqueFind find(FindFirstFileW((path + L".*.new").c_str(), &found));
        for (bool more = static_cast<bool>(find); more; more = FindNextFileW(find.get(), &found)) {
            if (Ticks(found.ftLastWriteTime) + kLeftoverAge < Ticks(now))
                DeleteFileW((folder + found.cFileName).c_str());
        }
    }
}
