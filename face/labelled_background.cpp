#include "face/labelled_background.h"

#include <utility>
#include <vector>

#include "face/face_label.h"
#include "win/unique_handle.h"
#include "win/wide_text.h"

namespace {

// Room above and below the text in a strip of its own.
constexpr int kStripMargin = 2;
constexpr int kDigitEight = 8;

// The Windows UI font, `height` pixels tall where given (the cell's height), else as the user
// chose it. Shades of grey at its edges, which the mask's coverage takes.
UniqueFont UiFont(std::optional<int> height) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    if (height)
        font.lfHeight = *height;
    font.lfQuality = ANTIALIASED_QUALITY;
    return UniqueFont(CreateFontIndirectW(&font));
}

int TextHeight(HDC dc, HFONT font) {
    const ScopedSelect selected(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

// How much the text covers each pixel of an area of `size`, row by row: drawn white on black,
// centred, cut short with an ellipsis where it is too long.
std::vector<std::uint8_t> TextCoverage(HDC dc, HFONT font, const std::wstring& text, Size size) {
    PixelImage mask;
    if (!mask.Create(size.width, size.height))
        return {};
    {
        const ScopedSelect bitmap(dc, mask.Bitmap());
        const ScopedSelect selected(dc, font);
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, TRANSPARENT);
        RECT box{0, 0, size.width, size.height};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        GdiFlush();  // the pixels are read straight from the section
    }
    std::vector<std::uint8_t> coverage(static_cast<std::size_t>(size.width) * size.height);
    const ConstPixelSpan pixels = std::as_const(mask).Pixels();
    for (std::size_t i = 0; i < coverage.size(); ++i)
        coverage[i] = static_cast<std::uint8_t>(pixels.pixels[i] >> 8 & 0xFFu);  // green
    return coverage;
}

// A colour of a keyed picture may not be its key: pixels of it would be cut out of the window.
ColorValue ShownAs(ColorValue colour, const Skin& skin) {
    return !skin.alpha && colour == skin.values.KeyColor() ? colour ^ 1u : colour;
}

}  // namespace

PixelImage LabelledBackground(const Skin& skin, const std::string& label) {
    PixelImage labelled;
    if (label.empty() || !skin.HasBackground())
        return labelled;
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    const std::optional<Rect> area = skin.values.labelArea;
    const UniqueFont font = UiFont(area ? std::optional<int>(area->Height()) : std::nullopt);
    if (!dc || !font)
        return labelled;
    const Size background{skin.background.Width(), skin.background.Height()};
    const LabelPlan plan =
        PlanLabel(background, area, TextHeight(dc.get(), font.get()) + 2 * kStripMargin);
    if (!labelled.Create(plan.face.width, plan.face.height))
        return labelled;
    const std::optional<std::uint32_t> key =
        skin.alpha ? std::nullopt
                   : std::optional<std::uint32_t>(
                         KeyPixel(skin.values.red, skin.values.green, skin.values.blue));
    const PixelSpan pixels = labelled.Pixels();
    CopyArea(pixels, skin.background.Pixels(), Rect::At({}, background), {0, 0});
    const ColorValue fill = ShownAs(AverageColour(skin.background.Pixels(), key), skin);
    if (plan.strip) {
        const std::uint32_t opaque = PixelOfColor(fill, 0xFF);
        for (int y = plan.area.top; y < plan.area.bottom; ++y)
            for (int x = plan.area.left; x < plan.area.right; ++x)
                pixels.pixels[static_cast<std::size_t>(y) * pixels.width + x] = opaque;
    }
    const ColorValue wanted =
        skin.values.labelColour.value_or(AverageColour(skin.glyphs[kDigitEight].Pixels(), key));
    // What the text will stand on: the strip, or the skin's own area.
    const Size extent = plan.area.Extent();
    std::vector<std::uint32_t> beneath(static_cast<std::size_t>(extent.width) * extent.height);
    CopyArea({beneath.data(), extent.width, extent.height}, std::as_const(labelled).Pixels(),
             plan.area, {0, 0});
    const ColorValue under = AverageColour({beneath.data(), extent.width, extent.height}, key);
    const std::vector<std::uint8_t> coverage =
        TextCoverage(dc.get(), font.get(), Widen(label), plan.area.Extent());
    LayCoverage(pixels, plan.area, coverage, ShownAs(ReadableColour(wanted, under), skin));
    return labelled;
}
