#pragma once
// One paint's own work, without the screen: the face composed and turned, and its shape when
// the skin asks for one.

#include <string_view>

#include "face/clock_face.h"
#include "skin/skin.h"

struct TickResult {
    const PixelImage* face = nullptr;  // held by whoever painted it
    UniqueRegion shape;                // empty unless the skin's shape follows its face
};

// The clock's own paint work, as its tick does it before the window draws the face, in `kept`,
// which shows `skin` and lives from tick to tick as the window's face does.
void PaintTick(const Skin& skin, std::string_view time, ClockFace& kept, TickResult& result);

// Identical size and identical bytes, the fourth byte of every pixel included.
bool SamePixels(const PixelImage& a, const PixelImage& b);

// Both ticks gave the same face and, where there is one, the same shape.
bool SameTick(const TickResult& a, const TickResult& b);
