#pragma once
// A skin as the clock shows it: the settings of its config.ini, its background and its glyphs,
// read from its folder in one go, with what went wrong for each picture.

#include <array>
#include <string>

#include "image/pixel_image.h"
#include "skin/skin_files.h"

struct Skin {
    SkinValues values;  // defaults where config.ini is silent
    // A skin whose background is a PNG file: its pictures carry premultiplied alpha, BMP glyphs
    // opaque but for their see-through white, and the key colour and Trans do not apply.
    bool alpha = false;
    std::string backgroundPath;  // the files read, or that would have been
    std::array<std::string, kGlyphCount> glyphPaths;
    PixelImage background;                       // upright; the window's size and shape
    std::array<PixelImage, kGlyphCount> glyphs;  // the digits 0 to 9, the colon, AM and PM
    ImageLoad backgroundLoad;                    // how reading each picture went
    std::array<ImageLoad, kGlyphCount> glyphLoads;

    // Whether there is a background to show: without one the skin has nothing to show.
    bool HasBackground() const { return !background.IsEmpty(); }
    // Takes from `previous` every digit and colon that this skin could not load: a clock keeps
    // the glyphs it showed until a skin brings its own. Glyphs are kept only between skins of
    // the same kind, keyed or alpha, as only they draw alike.
    void KeepGlyphsMissingFrom(Skin& previous);
};

// The config.ini of the skin folder `folder`, read as SkinConfig::LoadFile reads a file but
// through the same wide file functions as the pictures beside it; no lines where there is none.
SkinConfig ReadSkinConfig(const std::string& folder);

// Reads the skin folder `name`, a path relative to the working directory taken literally: its
// config.ini, then its background and glyphs. The background is looked for as a PNG file first:
// if there is one, the skin is an alpha skin and looks for each glyph as a PNG file first too.
// A picture that cannot be loaded stays empty, and its load says why.
Skin LoadSkinFolder(const std::string& name);

// A skin of a folder that is not there: none of its pictures loads.
Skin MissingSkin();
