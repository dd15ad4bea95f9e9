#include "app/shown_skin.h"

#include <utility>

#include "face/labelled_background.h"
#include "face/zoom.h"
#include "skin/skin_folders.h"

ShownSkin::ShownSkin(std::string programFolder, std::string name, std::optional<int> zoomChoice)
    : programFolder(std::move(programFolder)), name(std::move(name)), zoomChoice(zoomChoice) {}

std::optional<SkinFit> ShownSkin::Switch(const std::string& newName, DockMode mode, int dpi,
                                         std::string* whyNot) {
    // The face is given back while the new skin is read: a skin at the size limit is then never
    // held beside the old skin's face as well as the old skin.
    face.Release();
    const std::optional<std::string> folder = LocateSkin(newName, programFolder);
    Skin loaded = folder ? LoadSkinFolder(*folder) : MissingSkin();
    if (!loaded.backgroundLoad) {
        if (whyNot) {
            *whyNot = CannotShowSkinText(
                newName,
                folder ? loaded.backgroundPath : SkinImagePath(newName, loaded.values.background),
                loaded.backgroundLoad.Text());
        }
        face.Update(time);  // the same face as before, composed again; the screen never lost it
        return std::nullopt;
    }
    loaded.KeepGlyphsMissingFrom(skin);
    skin = std::move(loaded);
    name = newName;
    return Fit(mode, dpi);
}

std::optional<SkinFit> ShownSkin::Reload(DockMode mode, int dpi) {
    if (std::optional<SkinFit> fit = Switch(name, mode, dpi))
        return fit;
    return Fit(mode, dpi);
}

std::optional<SkinFit> ShownSkin::Fit(DockMode mode, int dpi) {
    if (!HasFace())
        return std::nullopt;
    labelled = LabelledBackground(skin, label);
    const int zoom = WantedZoom(mode, dpi);
    face.Show(FaceBackground(), skin.glyphs, mode, zoom,
              skin.alpha ? GlyphBlend::Over : GlyphBlend::Keyed,
              Size{skin.background.Width(), skin.background.Height()});
    // A fixed shape is the background's alone, cut before any glyph is stamped.
    face.Update(ShapeFollowsFace() ? time : std::string());
    const Size turned = TurnedSize(mode);
    SkinFit fit{{turned.width * zoom, turned.height * zoom}, Reshape()};
    face.Update(time);
    return fit;
}

Size ShownSkin::TurnedSize(DockMode mode) const {
    const Size upright{FaceBackground().Width(), FaceBackground().Height()};
    return TurnFor(mode) ? Size{upright.height, upright.width} : upright;
}

int ShownSkin::WantedZoom(DockMode mode, int dpi) const {
    return FaceZoom(zoomChoice.value_or(0), dpi, TurnedSize(mode));
}

FaceChange ShownSkin::ShowTime(std::string newTime) {
    time = std::move(newTime);
    FaceChange change{face.Update(time), std::nullopt};
    // The shape can only have changed inside the cells that changed, which are drawn anyway.
    if (!change.area.IsEmpty() && ShapeFollowsFace())
        change.shape = Reshape();
    return change;
}

NewShape ShownSkin::Reshape() {
    if (face.Image().IsEmpty())
        return std::nullopt;
    UniqueRegion region;
    if (!skin.alpha)
        region = face.Image().CreateRegion(skin.values.KeyColor());
    // A face entirely of the key colour would cut the whole window away and leave a clock
    // nobody can see or right-click; it keeps its rectangle instead.
    RECT box{};
    if (region && GetRgnBox(region.get(), &box) == NULLREGION)
        region.reset();
    // Most ticks of a shape-following face give the shape it already has. Handing it over again
    // would cost a round trip to the display, and under Wine memory that is never given back.
    if (region ? shape && EqualRgn(shape.get(), region.get()) : !shape)
        return std::nullopt;
    shape.reset();
    if (region) {
        shape.reset(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(shape.get(), region.get(), nullptr, RGN_COPY);
    }
    return region;
}
