#pragma once
// One paint's work on images that live from tick to tick, so that no new pixel memory is touched:
// what the pixel and region work itself costs, apart from the price the system asks the first
// time fresh memory is written.

#include <string_view>

#include "app/dock_mode.h"
#include "bench/bench_skin.h"

struct KeptImages {
    PixelImage face;     // unturned, of the background's size
    PixelImage working;  // the working image of the reference's turn
    PixelImage turned;   // the face turned for a side edge
    UniqueRegion shape;  // empty unless the skin's shape follows its face

    // The face as the window shows it: turned for a side edge, else as composed.
    const PixelImage& Finished(DockMode mode) const;
};

// Makes the images that `skin` and `mode` need, once.
void PrepareKept(const BenchSkin& skin, DockMode mode, KeptImages& images);

// The clock's steps: the background copied, the glyphs laid out and stamped, the face turned by
// TurnQuarter for a side edge and its shape built by CreateRegion.
void KeptPaintTick(const BenchSkin& skin, std::string_view time, DockMode mode, KeptImages& images);

// The reference's steps: the background copied, the glyphs stamped, the face turned pixel by
// pixel into the working image and copied back, its shape built run by run.
void KeptReferenceTick(const BenchSkin& skin, std::string_view time, DockMode mode,
                       KeptImages& images);

// Both gave the same finished face and, where there is one, the same shape.
bool SameKept(const KeptImages& a, const KeptImages& b, DockMode mode);
