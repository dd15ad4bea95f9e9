// Times the clock's shape builder and paint work against plain references in the same run and
// prints, for every case, the reference time, the Zentrix time, their ratio and whether both
// gave the same result. Usage: zentrix_bench [--short] <skins folder>; --short runs every case
// once, to show that the benchmark works, not to time it.
//
// A second table splits each paint into its steps, to show where the time goes, a third shows
// what new pixel memory costs on the machine, which the reference pays for every image it makes,
// and a fourth times the alpha skin glass's tick against composing its whole face every tick.

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "face/clock_face.h"
#include "skin/skin.h"
#include "bench/median_timer.h"
#include "bench/paint_tick.h"
#include "bench/reference_region.h"
#include "bench/reference_rotate.h"
#include "bench/reference_tick.h"
#include "bench/synthetic_images.h"

namespace {

constexpr std::string_view kTime = "12:34:56";

// The time of the n-th tick from kTime on, a second apart, as the clock shows them: most ticks
// change the last digit alone, every tenth the last two, and so on.
const std::string& TickTime(int n) {
    static const std::vector<std::string> hour = [] {
        std::vector<std::string> texts;
        for (int second = 0; second < 3600; ++second) {
            char text[16];
            const int at = 12 * 3600 + 34 * 60 + 56 + second;
            std::snprintf(text, sizeof text, "%02d:%02d:%02d", at / 3600 % 24, at / 60 % 60,
                          at % 60);
            texts.push_back(text);
        }
        return texts;
    }();
    return hour[static_cast<size_t>(n) % hour.size()];
}
constexpr unsigned kNoiseSeed = 20240613;

struct Row {
    std::string name;
    double reference;  // seconds a run
    double zentrix;
    std::optional<bool> same;  // nothing where the two columns are not meant to agree
};

void Nothing() {}

Row TimeRegion(const std::string& name, const PixelImage& image, ColorValue key) {
    UniqueRegion reference, fast;
    const double referenceTime =
        MedianSeconds(Nothing, [&] { reference = RunByRunRegion(image, key); });
    const double fastTime = MedianSeconds(Nothing, [&] { fast = image.CreateRegion(key); });
    return {name, referenceTime, fastTime, EqualRgn(reference.get(), fast.get()) != 0};
}

// Successive seconds, as the window ticks; the results are compared at the last of them.
Row TimeTick(const std::string& name, const Skin& skin, DockMode mode, int zoom = 1) {
    PixelImage referenceFace;
    ClockFace kept;
    kept.Show(skin.background, skin.glyphs, mode, zoom);
    TickResult reference, fast;
    int referenceTicks = 0, ticks = 0;
    const double referenceTime = MedianSeconds(Nothing, [&] {
        ReferenceTick(skin, TickTime(referenceTicks++), mode, zoom, referenceFace, reference);
    });
    const double fastTime =
        MedianSeconds(Nothing, [&] { PaintTick(skin, TickTime(ticks++), kept, fast); });
    ReferenceTick(skin, TickTime(ticks - 1), mode, zoom, referenceFace, reference);
    return {name, referenceTime, fastTime, SameTick(reference, fast)};
}

// The steps of one paint timed apart: compose, then the turn for a side edge, then the shape
// when the skin's shape follows its face. The clock composes successive seconds on a kept face,
// as the window does, and then each later step starts from both builders' faces at kTime; the
// clock's turn is timed for the whole face, as after a change of skin or dock mode.
void TimeTickSteps(const std::string& name, const Skin& skin, DockMode mode,
                   std::vector<Row>& rows) {
    PixelImage reference;
    ClockFace kept;
    kept.Show(skin.background, skin.glyphs, DockTop);
    int ticks = 0;
    const double referenceTime =
        MedianSeconds(Nothing, [&] { ComposeUnturned(skin, kTime, reference); });
    const double composeTime = MedianSeconds(Nothing, [&] { kept.Update(TickTime(ticks++)); });
    kept.Update(kTime);
    const PixelImage& upright = kept.Image();
    rows.push_back({name + " compose", referenceTime, composeTime, SamePixels(reference, upright)});

    if (const int angle = TurnFor(mode)) {
        PixelImage turned;
        turned.EnsureSize(upright.Height(), upright.Width());
        rows.push_back(
            {name + " turn",
             MedianSeconds([&] { ComposeUnturned(skin, kTime, reference); },
                           [&] { RotateByPixels(reference, angle); }),
             MedianSeconds(Nothing, [&] { TurnQuarter(upright.Pixels(), turned.Pixels(), angle); }),
             SamePixels(reference, turned)});
    }
    if (skin.values.ShapeFollowsFace()) {
        kept.Show(skin.background, skin.glyphs, mode);
        kept.Update(kTime);
        const PixelImage& finished = kept.Image();
        UniqueRegion referenceShape, fastShape;
        rows.push_back(
            {name + " shape",
             MedianSeconds(
                 Nothing,
                 [&] { referenceShape = RunByRunRegion(finished, skin.values.KeyColor()); }),
             MedianSeconds(Nothing,
                           [&] { fastShape = finished.CreateRegion(skin.values.KeyColor()); }),
             EqualRgn(referenceShape.get(), fastShape.get()) != 0});
    }
}

// An alpha face's tick: the cells that changed laid over the kept face again, against the whole
// face composed anew every tick in the same image; both at the same successive seconds.
Row TimeAlphaTick(const std::string& name, const Skin& skin, DockMode mode, int zoom = 1) {
    ClockFace whole, kept;
    whole.Show(skin.background, skin.glyphs, mode, zoom, GlyphBlend::Over);
    kept.Show(skin.background, skin.glyphs, mode, zoom, GlyphBlend::Over);
    int wholeTicks = 0, ticks = 0;
    const double wholeTime = MedianSeconds(Nothing, [&] {
        whole.Reset();
        whole.Update(TickTime(wholeTicks++));
    });
    const double keptTime = MedianSeconds(Nothing, [&] { kept.Update(TickTime(ticks++)); });
    whole.Reset();
    whole.Update(TickTime(ticks - 1));
    return {name, wholeTime, keptTime, SamePixels(whole.Image(), kept.Image())};
}

std::string Duration(double seconds) {
    char text[32];
    if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
    else if (seconds < 1)
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

// Prints the rows as a Markdown table; returns whether every row gave the same result.
bool PrintTable(const char* title, const std::vector<Row>& rows, const char* first = "reference",
                const char* second = "Zentrix") {
    std::printf("\n%s\n\n| %-40s | %12s | %12s | %8s | %-4s |\n", title, "case", first, second,
                "ratio", "same");
    std::printf("|%s|--------------:|--------------:|---------:|------|\n",
                std::string(42, '-').c_str());
    bool allSame = true;
    for (const Row& row : rows) {
        std::printf("| %-40s | %12s | %12s | %7.1fx | %-4s |\n", row.name.c_str(),
                    Duration(row.reference).c_str(), Duration(row.zentrix).c_str(),
                    row.reference / row.zentrix,
                    !row.same   ? "-"
                    : *row.same ? "yes"
                                : "NO");
        allSame = allSame && row.same.value_or(true);
    }
    std::fflush(stdout);
    return allSame;
}

// What pixel memory costs on this system: a new image of the given size created, every pixel
// written once and the image freed, against the same writes into an image that already exists.
Row TimeNewPixels(int width, int height) {
    PixelImage existing;
    existing.Create(width, height);
    const auto fill = [](PixelImage& image) {
        std::fill_n(image.Pixels().pixels, static_cast<size_t>(image.Width()) * image.Height(),
                    0x00123456u);
    };
    const double fresh = MedianSeconds(Nothing, [&] {
        PixelImage image;
        image.Create(width, height);
        fill(image);
    });
    const double reused = MedianSeconds(Nothing, [&] { fill(existing); });
    return {"new " + std::to_string(width) + "x" + std::to_string(height) +
                " image, every pixel written",
            fresh, reused, std::nullopt};
}

std::string SizeText(const PixelImage& image) {
    return std::to_string(image.Width()) + "x" + std::to_string(image.Height());
}

}  // namespace

int main(int argc, char** argv) {
    const bool isShort = argc == 3 && std::string_view(argv[1]) == "--short";
    if (argc != 2 && !isShort) {
        std::fprintf(stderr, "usage: zentrix_bench [--short] <skins folder>\n");
        return 2;
    }
    if (isShort)
        SetShortRuns();
    const std::string skinsFolder = argv[argc - 1];
    struct NamedSkin {
        std::string name;
        Skin skin;
    };
    std::vector<NamedSkin> skins;
    for (const char* name : {"back2", "neon", "sidebar"}) {
        skins.push_back({name, {}});
        skins.back().skin = LoadSkinFolder(skinsFolder + "\\" + name);
        if (!skins.back().skin.HasBackground()) {
            std::fprintf(stderr, "cannot load skin %s from %s\n", name, skinsFolder.c_str());
            return 2;
        }
    }
    skins.push_back({"holed", {}});
    MakeHoledFaceSkin(skins.back().skin);

    std::vector<Row> rows;
    for (const NamedSkin& named : skins) {
        ClockFace clockFace;
        clockFace.Show(named.skin.background, named.skin.glyphs, DockTop);
        clockFace.Update(kTime);
        const PixelImage& face = clockFace.Image();
        rows.push_back(TimeRegion("region " + named.name + " face " + SizeText(face), face,
                                  named.skin.values.KeyColor()));
    }
    const ColorValue magenta = MakeColorValue(255, 0, 255);
    const PixelImage noise = NoiseImage(512, 256, magenta, kNoiseSeed);
    rows.push_back(TimeRegion("region 512x256, a third keyed at random", noise, magenta));
    const PixelImage wide = FullWidthBackground(magenta);
    rows.push_back(TimeRegion("region 1920x200 full-width skin", wide, magenta));

    std::vector<Row> steps;
    for (const NamedSkin& named : skins) {
        for (const DockMode mode : {DockTop, DockRight}) {
            const std::string name =
                "tick " + named.name + (mode == DockTop ? " DockTop" : " DockRight");
            rows.push_back(TimeTick(name, named.skin, mode));
            TimeTickSteps(name, named.skin, mode, steps);
        }
        // As on a screen at 200%: every pixel of the face a 2 x 2 block.
        rows.push_back(TimeTick("tick " + named.name + " DockRight 2x", named.skin, DockRight, 2));
    }

    const Skin glass = LoadSkinFolder(skinsFolder + "\\glass");
    std::vector<Row> alphaTicks;
    for (const DockMode mode : {DockTop, DockRight})
        alphaTicks.push_back(TimeAlphaTick(
            std::string("tick glass ") + (mode == DockTop ? "DockTop" : "DockRight"), glass, mode));
    alphaTicks.push_back(TimeAlphaTick("tick glass DockRight 2x", glass, DockRight, 2));

    std::vector<Row> memory;
    for (const NamedSkin& named : skins)
        memory.push_back(
            TimeNewPixels(named.skin.background.Width(), named.skin.background.Height()));

    std::printf("%s at %s.\n",
                isShort ? "A short run: one run a case"
                        : "Median time a run; every case repeated for at least 0.5 s and 3 runs",
                std::string(kTime).c_str());
    const bool same = PrintTable("Zentrix against the references", rows);
    const bool stepsSame = PrintTable("Paint ticks by step", steps);
    PrintTable("Pixel memory: a new image against an existing one", memory, "new image",
               "existing");
    const bool alphaSame = PrintTable("Alpha ticks: the whole face against the changed cells",
                                      alphaTicks, "whole face", "changed cells");
    return same && stepsSame && alphaSame && glass.alpha ? 0 : 1;
}
