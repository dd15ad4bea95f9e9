#include "bench/reference_region.h"

UniqueRegion RunByRunRegion(const PixelImage& image, ColorValue key) {
    UniqueRegion result(CreateRectRgn(0, 0, 0, 0));
    for (int y = 0; y < image.Height(); ++y) {
        int start = -1;
        for (int x = 0; x <= image.Width(); ++x) {
            const bool ink = x < image.Width() && image.ColorAt(x, y) != key;
            if (ink && start < 0)
                start = x;
            if (!ink && start >= 0) {
                const UniqueRegion run(CreateRectRgn(start, y, x, y + 1));
                CombineRgn(result.get(), result.get(), run.get(), RGN_OR);
                start = -1;
            }
        }
    }
    return result;
}
