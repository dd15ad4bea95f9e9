#include "tools/zentrix_skin/face_preview.h"

#include <cstdint>
#include <vector>

#include "face/clock_face.h"
#include "skin/skin.h"
#include "win/unique_handle.h"
#include "win/wide_text.h"

namespace {

void PutLittle(std::vector<std::uint8_t>& bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A bottom-up 24-bit BMP: the form every image program reads.
std::vector<std::uint8_t> EncodeBmp24(const PixelImage& image) {
    const int width = image.Width();
    const int height = image.Height();
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(54 + dataSize);
    bytes.push_back('B');
    bytes.push_back('M');
    PutLittle(bytes, 54 + dataSize, 4);
    PutLittle(bytes, 0, 4);
    PutLittle(bytes, 54, 4);
    PutLittle(bytes, 40, 4);
    PutLittle(bytes, static_cast<std::uint32_t>(width), 4);
    PutLittle(bytes, static_cast<std::uint32_t>(height), 4);
    PutLittle(bytes, 1, 2);   // planes
    PutLittle(bytes, 24, 2);  // bits per pixel
    PutLittle(bytes, 0, 4);   // BI_RGB
    PutLittle(bytes, dataSize, 4);
    PutLittle(bytes, 2835, 4);  // 72 dpi
    PutLittle(bytes, 2835, 4);
    PutLittle(bytes, 0, 4);
    PutLittle(bytes, 0, 4);
    const ConstPixelSpan pixels = image.Pixels();
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t* row = pixels.pixels + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x)
            PutLittle(bytes, row[x], 3);  // blue, green, red
        bytes.resize(bytes.size() + (stride - static_cast<std::uint32_t>(width) * 3));
    }
    return bytes;
}

}  // namespace

bool WriteFacePreview(const std::string& folder, std::string_view time, DockMode mode, int zoom,
                      const std::string& outPath) {
    const Skin skin = LoadSkinFolder(folder);
    ClockFace face;
    face.Show(skin.background, skin.glyphs, mode, zoom);
    face.Update(time);
    const PixelImage& shown = face.Image();
    if (shown.IsEmpty())
        return false;
    const std::vector<std::uint8_t> bytes = EncodeBmp24(shown);
    const UniqueFile out(CreateFileW(Widen(outPath).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return out &&
           WriteFile(out.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}
