#pragma once
// What loading an image file came to: nothing wrong, or why its format's reader refused it, in
// the words the user is shown. The readers only report; whoever asked for the image decides
// what the user sees.

#include "image/targa_decoder.h"

// Why a BMP file could not be loaded.
enum class BmpError {
    None,
    CannotOpen,  // missing, or held by a program that shares it with nobody
    NotBmp,
    Empty,       // declares no pixels
    TooLarge,    // more pixels than the clock is willing to allocate
    Incomplete,  // ends before all that its headers promise
    Unreadable,  // the platform's loader refused it
    NoMemory,
};

// The reason as the user reads it, after the file's name; "" for None.
const char* BmpErrorText(BmpError error);

class [[nodiscard]] ImageLoad {
public:
    ImageLoad() = default;
    ImageLoad(BmpError error) : bmp(error) {}
    ImageLoad(TargaError error) : targa(error) {}

    // True when the image was loaded.
    explicit operator bool() const { return bmp == BmpError::None && targa == TargaError::None; }
    // Why it was not, as the user reads it; "" when it was.
    const char* Text() const {
        return targa != TargaError::None ? TargaMessage(targa) : BmpErrorText(bmp);
    }
    bool operator==(const ImageLoad&) const = default;

private:
    BmpError bmp = BmpError::None;
    TargaError targa = TargaError::None;
};
