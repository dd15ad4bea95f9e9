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

// Calls `blend(to, from)` for every destination pixel that `source` stamped at (x, y) covers.
template <class Blend>
void ForEachCovered(PixelSpan destination, ConstPixelSpan source, int x, int y, Blend blend) {
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
        for (int c = 0; c < columns.count; ++c)
            blend(to[c], from[c]);
    }
}

// value * (255 - alpha) / 255, rounded to the nearest, for value and alpha of 0 to 255.
constexpr std::uint32_t ScaleByRest(std::uint32_t value, std::uint32_t alpha) {
    const std::uint32_t product = value * (255 - alpha) + 128;
    return (product + (product >> 8)) >> 8;
}

}  // namespace

void CopyKeyed(PixelSpan destination, ConstPixelSpan source, int x, int y, std::uint32_t key) {
    ForEachCovered(destination, source, x, y, [key](std::uint32_t& to, std::uint32_t from) {
        if (ColorBits(from) != key)
            to = from;
    });
}

std::uint32_t Over(std::uint32_t source, std::uint32_t destination) {
    const std::uint32_t alpha = source >> 24;
    if (alpha == 255)
        return source;
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t byte =
            (source >> shift & 0xFFu) + ScaleByRest(destination >> shift & 0xFFu, alpha);
        result |= std::min<std::uint32_t>(byte, 255) << shift;
    }
    return result;
}

void CopyOver(PixelSpan destination, ConstPixelSpan source, int x, int y) {
    ForEachCovered(destination, source, x, y,
                   [](std::uint32_t& to, std::uint32_t from) { to = Over(from, to); });
}

void MakeKeyedOpaque(PixelSpan image) {
    constexpr std::uint32_t kSeeThrough = KeyPixel(255, 255, 255);
    const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(image.width) * image.height;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        std::uint32_t& pixel = image.pixels[i];
        pixel = ColorBits(pixel) == kSeeThrough ? 0 : pixel | 0xFF000000u;
    }
}

std::uint32_t Unpremultiplied(std::uint32_t pixel) {
    const std::uint32_t alpha = pixel >> 24;
    if (alpha == 0)
        return 0;
    std::uint32_t result = pixel & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t byte = ((pixel >> shift & 0xFFu) * 255 + alpha / 2) / alpha;
        result |= std::min<std::uint32_t>(byte, 255) << shift;
    }
    return result;
}

void CopyArea(PixelSpan destination, ConstPixelSpan source, Rect area, Point to) {
    if (!destination.pixels || !source.pixels)
        return;
    // Clipped to the source, then, moved to the destination, to the destination.
    area = Intersection(area, {0, 0, source.width, source.height});
    const Point shift{to.x - area.left, to.y - area.top};
    const Rect target = Intersection(
        {area.left + shift.x, area.top + shift.y, area.right + shift.x, area.bottom + shift.y},
        {0, 0, destination.width, destination.height});
    if (target.IsEmpty())
        return;
    for (int y = target.top; y < target.bottom; ++y) {
        std::copy_n(
            source.pixels + static_cast<std::ptrdiff_t>(y - shift.y) * source.width +
                (target.left - shift.x),
            target.Width(),
            destination.pixels + static_cast<std::ptrdiff_t>(y) * destination.width + target.left);
    }
}

void TurnQuarter(ConstPixelSpan source, PixelSpan destination, int angle) {
    TurnQuarter(source, {0, 0, source.width, source.height}, destination, {0, 0}, angle);
}

void TurnQuarter(ConstPixelSpan source, Rect area, PixelSpan destination, Point to, int angle) {
    const std::ptrdiff_t stride = destination.width;
    // Each source row becomes a destination column: for 90 the area's top row is the turned
    // picture's right column, written downwards; for 270 its left column, written upwards.
    const std::ptrdiff_t step = angle == 90 ? stride : -stride;
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint32_t* row = source.pixels + static_cast<std::ptrdiff_t>(y) * source.width;
        const int down = y - area.top;
        std::ptrdiff_t at = angle == 90 ? to.y * stride + to.x + area.Height() - 1 - down
                                        : (to.y + area.Width() - 1) * stride + to.x + down;
        for (int x = area.left; x < area.right; ++x, at += step)
            destination.pixels[at] = row[x] & 0x00FFFFFFu;
    }
}

void TurnAndZoom(ConstPixelSpan source, Rect area, PixelSpan destination, Point to, int angle,
                 int zoom, bool keepAlpha) {
    if (zoom == 1 && angle != 0 && !keepAlpha) {
        TurnQuarter(source, area, destination, to, angle);
        return;
    }
    const std::uint32_t keep = angle && !keepAlpha ? 0x00FFFFFFu : 0xFFFFFFFFu;
    const std::ptrdiff_t stride = destination.width;
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint32_t* row = source.pixels + static_cast<std::ptrdiff_t>(y) * source.width;
        const int down = y - area.top;
        for (int x = area.left; x < area.right; ++x) {
            const int across = x - area.left;
            // The pixel's place in the turned area, before the zoom.
            const int column = angle == 90    ? area.Height() - 1 - down
                               : angle == 270 ? down
                                              : across;
            const int line = angle == 90 ? across : angle == 270 ? area.Width() - 1 - across : down;
            std::uint32_t* block = destination.pixels +
                                   (static_cast<std::ptrdiff_t>(to.y) + line * zoom) * stride +
                                   to.x + column * zoom;
            for (int i = 0; i < zoom; ++i, block += stride)
                std::fill_n(block, zoom, row[x] & keep);
        }
    }
}

Rect TurnedArea(Rect area, Size source, int angle, int zoom) {
    Rect turned = area;
    if (angle == 90)
        turned = {source.height - area.bottom, area.left, source.height - area.top, area.right};
    if (angle == 270)
        turned = {area.top, source.width - area.right, area.bottom, source.width - area.left};
    return {turned.left * zoom, turned.top * zoom, turned.right * zoom, turned.bottom * zoom};
}
