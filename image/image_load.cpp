#include "image/image_load.h"

#include "image/image_limits.h"

static_assert(kMaxImageSide == 16384 && kMaxImagePixels == 33554432, "the texts below name them");

const char* BmpErrorText(BmpError error) {
    switch (error) {
        case BmpError::None:
            return "";
        case BmpError::CannotOpen:
            return "is missing or cannot be opened";
        case BmpError::NotBmp:
            return "is not a BMP file";
        case BmpError::Empty:
            return "holds no picture";
        case BmpError::TooLarge:
            return "is larger than 16384 pixels on a side or 33554432 pixels in all";
        case BmpError::Incomplete:
            return "is cut off before the end of its pixels";
        case BmpError::Unreadable:
            return "cannot be read as a bitmap";
        case BmpError::NoMemory:
            return "does not fit in memory";
    }
    return "";
}

const char* PngErrorText(PngError error) {
    switch (error) {
        case PngError::None:
            return "";
        case PngError::CannotOpen:
            return BmpErrorText(BmpError::CannotOpen);
        case PngError::NotPng:
            return "is not a PNG file";
        case PngError::Empty:
            return BmpErrorText(BmpError::Empty);
        case PngError::TooLarge:
            return BmpErrorText(BmpError::TooLarge);
        case PngError::Undecodable:
            return "cannot be decoded as a PNG picture";
        case PngError::NoMemory:
            return BmpErrorText(BmpError::NoMemory);
    }
    return "";
}
