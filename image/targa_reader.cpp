#include "image/targa_reader.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <vector>

#include "image/pixel_image.h"
#include "image/targa_decoder.h"
#include "win/application.h"
#include "win/unique_handle.h"

namespace {

// Reads up to `count` bytes; a read error ends the reading like the end of the file.
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

bool SkipTo(HANDLE file, std::uint64_t offset) {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, to, nullptr, FILE_BEGIN) != FALSE;
}

bool Refuse(TargaError error) {
    Application::Current()->ShowMessage(TargaMessage(error));
    return false;
}

}  // namespace

bool TargaReader::Read(PixelImage& image, const std::string& path) {
    const UniqueFile file(ValidOrNull(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr,
                                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file)
        return Refuse(TargaError::CouldNotOpen);

    const TargaHeader header = ParseTargaHeader(ReadUpTo(file.get(), kTargaHeaderSize));
    if (const TargaError error = CheckTargaHeader(header); error != TargaError::None)
        return Refuse(error);
    if (!image.Create(header.width, header.height))
        return Refuse(TargaError::CouldNotCreateDib);

    std::vector<std::uint8_t> pixelData;
    try {
        if (SkipTo(file.get(), TargaPixelOffset(header)))
            pixelData = ReadUpTo(file.get(), static_cast<std::size_t>(TargaPixelBytes(header)));
    } catch (const std::bad_alloc&) {
        image.Destroy();
        return Refuse(TargaError::NotEnoughMemory);
    }
    DecodeTargaPixels(header, pixelData, image.Pixels().pixels);
    return true;
}
