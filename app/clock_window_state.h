#pragma once
// Everything the clock window knows, in one record that painting, placement, the menu and
// skin loading all work on.

#include <windows.h>

#include <array>
#include <string>

#include "app/dock_mode.h"
#include "app/face_layout.h"
#include "image/pixel_image.h"
#include "win/unique_handle.h"

struct TransparencyColor {
    int red;
    int green;
    int blue;
};

// Members are destroyed in reverse order: the menu first, then the glyphs from the last to
// the first, the background, and the skin name.
struct ClockWindowState {
    HICON icon = nullptr;  // shared resource icon, never destroyed
    std::string skinName;
    int dragging = 0;
    RECT dragStartRect{};
    int dragOffsetX = 0;
    int dragOffsetY = 0;
    PixelImage background;  // unturned in every dock mode
    int windowWidth = 0;
    int windowHeight = 0;
    UINT_PTR timerId = 0;
    std::array<PixelImage, kGlyphCount> glyphs;
    int skinLoaded = 0;
    DockMode dockMode = DockTop;
    TransparencyColor transparencyColor{};
    UniqueMenu popupMenu;
    HRGN windowRegion = nullptr;  // owned by the window once handed to it
    int posX = 0;
    int posY = 0;
    int homeX = 0;
    int homeY = 0;
    int autoMove = 1;
    int shapeFollowsFace = 0;
};
