#include "skin/skin.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "image/file_bytes.h"

void Skin::KeepGlyphsMissingFrom(Skin& previous) {
    for (int i = 0; i < kGlyphCount; ++i) {
        // The indicators belong to the skin that drew them: a skin without them shows none.
        if (!glyphLoads[i] && !IsOptionalGlyph(i))
            glyphs[i] = std::move(previous.glyphs[i]);
    }
}

SkinConfig ReadSkinConfig(const std::string& folder) {
    SkinConfig config;
    const UniqueFile file = OpenForReading(SkinConfigPath(folder));
    LARGE_INTEGER size{};
    if (file && GetFileSizeEx(file.get(), &size)) {
        const std::vector<std::uint8_t> bytes =
            ReadUpTo(file.get(), std::min<std::uint64_t>(size.QuadPart, SkinConfig::kMaxFileBytes));
        config.LoadBytes({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    }
    return config;
}

Skin LoadSkinFolder(const std::string& name) {
    Skin skin;
    skin.values = ReadSkinValues(ReadSkinConfig(name));
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
