#pragma once
// One paint's own work, without the screen: the face composed and turned, and its shape when
// the skin asks for one.

#include <string_view>

#include "app/dock_mode.h"
#include "bench/bench_skin.h"

struct TickResult {
    PixelImage face;
    UniqueRegion shape;  // empty unless the skin's shape follows its face
};

// The clock's own paint work, as its WM_PAINT handler does it before drawing.
void PaintTick(const BenchSkin& skin, std::string_view time, DockMode mode, TickResult& result);

// Identical size and identical bytes, the fourth byte of every pixel included.
bool SamePixels(const PixelImage& a, const PixelImage& b);

// Both ticks gave the same face and, where there is one, the same shape.
bool SameTick(const TickResult& a, const TickResult& b);
