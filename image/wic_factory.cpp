#include "image/wic_factory.h"

#include "win/com_apartment.h"

Microsoft::WRL::ComPtr<IWICImagingFactory> WicFactory() {
    thread_local const ComApartment apartment;
    Microsoft::WRL::ComPtr<IWICImagingFactory> factory;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                     IID_PPV_ARGS(&factory));
    return factory;
}
