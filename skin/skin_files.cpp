#include "skin/skin_files.h"

SkinValues ReadSkinValues(const SkinConfig& config) {
    SkinValues settings;
    config.GetInt("Transparency", "R", settings.red);
    config.GetInt("Transparency", "G", settings.green);
    config.GetInt("Transparency", "B", settings.blue);
    config.GetString("Bitmaps", "Background", settings.background);
    config.GetInt("Bitmaps", "Trans", settings.trans);
    int x = 0, y = 0, width = 0, height = 0;
    // Beyond any background the loader takes: the sums of a hostile file's values stay in range.
    constexpr int kFarthest = 1 << 16;
    const auto within = [](int value) { return value >= 0 && value <= kFarthest; };
    if (config.GetInt("Label", "X", x) && config.GetInt("Label", "Y", y) &&
        config.GetInt("Label", "Width", width) && config.GetInt("Label", "Height", height) &&
        within(x) && within(y) && within(width) && within(height))
        settings.labelArea = Rect::At({x, y}, {width, height});
    int red = 0, green = 0, blue = 0;
    if (config.GetInt("Label", "R", red) && config.GetInt("Label", "G", green) &&
        config.GetInt("Label", "B", blue))
        settings.labelColour = MakeColorValue(red, green, blue);
    return settings;
}

bool IsSkinName(std::string_view name) {
    return !name.empty() && name.front() != '\\' && name.front() != '/' &&
           name.find(':') == std::string_view::npos && name.find("..") == std::string_view::npos;
}

std::string SkinConfigPath(const std::string& skin) {
    return skin + "\\config.ini";
}

std::string SkinImagePath(const std::string& skin, const std::string& baseName) {
    return skin + "\\" + baseName + ".bmp";
}

std::string SkinPngPath(const std::string& skin, const std::string& baseName) {
    return skin + "\\" + baseName + ".png";
}

std::string GlyphBaseName(int glyph) {
    if (glyph == kAmGlyph)
        return "am";
    if (glyph == kPmGlyph)
        return "pm";
    return std::to_string(glyph);
}

std::string GlyphPath(const std::string& skin, int glyph) {
    return SkinImagePath(skin, GlyphBaseName(glyph));
}

std::string CannotShowSkinText(const std::string& skin, const std::string& file,
                               const std::string& reason) {
    return "The skin \"" + skin + "\" cannot be shown: " + file + " " + reason + ".";
}
