// The skin of the clock window: read from its folder, fitted to the dock mode, chosen by the
// user.

#include <utility>

#include "app/clock_window.h"
#include "skin/skin_select_dialog.h"

bool ClockWindow::LoadSkin(const std::string& name) {
    Skin loaded = LoadSkinFolder(name);
    loaded.FillGapsFrom(skin);
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
    // The window takes the size and shape of the background turned for the dock mode; the skin
    // keeps it upright for composing.
    PixelImage turned;
    if (turned.Create(skin.background.Width(), skin.background.Height()))
        turned.CopyFrom(skin.background);
    turned.Rotate(TurnFor(placement.Mode()));
    SetShape(turned.CreateRegion(skin.values.KeyColor()), true);
    const Size size{turned.Width(), turned.Height()};
    const Point at = placement.Settle(size, screens);
    SetWindowPos(Handle(), HWND_TOPMOST, at.x, at.y, size.width, size.height, 0);
    ShowTime(shownTime);  // the whole new face
    return true;
}

void ClockWindow::OnSelectSkin() {
    SkinSelectDialog chooser(Instance(), Handle(), skinName);
    if (chooser.DoModal() != IDOK)
        return;
    LoadSkin(chooser.selectedSkin);
    skinName = chooser.selectedSkin;
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
