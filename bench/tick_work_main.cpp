// One tick's platform-free work, repeated, for counting instructions under callgrind, as the
// clock's face does it for a right-docked clock: the glyph layout, the cells that changed given
// back the turned background and composed anew upright and turned into place, and the shape's
// bands of the whole turned face. Every tick takes the next second's time.
// Usage: tick_work <skin folder> <ticks>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "face/face_glyphs.h"
#include "bench/bmp24_reader.h"
#include "image/region_runs.h"
#include "skin/skin_files.h"

namespace {

std::string TimeText(long second) {
    char text[16];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", second / 3600 % 24, second / 60 % 60,
                  second % 60);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tick_work <skin folder> <ticks>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const long ticks = std::atol(argv[2]);
    // The clock's own path helpers join with a backslash; here the files are read natively.
    SkinConfig config;
    config.LoadFile(folder + "/config.ini");
    const SkinValues settings = ReadSkinValues(config);
    const ColorValue key = MakeColorValue(settings.red, settings.green, settings.blue);
    const std::optional<HostImage> background =
        ReadBmp24(folder + "/" + settings.background + ".bmp");
    if (!background) {
        std::fprintf(stderr, "cannot read the background of %s\n", folder.c_str());
        return 2;
    }
    std::array<HostImage, kGlyphCount> glyphs;
    std::array<Size, kGlyphCount> sizes{};
    for (int i = 0; i < kGlyphCount; ++i) {
        if (std::optional<HostImage> glyph = ReadBmp24(folder + "/" + GlyphBaseName(i) + ".bmp"))
            glyphs[i] = std::move(*glyph);
        sizes[i] = {glyphs[i].width, glyphs[i].height};
    }

    const Size frame{background->width, background->height};
    GlyphSpans spans;
    for (int i = 0; i < kGlyphCount; ++i)
        spans[i] = std::as_const(glyphs[i]).Span();
    HostImage turned{frame.height, frame.width, background->pixels};
    TurnQuarter(background->Span(), turned.Span(), 90);
    std::vector<std::uint32_t> scratch;
    TransformedCells cells(turned.Span(), background->Span(), 90, 1, scratch);
    std::vector<GlyphPlacement> shown;
    constexpr long kFirstSecond = 12 * 3600 + 34 * 60 + 56;
    size_t rects = 0;
    for (long tick = 0; tick < ticks; ++tick) {
        std::vector<GlyphPlacement> wanted =
            LayoutGlyphs(TimeText(kFirstSecond + tick), frame, sizes);
        RestampGlyphs(cells, frame, spans, shown, wanted);
        shown = std::move(wanted);
        for (const RegionBand& band : KeyedRegionBands(std::as_const(turned).Span(), key))
            rects += band.runs.size();
    }
    std::printf("%ld ticks, %zu rectangles in all\n", ticks, rects);
    return 0;
}
