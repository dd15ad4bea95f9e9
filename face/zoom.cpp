#include "face/zoom.h"

#include <cstdint>

#include "image/image_limits.h"

int FaceZoom(int chosen, int dpi, Size size) {
    int zoom = chosen >= 1 && chosen <= kMaxZoom ? chosen : AutomaticZoom(dpi);
    const std::int64_t pixels = std::int64_t{size.width} * size.height;
    while (zoom > 1 && pixels * zoom * zoom > kMaxImagePixels)
        --zoom;
    return zoom;
}
