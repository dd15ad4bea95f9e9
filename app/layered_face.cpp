#include "app/layered_face.h"

bool LayeredFace::Show(HWND window, const PixelImage& face, const Rect& changed,
                       BYTE constantAlpha) {
    if (face.IsEmpty())
        return false;
    if (!layered) {
        // A window once given SetLayeredWindowAttributes refuses UpdateLayeredWindow until the
        // style is taken off and put on again, so it is always put on afresh.
        const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
        SetWindowLongPtrA(window, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
        SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
        layered = true;
    }
    if (!memory)
        memory.reset(CreateCompatibleDC(nullptr));
    const ScopedSelect select(memory.get(), face.Bitmap());
    // Given a size, Wine moves and sizes the window anew on every update, a round trip to the
    // window server and the X server each; the size goes along only when it changes.
    SIZE size{face.Width(), face.Height()};
    const bool resized = size.cx != shownSize.cx || size.cy != shownSize.cy;
    shownSize = size;
    POINT origin{0, 0};
    const RECT dirty{changed.left, changed.top, changed.right, changed.bottom};
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, constantAlpha, AC_SRC_ALPHA};
    UPDATELAYEREDWINDOWINFO info{sizeof info,  nullptr, nullptr, resized ? &size : nullptr,
                                 memory.get(), &origin, 0,       &blend,
                                 ULW_ALPHA,    &dirty};
    return UpdateLayeredWindowIndirect(window, &info) != FALSE;
}

void LayeredFace::Leave(HWND window) {
    if (!layered)
        return;
    SetWindowLongPtrA(window, GWL_EXSTYLE, GetWindowLongPtrA(window, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    layered = false;
    shownSize = {};
}
