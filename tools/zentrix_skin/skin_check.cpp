#include "tools/zentrix_skin/skin_check.h"

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <iterator>
#include <optional>
#include <variant>
#include <vector>

#include "face/face_layout.h"
#include "image/bmp_header.h"
#include "image/file_bytes.h"
#include "image/png_header.h"
#include "skin/skin.h"
#include "skin/skin_lint.h"
#include "skin/skin_metrics.h"
#include "skin/skin_sound.h"

namespace {

// The lines of the widest times with most skins, as the face's text and as the report names
// them: with seconds in 24 and 12 hours, and without seconds.
struct CheckedLine {
    std::string_view text;
    std::string_view name;
};
constexpr CheckedLine kWidestLines[] = {{"88:88:88", "\"88:88:88\""},
                                        {"88:88:88P", "12-hour \"88:88:88 PM\""},
                                        {"88:88", "\"88:88\" without seconds"}};

std::vector<std::uint8_t> FileStart(const std::string& path) {
    return ReadUpTo(OpenForReading(path).get(), std::max(kBmpHeaderBytes, kPngHeaderBytes));
}

bool FileExists(const std::string& path) {
    return static_cast<bool>(OpenForReading(path));
}

class Report {
public:
    explicit Report(std::ostream& out) : out(out) {}

    void Problem(const std::string& text) {
        out << "  problem: " << text << "\n";
        ++problems;
    }

    // One image's line: its size and depth, or why the clock cannot use it.
    void Image(const std::string& label, const std::string& path, const PixelImage& image,
               const ImageLoad& loaded) {
        out << "  " << label << ": ";
        if (!FileExists(path)) {
            out << "missing\n";
            Problem("missing file " + path);
            return;
        }
        if (!loaded) {
            out << loaded.Text() << "\n";
            Problem(path + " " + loaded.Text() + ": the clock cannot use it");
            return;
        }
        out << image.Width() << " x " << image.Height() << ", ";
        if (const std::optional<PngHeader> png = ReadPngHeader(FileStart(path)))
            out << "PNG, " << (png->HasAlphaChannel() ? "with" : "without")
                << " an alpha channel\n";
        else
            out << ReadBmpDimensions(FileStart(path))->bitsPerPixel << " bits per pixel\n";
    }

    int Problems() const { return problems; }

