// Applying a skin folder to the clock window: its colours, background and glyphs, the window's
// size and shape, and its place on the dock edge.

#include <string>

#include "app/clock_window.h"
#include "skin/skin_files.h"

bool ClockWindow::LoadSkin(std::string name) {
    // Names are used literally: a percent sign in a folder name is just a character.
    SkinConfig config;
    config.LoadFile(SkinConfigPath(name));
    const SkinValues settings = ReadSkinValues(config);
    background.Load(SkinImagePath(name, settings.background));
    shapeFollowsFace = settings.trans == 1;

    // The background stays unturned for painting; the window takes the turned size and shape.
    // Turning a copy keeps the background upright even when its file could not be read again.
    PixelImage turned;
    if (turned.Create(background.Width(), background.Height()))
        turned.CopyFrom(background);
    turned.Rotate(TurnFor(dockMode));
    windowWidth = turned.Width();
    windowHeight = turned.Height();
    transparencyColor = {settings.red, settings.green, settings.blue};
    skinLoaded = 1;

    for (int i = 0; i < kGlyphCount; ++i)
        glyphs[i].Load(GlyphPath(name, i));

    // No background has ever loaded: rather than shrink to nothing and become unreachable, the
    // window keeps its size and shape and shows the plain text face.
    face.Reset();
    if (windowWidth == 0 || windowHeight == 0) {
        homeX = posX;  // the clock rests where it stands; no tick moves it
        homeY = posY;
        ShowTime(shownTime);
        return false;
    }

    SetShape(turned.CreateRegion(KeyColor()), true);
    ClampToEdge();
    homeX = posX;
    homeY = posY;
    SetWindowPos(Handle(), HWND_TOPMOST, posX, posY, windowWidth, windowHeight, 0);
    ShowTime(shownTime);  // the whole new face
    return true;
}
