#include "image/file_bytes.h"

#include <algorithm>

#include "win/wide_text.h"

UniqueFile OpenForReading(const std::string& path) {
    // Shared with everyone: an editor or a second clock may hold a skin file open meanwhile.
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    return UniqueFile(CreateFileW(Widen(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::vector<std::uint8_t> ReadUpTo(HANDLE file, std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    std::size_t have = 0;
    while (have < count) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - have, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + have, chunk, &got, nullptr) || got == 0)
            break;
        have += got;
    }
    bytes.resize(have);
    return bytes;
}