    std::ostream& out;

private:
    int problems = 0;
};

void CheckConfig(const std::string& folder, const Skin& skin, Report& report) {
    const std::string path = SkinConfigPath(folder);
    report.out << "config.ini:\n";
    if (!FileExists(path)) {
        report.Problem("missing file " + path + "; every setting takes its default");
    } else {
        for (const LintFinding& finding : LintSkinConfig(ReadSkinConfig(folder)))
            report.Problem("config.ini line " + std::to_string(finding.line) + ": " +
                           finding.message);
    }
    const SkinValues& values = skin.values;
    if (skin.alpha) {
        report.out << "  an alpha skin (its background is a PNG file), Background="
                   << values.background << ": the key colour and Trans do not apply\n";
        return;
    }
    report.out << "  key colour R=" << values.red << " G=" << values.green << " B=" << values.blue
               << ", Background=" << values.background << ", Trans=" << values.trans
               << (values.trans == 1 ? " (shape follows every face)"
                                     : " (shape cut from the background)")
               << "\n";
}

// An alpha skin's window has no shape: where the face's alpha is 0, it is not there.
void CheckAlpha(const Skin& skin, Report& report) {
    const ConstPixelSpan background = skin.background.Pixels();
    const long long total = static_cast<long long>(background.width) * background.height;
    long long clear = 0, partly = 0;
    for (long long p = 0; p < total; ++p) {
        const std::uint32_t alpha = background.pixels[p] >> 24;
        clear += alpha == 0;
        partly += alpha != 0 && alpha != 255;
    }
    report.out << "alpha:\n  background pixels fully transparent: " << clear
               << ", partly: " << partly << ", opaque: " << total - clear - partly << " of "
               << total << "\n";
    if (clear == total)
        report.Problem("every background pixel is fully transparent: the window is invisible");
}

void CheckShape(const Skin& skin, Report& report) {
    const PixelImage& background = skin.background;
    if (background.IsEmpty())
        return;
    if (skin.alpha) {
        CheckAlpha(skin, report);
        return;
    }
    const ColorValue key = skin.values.KeyColor();
    const ShapeMetrics upright = MeasureShape(background.Pixels(), key);
    PixelImage turned;
    if (turned.Create(background.Width(), background.Height()))
        turned.CopyFrom(background);
    turned.Rotate(90);
    const ShapeMetrics side = MeasureShape(AsConst(turned.Pixels()), key);

    report.out << "shape:\n  key-coloured pixels: " << upright.keyPixels << " of "
               << upright.totalPixels << " (" << std::fixed << std::setprecision(1)
               << 100.0 * static_cast<double>(upright.keyPixels) /
                      static_cast<double>(upright.totalPixels)
               << "%)\n  rectangles: " << upright.rectangles << " in " << upright.bands
               << " bands (top, floating); " << side.rectangles << " in " << side.bands
               << " bands (left, right)\n";
    if (upright.keyPixels == upright.totalPixels)
        report.Problem("every background pixel has the key colour: the window is invisible");
}

// A glyph pixel lets the background through only when it is white with a fourth byte of 0;
// 32-bit pictures from many editors carry 255 there, so their white shows.
void CheckSeeThrough(const Skin& skin, Report& report) {
    for (int i = 0; i < kGlyphCount; ++i) {
        if (IsPngPath(skin.glyphPaths[i]))
            continue;  // drawn by its alpha
        const ConstPixelSpan glyph = skin.glyphs[i].Pixels();
        long long opaqueWhite = 0;
        for (long long p = 0; p < static_cast<long long>(glyph.width) * glyph.height; ++p)
            opaqueWhite += (glyph.pixels[p] & 0x00FFFFFFu) == 0x00FFFFFFu && glyph.pixels[p] >> 24;
        if (opaqueWhite > 0)
            report.Problem(skin.glyphPaths[i] + ": " + std::to_string(opaqueWhite) +
                           " white pixels have a fourth (alpha) byte that is not 0, so the clock "
                           "draws them white instead of letting the background through; save the "
                           "glyph with 24 bits per pixel or with that byte 0");
    }
}

// The indicators are optional, but only a pair of them is shown.
void CheckIndicators(const Skin& skin, Report& report) {
    if (!FileExists(skin.glyphPaths[kAmGlyph]) && !FileExists(skin.glyphPaths[kPmGlyph])) {
        report.out << "  am, pm: none, so the 12-hour face shows no AM/PM indicator\n";
        return;
    }
    for (const int i : {kAmGlyph, kPmGlyph})
        report.Image(GlyphBaseName(i) + " (12-hour indicator)", skin.glyphPaths[i], skin.glyphs[i],
                     skin.glyphLoads[i]);
}

void CheckFit(const Skin& skin, Report& report) {
    const Size frame{skin.background.Width(), skin.background.Height()};
    if (frame.width == 0)
        return;
    std::array<Size, kGlyphCount> sizes{};
    for (int i = 0; i < kGlyphCount; ++i)
        sizes[i] = {skin.glyphs[i].Width(), skin.glyphs[i].Height()};
    for (const CheckedLine& checked : kWidestLines) {
        const Rect line = LaidOutLine(checked.text, frame, sizes);
        report.out << "line " << checked.name << ": " << line.right - line.left << " x "
                   << line.bottom - line.top << " at (" << line.left << ", " << line.top << ") on "
                   << frame.width << " x " << frame.height << "\n";
        if (!FitsOn(line, frame))
            report.Problem("the glyphs of " + std::string(checked.name) +
                           " do not fit the background: the clock clips them");
    }
}

// A skin's own chime is optional. A broken one counts as a problem, as a missing config.ini
// does: the clock carries on without it, but not as its author meant.
void CheckChime(const std::string& folder, Report& report) {
    const std::string path = SkinChimePath(folder);
    report.out << "chime:\n  ";
    if (!FileExists(path)) {
        report.out << "none, so the built-in bell sounds\n";
        return;
    }
    // One byte past the limit tells a file at the limit from a larger one.
    const std::variant<WaveSound, std::string> parsed =
        ParseWave(ReadUpTo(OpenForReading(path).get(), kMaxChimeBytes + 1));
    if (const WaveSound* sound = std::get_if<WaveSound>(&parsed)) {
        report.out << (sound->channels == 1 ? "mono" : "stereo") << ", " << sound->bitsPerSample
                   << " bits, " << sound->sampleRate << " samples a second, " << sound->milliseconds
                   << " ms\n";
        return;
    }
    const std::string& reason = std::get<std::string>(parsed);
    report.out << reason << "\n";
    report.Problem(path + " " + reason + ": the built-in chime sounds instead");
}

}  // namespace

int CheckSkin(const std::string& folder, std::ostream& out) {
    const Skin skin = LoadSkinFolder(folder);
    Report report(out);
    out << "skin " << folder << "\n";
    CheckConfig(folder, skin, report);

    out << "images:\n";
    report.Image("background", skin.backgroundPath, skin.background, skin.backgroundLoad);
    for (int i = 0; i < kGlyphCount; ++i) {
        if (!IsOptionalGlyph(i))
            report.Image(i == kColonGlyph ? "glyph 10 (colon)" : "glyph " + std::to_string(i),
                         skin.glyphPaths[i], skin.glyphs[i], skin.glyphLoads[i]);
    }
    CheckIndicators(skin, report);

    CheckSeeThrough(skin, report);
    CheckFit(skin, report);
    CheckShape(skin, report);
    CheckChime(folder, report);
    out << report.Problems() << (report.Problems() == 1 ? " problem" : " problems") << "\n";
    return report.Problems();
}
