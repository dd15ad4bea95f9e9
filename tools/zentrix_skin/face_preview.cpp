#include "tools/zentrix_skin/face_preview.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "face/clock_face.h"
#include "image/bmp_encoder.h"
#include "skin/skin.h"

bool WriteFacePreview(const std::string& folder, std::string_view time, DockMode mode, int zoom,
                      const std::string& outPath) {
    const Skin skin = LoadSkinFolder(folder);
    ClockFace face;
    face.Show(skin.background, skin.glyphs, mode, zoom);
    face.Update(time);
    const PixelImage& shown = face.Image();
    if (shown.IsEmpty())
        return false;
    const std::vector<std::uint8_t> bytes = EncodeBmp24(shown.Pixels());
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}
