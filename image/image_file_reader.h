#pragma once

#include <string>

class PixelImage;

// A reader of one image file format into a PixelImage.
class ImageFileReader {
public:
    virtual ~ImageFileReader() = default;
    // True when the file was read into the image; a format without a reader reads nothing.
    virtual bool Read(PixelImage& /*image*/, const std::string& /*path*/) { return false; }
};
