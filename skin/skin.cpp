#include "skin/skin.h"

#include <utility>

void Skin::KeepGlyphsMissingFrom(Skin& previous) {
    for (int i = 0; i < kGlyphCount; ++i) {
        // The indicators belong to the skin that drew them: a skin without them shows none.
        if (!glyphLoads[i] && !IsOptionalGlyph(i))
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
