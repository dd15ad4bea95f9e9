#pragma once
// How the face reaches the screen, decided once for each face fitted: a key-colour face is
// painted on a window cut to its shape, an alpha face is handed whole to a layered window, which
// needs no shape and gets no WM_PAINT. The opacity and whether clicks pass through show
// differently each way, so they are kept here too.

#include <windows.h>

#include "app/layered_face.h"
#include "app/shown_skin.h"
#include "base/geometry.h"
#include "face/clock_face.h"

class FacePresenter {
public:
    // Presents `face`, which stays where it is for the presenter's life.
    explicit FacePresenter(const ClockFace& face) : face(face) {}

    // The window the face is shown on, once it exists.
    void Attach(HWND shownOn) { window = shownOn; }
    // Hands the window a new shape, which the window owns once it accepts it. Without `redraw`
    // the caller shows whatever of the window the change uncovers.
    void TakeShape(NewShape shape, bool redraw);
    // A face fitted anew, shown whole: `alpha` decides how it reaches the screen from now on.
    void TakeFace(bool alpha);
    // Puts `changed` of the face on the screen.
    void Show(const Rect& changed);
    // Draws the face for WM_PAINT; a layered face needs nothing, the window system keeps it.
    void Paint(HDC dc) const;
    // Shows the window at `alpha` (0 to 255) and lets clicks through it or not.
    void SetSeeThrough(BYTE alpha, bool clickThrough);

private:
    void ShowWhole();
    void TakeSeeThrough();

    HWND window = nullptr;  // not owned
    const ClockFace& face;
    LayeredFace layered;
    bool alphaFace = false;
    BYTE opacity = 255;
    bool passesClicks = false;
};
