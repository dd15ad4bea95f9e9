#include "app/start_with_windows.h"

#include <windows.h>

#include <algorithm>

#include "app/program_command.h"
#include "win/unique_handle.h"

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kValueName[] = "Zentrix";

UniqueKey OpenRunKey(REGSAM access) {
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, access, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return UniqueKey();
    return UniqueKey(opened);
}

}  // namespace

bool StartsWithWindows(const std::string& program) {
    const UniqueKey key = OpenRunKey(KEY_QUERY_VALUE);
    DWORD type = 0;
    DWORD size = 0;
    if (!key ||
        RegQueryValueExA(key.get(), kValueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    std::string command(size, '\0');
    if (RegQueryValueExA(key.get(), kValueName, nullptr, nullptr,
                         reinterpret_cast<BYTE*>(command.data()), &size) != ERROR_SUCCESS)
        return false;
    command.resize(std::min<size_t>(size, command.find('\0')));
    return StartsProgram(command, program);
}

bool SetStartsWithWindows(const std::string& program, bool on) {
    const UniqueKey key = OpenRunKey(KEY_SET_VALUE | KEY_QUERY_VALUE);
    if (!key)
        return false;
    if (!on) {
        const LONG deleted = RegDeleteValueA(key.get(), kValueName);
        return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
    }
    const std::string command = QuotedCommand(program);
    return RegSetValueExA(key.get(), kValueName, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(command.c_str()),
                          static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
}
