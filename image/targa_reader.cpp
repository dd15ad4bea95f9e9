#include "image/targa_reader.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <vector>

#include "image/file_bytes.h"
#include "image/image_limits.h"
#include "image/pixel_image.h"
#include "image/targa_decoder.h"
#include "win/unique_handle.h"

namespace {

bool SkipTo(HANDLE file, std::uint64_t offset) {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, to, nullptr, FILE_BEGIN) != FALSE;
}

}  // namespace

ImageLoad TargaReader::Read(PixelImage& image, const std::string& path) {
    const UniqueFile file = OpenForReading(path);
    if (!file)
        return TargaError::CouldNotOpen;

    const TargaHeader header = ParseTargaHeader(ReadUpTo(file.get(), kTargaHeaderSize));
    if (const TargaError error = CheckTargaHeader(header); error != TargaError::None)
        return error;
    // An oversized image is refused before anything is allocated, and the image keeps its picture.
    if (header.width && header.height && !IsAcceptableImageSize(header.width, header.height))
        return TargaError::CouldNotCreateDib;
    if (!image.Create(header.width, header.height))
        return TargaError::CouldNotCreateDib;

    std::vector<std::uint8_t> pixelData;
    try {
        if (SkipTo(file.get(), TargaPixelOffset(header)))
            pixelData = ReadUpTo(file.get(), static_cast<std::size_t>(TargaPixelBytes(header)));
    } catch (const std::bad_alloc&) {
        image.Destroy();
        return TargaError::NotEnoughMemory;
    }
    DecodeTargaPixels(header, pixelData, image.Pixels().pixels);
    return {};
}
