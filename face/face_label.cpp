#include "face/face_label.h"

#include <algorithm>
#include <cstdlib>

LabelPlan PlanLabel(Size background, std::optional<Rect> skinArea, int stripHeight) {
    if (skinArea && !skinArea->IsEmpty() && Rect::At({}, background).Covers(*skinArea))
        return {background, *skinArea, false};
    return {{background.width, background.height + stripHeight},
            Rect::At({0, background.height}, {background.width, stripHeight}),
            true};
}

ColorValue AverageColour(ConstPixelSpan picture, std::optional<std::uint32_t> key) {
    // A keyed picture's pixels weigh alike; a premultiplied colour is its colour times its
    // opacity already, so its sum over the opacities' sum is the weighed average.
    std::uint64_t sums[3] = {}, weights = 0;
    const std::int64_t count = static_cast<std::int64_t>(picture.width) * picture.height;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::uint32_t pixel = picture.pixels[i];
        if (key && ColorBits(pixel) == *key)
            continue;
        for (int channel = 0; channel < 3; ++channel)
            sums[channel] += (pixel >> (8 * channel) & 0xFFu) * 255;
        weights += key ? 255 : pixel >> 24;
    }
    if (weights == 0)
        return MakeColorValue(0, 0, 0);
    const auto mean = [&](int channel) {
        return static_cast<int>(std::min<std::uint64_t>(sums[channel] / weights, 255));
    };
    return MakeColorValue(mean(2), mean(1), mean(0));
}

namespace {

// The eye weighs green most and blue least.
int Lightness(ColorValue colour) {
    return (299 * static_cast<int>(colour & 0xFF) + 587 * static_cast<int>(colour >> 8 & 0xFF) +
            114 * static_cast<int>(colour >> 16 & 0xFF)) /
           1000;
}

}  // namespace

ColorValue ReadableColour(ColorValue wanted, ColorValue under) {
    constexpr int kLeastDifference = 64;
    if (std::abs(Lightness(wanted) - Lightness(under)) >= kLeastDifference)
        return wanted;
    return Lightness(under) >= 128 ? MakeColorValue(0, 0, 0) : MakeColorValue(255, 255, 255);
}

void LayCoverage(PixelSpan image, const Rect& area, std::span<const std::uint8_t> coverage,
                 ColorValue colour) {
    const Rect clipped = Intersection(area, Rect::At({}, {image.width, image.height}));
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        for (int x = clipped.left; x < clipped.right; ++x) {
            const std::size_t at = static_cast<std::size_t>(y - area.top) * area.Width() +
                                   static_cast<std::size_t>(x - area.left);
            if (at >= coverage.size() || coverage[at] == 0)
                continue;
            const std::uint32_t cover = coverage[at];
            // The colour premultiplied by its coverage, laid over what is there.
            std::uint32_t text = cover << 24;
            for (int channel = 0; channel < 3; ++channel)
                text |= ((PixelOfColor(colour, 0) >> (8 * channel) & 0xFFu) * cover + 127) / 255
                        << (8 * channel);
            std::uint32_t& pixel = image.pixels[static_cast<std::size_t>(y) * image.width + x];
            pixel = Over(text, pixel);
        }
    }
}
