#include "skin/skin_folders.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "skin/skin_files.h"
#include "win/unique_handle.h"
#include "win/wide_text.h"

namespace {

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// `name` inside `folder`, where "" is the working directory.
std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "\\" + name;
}

// The folders that hold skins, in the order they are searched; "" is the working directory.
std::vector<std::string> SkinPlaces(const std::string& programFolder) {
    return {"", programFolder, Join(programFolder, "skins")};
}

// A skin folder holds config.ini, as a file or (oddly, but it counts) as a folder.
bool HoldsConfig(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    return static_cast<bool>(
        UniqueFind(FindFirstFileW(Widen(SkinConfigPath(folder)).c_str(), &found)));
}

// Folder names as Windows compares them: without regard to case.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) {
                                                return std::tolower(static_cast<unsigned char>(x)) <
                                                       std::tolower(static_cast<unsigned char>(y));
                                            });
    }
};

// Adds the skin folders of `folder` ("" for the working directory) that `names` lacks.
void AddSkinsOf(const std::string& folder, std::set<std::string, CaseInsensitiveLess>& names) {
    WIN32_FIND_DATAW entry{};
    const UniqueFind search(FindFirstFileW(Widen(Join(folder, "*.*")).c_str(), &entry));
    if (!search)
        return;
    do {
        const std::string name = Narrow(entry.cFileName);
        // Only the names that the lookup takes: a folder such as "a..b" is never offered.
        if (name != "." && IsSkinName(name) &&
            (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HoldsConfig(Join(folder, name)))
            names.insert(name);
    } while (FindNextFileW(search.get(), &entry));
}

}  // namespace

std::optional<std::string> LocateSkin(const std::string& name, const std::string& programFolder) {
    if (!IsSkinName(name))
        return std::nullopt;
    std::vector<std::string> folders;
    for (const std::string& place : SkinPlaces(programFolder))
        folders.push_back(Join(place, name));
    // A skin folder of the name wins wherever it is, as the chooser offers only those. A folder
    // of the name without config.ini, which may still be a skin of defaults, comes next; a name
    // found nowhere is missed in the working directory, and the user is told so.
    for (bool (*found)(const std::string&) : {HoldsConfig, IsFolder}) {
        for (const std::string& folder : folders) {
            if (found(folder))
                return folder;
        }
    }
    return name;
}

std::vector<std::string> SkinNames(const std::string& programFolder) {
    std::set<std::string, CaseInsensitiveLess> names;
    for (const std::string& place : SkinPlaces(programFolder))
        AddSkinsOf(place, names);
    return {names.begin(), names.end()};
}
