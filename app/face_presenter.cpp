#include "app/face_presenter.h"

#include "win/window_dc.h"

void FacePresenter::TakeShape(NewShape shape, bool redraw) {
    // The window owns a region it accepted; one it refused is still ours to free.
    if (shape && SetWindowRgn(window, shape->get(), redraw))
        static_cast<void>(shape->release());
}

void FacePresenter::TakeFace(bool alpha) {
    alphaFace = alpha;
    if (alphaFace) {
        ShowWhole();
        return;
    }
    layered.Leave(window);
    TakeSeeThrough();  // the layer an alpha face had is gone
    InvalidateRect(window, nullptr, FALSE);
}

void FacePresenter::Show(const Rect& changed) {
    if (alphaFace) {
        layered.Show(window, face.Image(), changed, opacity);
        return;
    }
    // Drawn at once: an invalidation and a WM_PAINT would cost half a dozen round trips to the
    // window server a tick. What the window cannot show now, WM_PAINT draws later from the face.
    const WindowDc dc(window);
    IntersectClipRect(dc.get(), changed.left, changed.top, changed.right, changed.bottom);
    face.Image().Draw(dc.get(), 0, 0);
}

void FacePresenter::ShowWhole() {
    Show(Rect::At({}, {face.Image().Width(), face.Image().Height()}));
}

void FacePresenter::Paint(HDC dc) const {
    if (!layered.Shown())
        face.Image().Draw(dc, 0, 0);  // a face without memory for it draws nothing
}

void FacePresenter::SetSeeThrough(BYTE alpha, bool clickThrough) {
    opacity = alpha;
    passesClicks = clickThrough;
    TakeSeeThrough();
}

// A solid key-colour window that takes the mouse stays an ordinary window: a layered one costs
// the window system a copy of it.
void FacePresenter::TakeSeeThrough() {
    const LONG_PTR was = GetWindowLongPtrA(window, GWL_EXSTYLE);
    LONG_PTR style = passesClicks ? was | WS_EX_TRANSPARENT : was & ~WS_EX_TRANSPARENT;
    if (layered.Shown()) {
        // An alpha face is layered already, and takes the opacity with the picture handed over.
        SetWindowLongPtrA(window, GWL_EXSTYLE, style);
        ShowWhole();
        return;
    }
    const bool layeredStyle = passesClicks || opacity < 255;
    style = layeredStyle ? style | WS_EX_LAYERED : style & ~WS_EX_LAYERED;
    if (style == was && !layeredStyle)
        return;
    SetWindowLongPtrA(window, GWL_EXSTYLE, style);
    if (layeredStyle)
        SetLayeredWindowAttributes(window, 0, opacity, LWA_ALPHA);
    InvalidateRect(window, nullptr, FALSE);
}
