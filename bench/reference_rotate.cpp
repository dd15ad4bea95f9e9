#include "bench/reference_rotate.h"

void TurnByPixels(const PixelImage& source, PixelImage& target, int angle) {
    const int w = source.Width();
    const int h = source.Height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (angle == 90)
                target.SetColorAt(h - 1 - y, x, source.ColorAt(x, y));
            else
                target.SetColorAt(y, w - 1 - x, source.ColorAt(x, y));
        }
    }
}

void RotateByPixels(PixelImage& image, int angle) {
    if ((angle != 90 && angle != 270) || image.IsEmpty())
        return;
    PixelImage turned;
    if (!turned.Create(image.Height(), image.Width()))
        return;
    TurnByPixels(image, turned, angle);
    if (image.Create(turned.Width(), turned.Height()))
        image.CopyFrom(turned);
}

void ZoomByPixels(PixelImage& image, int zoom) {
    if (zoom == 1 || image.IsEmpty())
        return;
    PixelImage zoomed;
    if (!zoomed.Create(image.Width() * zoom, image.Height() * zoom))
        return;
    for (int y = 0; y < zoomed.Height(); ++y)
        for (int x = 0; x < zoomed.Width(); ++x)
            zoomed.SetColorAt(x, y, image.ColorAt(x / zoom, y / zoom));
    if (image.Create(zoomed.Width(), zoomed.Height()))
        image.CopyFrom(zoomed);
}
