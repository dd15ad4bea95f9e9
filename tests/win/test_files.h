#pragma once
// Files that Wine tests write: a scratch folder per test and BMP files of every depth.

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the temporary directory, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The path of `name` inside the folder, in the system code page.
    std::string operator/(const std::string& name) const;
    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    void Write(const std::string& name, const std::string& text) const;

private:
    std::filesystem::path path;
};

// A BMP file of the given depth (1, 4, 8, 24 or 32 bits) whose pixel (x, y), counted from the
// top, has colour pixel(x, y). Palettised depths get a palette of the distinct colours used.
struct BmpPicture {
    int width;
    int height;
    std::vector<COLORREF> pixels;  // row by row from the top, as RGB()
};
std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture, int bitsPerPixel, bool topDown);
