// Loading a PixelImage from a file: Targa through the program's own reader, everything else
// through the platform's bitmap loader.

#include "image/pixel_image.h"
#include "image/targa_decoder.h"
#include "image/targa_reader.h"

bool PixelImage::Load(const std::string& path) {
    if (IsTargaPath(path))
        return TargaReader().Read(*this, path);
    return LoadBmp(path);
}

bool PixelImage::LoadBmp(const std::string& path) {
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
