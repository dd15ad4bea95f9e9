#pragma once
// A skin folder's settings and images, read by the same rules and code as the clock's own load.

#include <array>
#include <string>

#include "app/face_layout.h"
#include "image/pixel_image.h"
#include "skin/skin_config.h"
#include "skin/skin_files.h"

struct SkinImages {
    SkinConfig config;
    SkinValues values;
    PixelImage background;
    std::array<PixelImage, kGlyphCount> glyphs;
    bool backgroundLoaded = false;
    std::array<bool, kGlyphCount> glyphLoaded{};
};

// Reads `folder`'s config.ini and then its background and glyphs as the clock would; images
// that cannot be read stay empty.
void LoadSkinImages(const std::string& folder, SkinImages& skin);
