#pragma once
// One paint's own work done the plain way: each step as simply as it can be written, the turn
// pixel by pixel and the shape run by run.

#include <string_view>

#include "face/dock_mode.h"
#include "bench/paint_tick.h"

// Stamps the glyphs of `time` onto `face`, which holds a copy of the background, white letting the
// background through; every glyph hangs from one top edge and the line is centred on the
// background, each half taken before the subtraction.
void StampTime(const Skin& skin, std::string_view time, PixelImage& face);

// A fresh copy of the background with the glyphs of `time` stamped on.
void ComposeUnturned(const Skin& skin, std::string_view time, PixelImage& face);

// ComposeUnturned into `face`, then RotateByPixels for a side edge and ZoomByPixels, then
// RunByRunRegion when the skin's shape follows its face.
void ReferenceTick(const Skin& skin, std::string_view time, DockMode mode, int zoom,
                   PixelImage& face, TickResult& result);
