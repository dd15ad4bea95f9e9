#include "image/image_load.h"

const char* BmpErrorText(BmpError error) {
    switch (error) {
        case BmpError::None:
            return "";
        case BmpError::CannotOpen:
            return "is missing or cannot be opened";
        case BmpError::NotBmp:
            return "is not a BMP file";
        case BmpError::TooLarge:
            return "is larger than a skin picture may be";
        case BmpError::Incomplete:
            return "is cut off before the end of its pixels";
        case BmpError::Unreadable:
            return "cannot be read as a bitmap";
        case BmpError::NoMemory:
            return "does not fit in memory";
    }
    return "";
}
