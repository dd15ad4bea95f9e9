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

// Why a PNG file could not be loaded.
enum class PngError {
    None,
    CannotOpen,
    NotPng,
    Empty,
    TooLarge,
    Undecodable,  // the platform's decoder refused it: damaged, cut off or of a kind it lacks
    NoMemory,
};

const char* PngErrorText(PngError error);

class [[nodiscard]] ImageLoad {
public:
    ImageLoad() = default;
    ImageLoad(BmpError error) : bmp(error) {}
    ImageLoad(TargaError error) : targa(error) {}
    ImageLoad(PngError error) : png(error) {}

    // True when the image was loaded.
    explicit operator bool() const {
        return bmp == BmpError::None && targa == TargaError::None && png == PngError::None;
    }
    // Why it was not, as the user reads it; "" when it was.
    const char* Text() const {
        if (png != PngError::None)
            return PngErrorText(png);
        return targa != TargaError::None ? TargaMessage(targa) : BmpErrorText(bmp);
    }
    bool operator==(const ImageLoad&) const = default;

private:
    BmpError bmp = BmpError::None;
    TargaError targa = TargaError::None;
    PngError png = PngError::None;
};
