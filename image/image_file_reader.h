#pragma once

#include <string>

#include "image/image_load.h"

class PixelImage;

// A reader of one image file format into a PixelImage.
class ImageFileReader {
public:
    virtual ~ImageFileReader() = default;
    // Reads the file into the image, or says why it could not.
    virtual ImageLoad Read(PixelImage& image, const std::string& path) = 0;
};
