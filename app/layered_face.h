#pragma once
// An alpha face on the screen: the window layered and handed the face's premultiplied pixels
// whole through UpdateLayeredWindow, which the window system then composes over whatever lies
// below. Such a window gets no WM_PAINT and needs no shape: where the face's alpha is 0 the
// window is not there, for the eye and for the mouse alike.

#include <windows.h>

#include "base/geometry.h"
#include "image/pixel_image.h"
#include "win/unique_handle.h"

class LayeredFace {
public:
    // Makes `window` layered if it is not yet and shows `face` on it, every pixel's alpha times
    // `constantAlpha` / 255, where the window stands; only `changed` (in the face's coordinates)
    // needs to be new. False when the window system refuses it.
    bool Show(HWND window, const PixelImage& face, const Rect& changed, BYTE constantAlpha);
    // Gives the window its ordinary painting back, if Show made it layered; it shows nothing
    // until it paints.
    void Leave(HWND window);
    bool Shown() const { return layered; }

private:
    UniqueDc memory;  // where the face's bitmap is selected for the window system to read
    bool layered = false;
    SIZE shownSize{};  // of the face the window shows
};
