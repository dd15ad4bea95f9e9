#include "settings/unicode_profile.h"

#include <windows.h>

#include "image/file_bytes.h"
#include "win/unique_handle.h"
#include "win/wide_text.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xFF\xFE";
// A settings file holds a few lines; anything near this size is no file of ours to convert.
constexpr LONGLONG kLargestProfile = 1 << 20;

}  // namespace

bool AnsiCodePageSpells(std::string_view text) {
    // A round trip rather than WideCharToMultiByte's flag for a default character: it also
    // catches a best-fit substitute ("a" written for "ā"), and works under a UTF-8 code page,
    // for which that flag is refused.
    const std::wstring wide = Widen(text);
    return Widen(Narrow(wide, CP_ACP), CP_ACP) == wide;
}

bool MakeUnicodeProfile(const std::wstring& path) {
    std::string text;
    if (const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        file) {
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestProfile)
            return false;
        const std::vector<std::uint8_t> bytes =
            ReadUpTo(file.get(), static_cast<std::size_t>(size.QuadPart));
        if (bytes.size() != static_cast<std::size_t>(size.QuadPart))
            return false;
        text.assign(bytes.begin(), bytes.end());
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;
    }
    if (text.starts_with(kByteOrderMark))
        return true;
    const std::wstring unicode = L'\xFEFF' + Widen(text, CP_ACP);
    const UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD size = static_cast<DWORD>(unicode.size() * sizeof(wchar_t));
    DWORD written = 0;
    return file && WriteFile(file.get(), unicode.data(), size, &written, nullptr) &&
           written == size;
}
