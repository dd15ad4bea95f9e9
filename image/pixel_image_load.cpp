// Loading a PixelImage from a file: Targa through the program's own reader, everything else
// through the platform's bitmap loader.

#include <vector>

#include "image/bmp_header.h"
#include "image/file_bytes.h"
#include "image/image_limits.h"
#include "image/pixel_image.h"
#include "image/targa_decoder.h"
#include "image/targa_reader.h"

bool PixelImage::Load(const std::string& path) {
    if (IsTargaPath(path))
        return TargaReader().Read(*this, path);
    return LoadBmp(path);
}

namespace {

// Whether a file is a complete BMP of a size the clock is willing to allocate, read before the
// platform's loader sees it: the loader reads past the end of a cut-off file.
bool IsLoadableBmp(const std::string& path) {
    const UniqueFile file = OpenForReading(path);
    LARGE_INTEGER fileSize{};
    if (!file || !GetFileSizeEx(file.get(), &fileSize))
        return false;
    const std::vector<std::uint8_t> start = ReadUpTo(file.get(), kBmpLayoutBytes);
    const std::optional<BmpDimensions> size = ReadBmpDimensions(start);
    return size && IsAcceptableImageSize(size->width, size->height) &&
           IsCompleteBmp(start, static_cast<std::uint64_t>(fileSize.QuadPart));
}

}  // namespace

bool PixelImage::LoadBmp(const std::string& path) {
    if (!IsLoadableBmp(path))
        return false;  // like a file that cannot be read: the previous picture stays
    const UniqueBitmap loaded(static_cast<HBITMAP>(LoadImageA(
        nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    if (!loaded)
        return false;  // the previous picture stays

    BITMAP info{};
    GetObjectA(loaded.get(), sizeof info, &info);
    if (!Create(info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight))
        return false;

    // The bitmap is selected into no device context, so GetDIBits may read it.
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    CopyFromBitmap(dc.get(), loaded.get());
    return true;
}
