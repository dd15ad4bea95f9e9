#include "skin/skin.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "image/file_bytes.h"
#include "image/png_header.h"

void Skin::KeepGlyphsMissingFrom(Skin& previous) {
    for (int i = 0; i < kGlyphCount; ++i) {
        // The indicators belong to the skin that drew them: a skin without them shows none.
        if (!glyphLoads[i] && !IsOptionalGlyph(i) && alpha == previous.alpha)
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

namespace {

// The PNG file of a picture's base name where there is one, else its BMP file; where there is
// neither, the file named is the one the skin's kind looks for first.
std::string PictureLookedUp(const std::string& folder, const std::string& baseName, bool alpha) {
    const std::string png = SkinPngPath(folder, baseName);
    const std::string bmp = SkinImagePath(folder, baseName);
    return OpenForReading(png) || (alpha && !OpenForReading(bmp)) ? png : bmp;
}

}  // namespace

Skin LoadSkinFolder(const std::string& name) {
    Skin skin;
    skin.values = ReadSkinValues(ReadSkinConfig(name));
    skin.backgroundPath = PictureLookedUp(name, skin.values.background, false);
    skin.alpha = IsPngPath(skin.backgroundPath);
    skin.backgroundLoad = skin.background.Load(skin.backgroundPath);
    for (int i = 0; i < kGlyphCount; ++i) {
        std::string& path = skin.glyphPaths[i];
        path = skin.alpha ? PictureLookedUp(name, GlyphBaseName(i), true) : GlyphPath(name, i);
        skin.glyphLoads[i] = skin.glyphs[i].Load(path);
        if (skin.alpha && !IsPngPath(path))
            MakeKeyedOpaque(skin.glyphs[i].Pixels());
    }
    return skin;
}

Skin MissingSkin() {
    Skin skin;
    skin.backgroundLoad = BmpError::CannotOpen;
    skin.glyphLoads.fill(BmpError::CannotOpen);
    return skin;
}
