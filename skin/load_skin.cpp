// Applying a skin folder to the clock window: its colours, background and glyphs, the window's
// size and shape, and its place on the dock edge.

#include <string>

#include "app/clock_face.h"
#include "app/clock_window.h"
#include "skin/skin_config.h"

namespace {

// What a skin's config.ini says, with the defaults of a skin that says nothing.
struct SkinSettings {
    int red = 255;
    int green = 0;
    int blue = 255;
    std::string background = "back";
    int trans = 0;
};

SkinSettings ReadSkinSettings(const std::string& configPath) {
    SkinConfig config;
    config.LoadFile(configPath);
    SkinSettings settings;
    config.GetInt("Transparency", "R", settings.red);
    config.GetInt("Transparency", "G", settings.green);
    config.GetInt("Transparency", "B", settings.blue);
    config.GetString("Bitmaps", "Background", settings.background);
    config.GetInt("Bitmaps", "Trans", settings.trans);
    return settings;
}

}  // namespace

bool ClockWindow::LoadSkin(std::string name) {
    // Names are used literally: a percent sign in a folder name is just a character.
    const SkinSettings settings = ReadSkinSettings(name + "\\config.ini");
    background.Load(name + "\\" + settings.background + ".bmp");
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
        glyphs[i].Load(name + "\\" + std::to_string(i) + ".bmp");

    // No background has ever loaded: rather than shrink to nothing and become unreachable, the
    // window keeps its size and shape and shows the plain text face.
    if (windowWidth == 0 || windowHeight == 0) {
        InvalidateRect(Handle(), nullptr, TRUE);
        return false;
    }

    SetShape(turned.CreateRegion(KeyColor()));
    ClampToEdge();
    homeX = posX;
    homeY = posY;
    SetWindowPos(Handle(), HWND_TOPMOST, posX, posY, windowWidth, windowHeight, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
    return true;
}
