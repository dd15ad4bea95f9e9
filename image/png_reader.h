#pragma once

#include "image/image_file_reader.h"

// Reads PNG files of any kind through the Windows Imaging Component, into premultiplied pixels:
// the fourth byte of each is its alpha, and its colour is multiplied by it.
class PngReader : public ImageFileReader {
public:
    ImageLoad Read(PixelImage& image, const std::string& path) override;
};
