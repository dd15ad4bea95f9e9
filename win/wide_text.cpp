#include "win/wide_text.h"

std::wstring Widen(std::string_view text, UINT codePage) {
    const int length = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(std::wstring_view text, UINT codePage) {
    const int length = static_cast<int>(text.size());
    std::string narrow(
        WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}
