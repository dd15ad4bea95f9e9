#pragma once
// The Windows Imaging Component's factory, through which PNG pictures are read and written.

#include <wincodec.h>
#include <wrl/client.h>

// A factory for the calling thread, or null. The thread enters a COM apartment the first time it
// asks, and stays in it until it ends: a program that never reads a PNG picture never starts COM,
// which under Wine may wait seconds for a service that is not running.
Microsoft::WRL::ComPtr<IWICImagingFactory> WicFactory();
