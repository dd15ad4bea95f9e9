#pragma once
// What a skin folder holds as the clock reads it: the paths of its files and the settings its
// config.ini gives, with the defaults for whatever it leaves out.

#include <optional>
#include <string>
#include <string_view>

#include "image/pixel_ops.h"
#include "skin/skin_config.h"

// A skin's glyphs: the digits 0 to 9, the colon, then the AM and PM indicators of a 12-hour
// face. A skin may leave the indicators out, and shows none then.
constexpr int kColonGlyph = 10;
constexpr int kAmGlyph = 11;
constexpr int kPmGlyph = 12;
constexpr int kGlyphCount = 13;

// Whether a skin does without the glyph: the indicators are a choice of the skin's author.
constexpr bool IsOptionalGlyph(int glyph) {
    return glyph == kAmGlyph || glyph == kPmGlyph;
}

struct SkinValues {
    int red = 255;  // the transparency colour, as read; only the low 8 bits count
    int green = 0;
    int blue = 255;
    std::string background = "back";  // base name of the background file, without ".png"/".bmp"
    int trans = 0;                    // exactly 1: the window shape follows every painted face
    // Where a clock's label goes on the upright background, when the skin names all four of
    // [Label] X, Y, Width and Height; and its text's colour, when the skin names R, G and B there.
    std::optional<Rect> labelArea;
    std::optional<ColorValue> labelColour;

    // The transparency colour: the pixels of this colour are cut out of the window.
    ColorValue KeyColor() const { return MakeColorValue(red, green, blue); }
    bool ShapeFollowsFace() const { return trans == 1; }
};

// Only found keys replace the defaults; a found key without digits reads as 0.
SkinValues ReadSkinValues(const SkinConfig& config);

// Whether `name` names a skin: a folder to look up in the places that hold skins. A name that
// is empty, a path of its own (with a drive, from the root, or a UNC path such as
// \\server\share) or that holds ".." would reach elsewhere, and names none.
bool IsSkinName(std::string_view name);

// Paths inside the skin folder `skin`, joined with a backslash; names are used literally.
std::string SkinConfigPath(const std::string& skin);
std::string SkinImagePath(const std::string& skin, const std::string& baseName);
// The same picture as a PNG file, which an alpha skin looks for first.
std::string SkinPngPath(const std::string& skin, const std::string& baseName);
// The base name of a glyph's file: "0" to "10", "am" and "pm".
std::string GlyphBaseName(int glyph);
std::string GlyphPath(const std::string& skin, int glyph);

// What the user is told when the skin `skin` cannot be shown because its file `file` was refused
// for `reason` (the words of the loader: "is missing or cannot be opened" and the like).
std::string CannotShowSkinText(const std::string& skin, const std::string& file,
                               const std::string& reason);
