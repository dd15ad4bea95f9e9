#include "skin/skin.h"

#include <utility>

void Skin::KeepGlyphsMissingFrom(Skin& previous) {
    for (int i = 0; i < kGlyphCount; ++i) {
        if (!glyphLoads[i])
            glyphs[i] = std::move(previous.glyphs[i]);
    }
}

Skin LoadSkinFolder(const std::string& name) {
    SkinConfig config;
    config.LoadFile(SkinConfigPath(name));
    Skin skin;
    skin.values = ReadSkinValues(config);
    skin.backgroundLoad = skin.background.Load(SkinImagePath(name, skin.values.background));
    for (int i = 0; i < kGlyphCount; ++i)
        skin.glyphLoads[i] = skin.glyphs[i].Load(GlyphPath(name, i));
    return skin;
}

Skin MissingSkin() {
    Skin skin;
    skin.backgroundLoad = BmpError::CannotOpen;
    skin.glyphLoads.fill(BmpError::CannotOpen);
    return skin;
}
