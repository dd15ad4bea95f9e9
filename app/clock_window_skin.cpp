// The skin of the clock window: read from its folder, fitted to the dock mode, chosen by the
// user.

#include <utility>

#include "app/clock_window.h"
#include "app/zoom.h"
#include "skin/skin_folders.h"
#include "skin/skin_select_dialog.h"
#include "win/application.h"

bool ClockWindow::LoadSkin(const std::string& name, std::string* whyNot) {
    // The face is given back while the new skin is read: a skin at the size limit is then never
    // held beside the old skin's face as well as the old skin.
    face.Release();
    const std::string folder = LocateSkin(name, programFolder);
    Skin loaded = LoadSkinFolder(folder);
    if (!loaded.backgroundLoad) {
        if (whyNot) {
            *whyNot = CannotShowSkinText(name, SkinImagePath(folder, loaded.values.background),
                                         loaded.backgroundLoad.Text());
        }
        // The same face as before, composed again; the screen never lost it.
        if (skin.HasBackground())
            face.Update(skin.background, skin.glyphs, shownTime, placement.Mode(), zoom);
        return false;
    }
    loaded.KeepGlyphsMissingFrom(skin);
    skin = std::move(loaded);
    return ApplySkin();
}

bool ClockWindow::ApplySkin() {
    face.Reset();
    if (!skin.HasBackground()) {
        // No background has ever loaded: rather than shrink to nothing and become unreachable,
        // the window keeps its size and place and shows the plain text face.
        RECT rect{};
        GetWindowRect(Handle(), &rect);
        placement.Adopt({rect.left, rect.top, rect.right, rect.bottom});
        ShowTime(shownTime);
        return false;
    }
    // The face with no time on it is the background turned for the dock mode and zoomed: the
    // window takes its size and shape, and no image is made for them alone.
    zoom = WantedZoom();
    const Size turned = TurnedSkinSize();
    const Size size{turned.width * zoom, turned.height * zoom};
    face.Update(skin.background, skin.glyphs, "", placement.Mode(), zoom);
    SetShape(face.Image().CreateRegion(skin.values.KeyColor()), true);
    MoveTo(placement.Settle(size, screens), size);
    InvalidateRect(Handle(), nullptr, FALSE);
    ShowTime(shownTime);
    return true;
}

Size ClockWindow::TurnedSkinSize() const {
    const Size upright{skin.background.Width(), skin.background.Height()};
    return TurnFor(placement.Mode()) ? Size{upright.height, upright.width} : upright;
}

int ClockWindow::WantedZoom() const {
    return FaceZoom(zoomChoice.value_or(0),
                    screens.Dpi(Rect::At(placement.Home(), placement.WindowSize())),
                    TurnedSkinSize());
}

void ClockWindow::SetZoomChoice(int choice) {
    zoomChoice = choice;
    ApplySkin();
    SaveSettings();
}

void ClockWindow::OnSelectSkin() {
    SkinSelectDialog chooser(Instance(), Handle(), skinName, SkinNames(programFolder));
    if (chooser.DoModal() != IDOK)
        return;
    if (std::string whyNot; !LoadSkin(chooser.selectedSkin, &whyNot)) {
        app.ShowMessage(whyNot.c_str(), Handle());
        return;
    }
    skinName = chooser.selectedSkin;
    SaveSettings();
}

void ClockWindow::SetShape(UniqueRegion region, bool redraw) {
    // A picture entirely of the key colour would cut the whole window away and leave a clock
    // nobody can see or right-click; it keeps its rectangle instead.
    RECT box{};
    if (GetRgnBox(region.get(), &box) == NULLREGION)
        region.reset();
    // Most ticks of a shape-following face give the shape it already has. Handing it over again
    // would cost a round trip to the display, and under Wine memory that is never given back.
    if (region ? shape && EqualRgn(shape.get(), region.get()) : !shape)
        return;
    UniqueRegion copy;
    if (region) {
        copy.reset(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(copy.get(), region.get(), nullptr, RGN_COPY);
    }
    // The window owns a region it accepted; one it refused is still ours to free.
    if (!SetWindowRgn(Handle(), region.get(), redraw))
        return;
    static_cast<void>(region.release());
    shape = std::move(copy);
}
