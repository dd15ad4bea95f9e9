#include "tools/zentrix_skin/face_preview.h"

#include <cstdint>
#include <vector>

#include "face/clock_face.h"
#include "image/bmp_encoder.h"
#include "image/png_writer.h"
#include "skin/skin.h"
#include "win/unique_handle.h"
#include "win/wide_text.h"

bool WriteFacePreview(const std::string& folder, std::string_view time, DockMode mode, int zoom,
                      const std::string& outPath) {
    const Skin skin = LoadSkinFolder(folder);
    ClockFace face;
    face.Show(skin.background, skin.glyphs, mode, zoom,
              skin.alpha ? GlyphBlend::Over : GlyphBlend::Keyed);
    face.Update(time);
    const PixelImage& shown = face.Image();
    if (shown.IsEmpty())
        return false;
    if (skin.alpha)
        return WritePng(shown.Pixels(), outPath);
    const std::vector<std::uint8_t> bytes = EncodeBmp24(shown.Pixels());
    const UniqueFile out(CreateFileW(Widen(outPath).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return out &&
           WriteFile(out.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}
