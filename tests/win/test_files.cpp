#include "tests/win/test_files.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <stdexcept>

#include "image/bmp_encoder.h"
#include "image/bmp_header.h"

ScratchFolder::ScratchFolder() {
    std::random_device random;
    path = std::filesystem::temp_directory_path() / ("zentrix-test-" + std::to_string(random()));
    std::filesystem::create_directories(path);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::string ScratchFolder::operator/(const std::string& name) const {
    return (path / name).string();
}

void ScratchFolder::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    const std::filesystem::path file = path / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void ScratchFolder::Write(const std::string& name, const std::string& text) const {
    Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture, int bits, bool topDown) {
    std::vector<COLORREF> palette;
    if (bits <= 8) {
        for (COLORREF c : picture.pixels)
            if (std::find(palette.begin(), palette.end(), c) == palette.end())
                palette.push_back(c);
        if (palette.size() > (1u << bits))
            throw std::invalid_argument("too many colours for the depth");
    }
    const auto stride = static_cast<int>(BmpRowBytes(picture.width, bits));
    const std::uint32_t paletteColors = bits <= 8 ? 1u << bits : 0;

    std::vector<std::uint8_t> out =
        EncodeBmpHeaders(picture.width, topDown ? -picture.height : picture.height, bits,
                         paletteColors, static_cast<std::uint32_t>(stride * picture.height));
    for (std::uint32_t i = 0; i < paletteColors; ++i) {
        const COLORREF c = i < palette.size() ? palette[i] : 0;
        out.insert(out.end(), {GetBValue(c), GetGValue(c), GetRValue(c), 0});
    }
    for (int row = 0; row < picture.height; ++row) {
        const int y = topDown ? row : picture.height - 1 - row;
        std::vector<std::uint8_t> line(stride);
        for (int x = 0; x < picture.width; ++x) {
            const COLORREF c = picture.pixels[static_cast<size_t>(y) * picture.width + x];
            if (bits >= 24) {
                std::uint8_t* p = &line[x * (bits / 8)];
                p[0] = GetBValue(c);
                p[1] = GetGValue(c);
                p[2] = GetRValue(c);
                continue;
            }
            const unsigned index = static_cast<unsigned>(
                std::find(palette.begin(), palette.end(), c) - palette.begin());
            const int bit = x * bits;
            line[bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}
