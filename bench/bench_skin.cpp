#include "bench/bench_skin.h"

#include "skin/skin_files.h"

bool LoadBenchSkin(const std::string& folder, BenchSkin& skin) {
    SkinConfig config;
    config.LoadFile(SkinConfigPath(folder));
    const SkinValues values = ReadSkinValues(config);
    skin.key = MakeColorValue(values.red, values.green, values.blue);
    skin.shapeFollowsFace = values.trans == 1;
    for (int i = 0; i < kGlyphCount; ++i)
        skin.glyphs[i].Load(GlyphPath(folder, i));
    return skin.background.Load(SkinImagePath(folder, values.background));
}
