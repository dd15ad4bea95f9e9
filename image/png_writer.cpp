#include "image/png_writer.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "image/wic_factory.h"
#include "win/wide_text.h"

using Microsoft::WRL::ComPtr;

bool WritePng(ConstPixelSpan image, const std::string& path) {
    std::vector<std::uint32_t> straight(static_cast<size_t>(image.width) * image.height);
    std::transform(image.pixels, image.pixels + straight.size(), straight.begin(), Unpremultiplied);
    const ComPtr<IWICImagingFactory> factory = WicFactory();
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    const UINT stride = static_cast<UINT>(image.width) * 4;
    return factory && SUCCEEDED(factory->CreateStream(&stream)) &&
           SUCCEEDED(stream->InitializeFromFilename(Widen(path).c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
           SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(
               frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height))) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) && format == GUID_WICPixelFormat32bppBGRA &&
           SUCCEEDED(frame->WritePixels(static_cast<UINT>(image.height), stride,
                                        stride * static_cast<UINT>(image.height),
                                        reinterpret_cast<BYTE*>(straight.data()))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}
