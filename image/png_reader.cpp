#include "image/png_reader.h"

#include <wincodec.h>
#include <wrl/client.h>

#include "image/file_bytes.h"
#include "image/image_limits.h"
#include "image/pixel_image.h"
#include "image/png_header.h"
#include "image/wic_factory.h"
#include "win/wide_text.h"

using Microsoft::WRL::ComPtr;

namespace {

// Why the file may not be handed to the decoder, read from its header first.
PngError CheckPngHeader(const std::string& path) {
    const UniqueFile file = OpenForReading(path);
    if (!file)
        return PngError::CannotOpen;
    const std::optional<PngHeader> header = ReadPngHeader(ReadUpTo(file.get(), kPngHeaderBytes));
    if (!header)
        return PngError::NotPng;
    if (header->width == 0 || header->height == 0)
        return PngError::Empty;
    if (!IsAcceptableImageSize(header->width, header->height))
        return PngError::TooLarge;
    return PngError::None;
}

// The file's first frame converted to premultiplied BGRA, or null.
ComPtr<IWICBitmapSource> DecodePremultiplied(const std::string& path) {
    const ComPtr<IWICImagingFactory> factory = WicFactory();
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> converted;
    if (!factory ||
        FAILED(factory->CreateDecoderFromFilename(Widen(path).c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame.Get(), &converted)))
        return nullptr;
    return converted;
}

}  // namespace

ImageLoad PngReader::Read(PixelImage& image, const std::string& path) {
    // A file refused before decoding leaves the previous picture, as a refused BMP does.
    if (const PngError error = CheckPngHeader(path); error != PngError::None)
        return error;
    const ComPtr<IWICBitmapSource> source = DecodePremultiplied(path);
    UINT width = 0, height = 0;
    if (!source || FAILED(source->GetSize(&width, &height)) ||
        !IsAcceptableImageSize(width, height))
        return PngError::Undecodable;
    if (!image.Create(static_cast<int>(width), static_cast<int>(height)))
        return PngError::NoMemory;
    const UINT stride = width * 4;
    if (FAILED(source->CopyPixels(nullptr, stride, stride * height,
                                  reinterpret_cast<BYTE*>(image.Pixels().pixels)))) {
        image.Destroy();
        return PngError::Undecodable;
    }
    return {};
}
