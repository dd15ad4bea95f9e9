// Loading a PixelImage from a file: Targa through the program's own reader, PNG through the
// Windows Imaging Component, everything else through the platform's bitmap loader.

#include <vector>

#include "image/bmp_header.h"
#include "image/file_bytes.h"
#include "image/image_limits.h"
#include "image/pixel_image.h"
#include "image/png_header.h"
#include "image/png_reader.h"
#include "image/targa_decoder.h"
#include "image/targa_reader.h"
#include "win/wide_text.h"

ImageLoad PixelImage::Load(const std::string& path) {
    if (IsTargaPath(path))
        return TargaReader().Read(*this, path);
    if (IsPngPath(path))
        return PngReader().Read(*this, path);
    return LoadBmp(path);
}

namespace {

// Why a file may not be handed to the platform's loader, read from the file first: the loader
// reads past the end of a cut-off file, and a hostile one could make it allocate gigabytes.
BmpError CheckBmpFile(const std::string& path) {
    const UniqueFile file = OpenForReading(path);
    LARGE_INTEGER fileSize{};
    if (!file || !GetFileSizeEx(file.get(), &fileSize))
        return BmpError::CannotOpen;
    const std::vector<std::uint8_t> start = ReadUpTo(file.get(), kBmpLayoutBytes);
    const std::optional<BmpDimensions> size = ReadBmpDimensions(start);
    if (!size)
        return BmpError::NotBmp;
    if (size->width <= 0 || size->height <= 0)
        return BmpError::Empty;
    if (!IsAcceptableImageSize(size->width, size->height))
        return BmpError::TooLarge;
    if (!IsCompleteBmp(start, static_cast<std::uint64_t>(fileSize.QuadPart)))
        return BmpError::Incomplete;
    return BmpError::None;
}

}  // namespace

ImageLoad PixelImage::LoadBmp(const std::string& path) {
    // A file refused here is like one that cannot be read: the previous picture stays.
    if (const BmpError error = CheckBmpFile(path); error != BmpError::None)
        return error;
    const UniqueBitmap loaded(static_cast<HBITMAP>(LoadImageW(
        nullptr, Widen(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    if (!loaded)
        return BmpError::Unreadable;

    BITMAP info{};
    GetObjectA(loaded.get(), sizeof info, &info);
    if (!Create(info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight))
        return BmpError::NoMemory;

    // The bitmap is selected into no device context, so GetDIBits may read it.
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    CopyFromBitmap(dc.get(), loaded.get());
    return {};
}
