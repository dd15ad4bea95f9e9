#include "image/pixel_ops.h"

#include <algorithm>
#include <cstddef>

namespace {

struct Clip {
    int count;
    int firstDestination;
    int firstSource;
};

// One axis of the keyed copy: `at` is where the source starts in the destination.
Clip ClipAxis(int at, int sourceLength, int destinationLength) {
    // 64-bit so that hostile sizes and positions cannot overflow.
    long long count = sourceLength;
    if (static_cast<long long>(at) + sourceLength >= destinationLength)
        count = static_cast<long long>(destinationLength) - at;
    if (at < 0) {
        count += at;
        // A positive count means at > -sourceLength, so negating it is safe.
        return count > 0 ? Clip{static_cast<int>(count), 0, -at} : Clip{0, 0, 0};
    }
    return {static_cast<int>(std::max(count, 0LL)), at, 0};
}

}  // namespace

void CopyKeyed(PixelSpan destination, ConstPixelSpan source, int x, int y, std::uint32_t key) {
    if (!destination.pixels || !source.pixels)
        return;
    const Clip columns = ClipAxis(x, source.width, destination.width);
    const Clip rows = ClipAxis(y, source.height, destination.height);
    if (columns.count <= 0 || rows.count <= 0)
        return;

    for (int r = 0; r < rows.count; ++r) {
        const std::uint32_t* from =
            source.pixels + static_cast<std::ptrdiff_t>(rows.firstSource + r) * source.width +
            columns.firstSource;
        std::uint32_t* to =
            destination.pixels +
            static_cast<std::ptrdiff_t>(rows.firstDestination + r) * destination.width +
            columns.firstDestination;
        for (int c = 0; c < columns.count; ++c) {
            if (from[c] != key)
                to[c] = from[c];
        }
    }
}

void CopyArea(PixelSpan destination, ConstPixelSpan source, Rect area) {
    if (!destination.pixels || !source.pixels)
        return;
    area = Intersection(area, {0, 0, destination.width, destination.height});
    area = Intersection(area, {0, 0, source.width, source.height});
    if (area.IsEmpty())
        return;
    for (int y = area.top; y < area.bottom; ++y) {
        std::copy_n(source.pixels + static_cast<std::ptrdiff_t>(y) * source.width + area.left,
                    area.Width(),
                    destination.pixels + static_cast<std::ptrdiff_t>(y) * destination.width +
                        area.left);
    }
}

void TurnQuarter(ConstPixelSpan source, PixelSpan destination, int angle) {
    TurnQuarter(source, destination, angle, {0, 0, source.width, source.height});
}

void TurnQuarter(ConstPixelSpan source, PixelSpan destination, int angle, Rect area) {
    const int w = source.width;
    const int h = source.height;
    // Destination is h wide: source (x, y) lands at (h - 1 - y, x) for 90, (y, w - 1 - x) for 270,
    // so each source row becomes a destination column, written downwards for 90 and upwards for
    // 270.
    const std::ptrdiff_t step = angle == 90 ? h : -static_cast<std::ptrdiff_t>(h);
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint32_t* row = source.pixels + static_cast<std::ptrdiff_t>(y) * w;
        std::ptrdiff_t at = angle == 90
                                ? static_cast<std::ptrdiff_t>(area.left) * h + h - 1 - y
                                : static_cast<std::ptrdiff_t>(w - 1 - area.left) * h + y;
        for (int x = area.left; x < area.right; ++x, at += step)
            destination.pixels[at] = row[x] & 0x00FFFFFFu;
    }
}

Rect TurnedArea(Rect area, Size source, int angle) {
    if (angle == 90)
        return {source.height - area.bottom, area.left, source.height - area.top, area.right};
    if (angle == 270)
        return {area.top, source.width - area.right, area.bottom, source.width - area.left};
    return area;
}
