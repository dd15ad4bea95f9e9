#include "tests/win/test_files.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <stdexcept>

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

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back(value >> 8 & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture, int bits, bool topDown) {
    std::vector<COLORREF> palette;
    if (bits <= 8) {
        for (COLORREF c : picture.pixels)
            if (std::find(palette.begin(), palette.end(), c) == palette.end())
                palette.push_back(c);
        if (palette.size() > (1u << bits))
            throw std::invalid_argument("too many colours for the depth");
    }
    const int stride = ((picture.width * bits + 31) / 32) * 4;
    const std::uint32_t paletteBytes = static_cast<std::uint32_t>(bits <= 8 ? (1u << bits) * 4 : 0);
    const std::uint32_t offset = 14 + 40 + paletteBytes;

    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + stride * picture.height);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(picture.width));
    Put32(out, static_cast<std::uint32_t>(topDown ? -picture.height : picture.height));
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, BI_RGB);
    Put32(out, stride * picture.height);
    for (int i = 0; i < 4; ++i)
        Put32(out, 0);
    for (std::uint32_t i = 0; i < paletteBytes / 4; ++i) {
        const COLORREF c = i < palette.size() ? palette[i] : 0;
        Put32(out, GetBValue(c) | GetGValue(c) << 8 | GetRValue(c) << 16);
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
