#pragma once

#include "image/image_file_reader.h"

// Reads uncompressed true-colour Targa files of 24 or 32 bits; anything else is refused, with
// the reason.
class TargaReader : public ImageFileReader {
public:
    ImageLoad Read(PixelImage& image, const std::string& path) override;
};
