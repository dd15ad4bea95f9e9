#pragma once
// A skin's pictures and shape settings, held the way the clock window holds them for painting.

#include <array>
#include <string>

#include "app/face_layout.h"
#include "image/pixel_image.h"

struct BenchSkin {
    PixelImage background;  // unturned, the frame of the composition
    std::array<PixelImage, kGlyphCount> glyphs;
    ColorValue key = 0;             // the transparency colour
    bool shapeFollowsFace = false;  // config.ini's Trans=1
};

// Reads `folder`'s config.ini (with the clock's defaults for what it leaves out), its background
// and its eleven glyphs. False when the background cannot be loaded.
bool LoadBenchSkin(const std::string& folder, BenchSkin& skin);
