#include "shell/start_with_windows.h"

#include <windows.h>

#include <algorithm>

#include "model/program_command.h"
#include "win/unique_handle.h"
#include "win/wide_text.h"

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kValueName[] = L"Zentrix";
// Where Task Manager and the Settings app keep, under the same name, whether the user lets
// Windows start the program: a binary value whose first byte is odd when the user does not.
constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

UniqueKey OpenRunKey(REGSAM access) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, access, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return UniqueKey();
    return UniqueKey(opened);
}

bool DisabledByUser() {
    BYTE approval[64] = {};
    DWORD size = sizeof approval;
    return RegGetValueW(HKEY_CURRENT_USER, kApprovedKey, kValueName, RRF_RT_REG_BINARY, nullptr,
                        approval, &size) == ERROR_SUCCESS &&
           size > 0 && (approval[0] & 1) != 0;
}

// Without the user's mark Windows starts what the list holds.
bool ClearDisabledByUser() {
    const LONG deleted = RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedKey, kValueName);
    return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

}  // namespace

bool StartsWithWindows(const std::string& program) {
    const UniqueKey key = OpenRunKey(KEY_QUERY_VALUE);
    DWORD type = 0;
    DWORD size = 0;
    if (!key ||
        RegQueryValueExW(key.get(), kValueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    std::wstring command(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.get(), kValueName, nullptr, nullptr,
                         reinterpret_cast<BYTE*>(command.data()), &size) != ERROR_SUCCESS)
        return false;
    command.resize(std::min<size_t>(size / sizeof(wchar_t), command.find(L'\0')));
    return StartsProgram(Narrow(command), program) && !DisabledByUser();
}

bool SetStartsWithWindows(const std::string& program, bool on) {
    const UniqueKey key = OpenRunKey(KEY_SET_VALUE | KEY_QUERY_VALUE);
    if (!key)
        return false;
    if (!on) {
        const LONG deleted = RegDeleteValueW(key.get(), kValueName);
        return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
    }
    const std::wstring command = Widen(QuotedCommand(program));
    return RegSetValueExW(
               key.get(), kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
               static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS &&
           ClearDisabledByUser();
}
