#include "tools/zentrix_skin/skin_images.h"

void LoadSkinImages(const std::string& folder, SkinImages& skin) {
    skin.config.LoadFile(SkinConfigPath(folder));
    skin.values = ReadSkinValues(skin.config);
    skin.backgroundLoaded = skin.background.Load(SkinImagePath(folder, skin.values.background));
    for (int i = 0; i < kGlyphCount; ++i)
        skin.glyphLoaded[i] = skin.glyphs[i].Load(GlyphPath(folder, i));
}
