#pragma once
// How much the face grows on a screen of high DPI: every pixel of the skin becomes a block of
// zoom x zoom screen pixels, so the face keeps its size to the eye and never blurs.

#include "base/geometry.h"

inline constexpr int kMaxZoom = 3;

// The zoom of a screen of `dpi` dots per inch: its ratio to 96 rounded to the nearest whole
// number, at least 1.
constexpr int AutomaticZoom(int dpi) {
    const int rounded = (dpi + 48) / 96;
    return rounded < 1 ? 1 : rounded;
}

// The zoom the face of `size` (as the skin draws it) is shown at: `chosen` from 1 to kMaxZoom,
// or with 0 (or anything else) the automatic one for `dpi`; but never so large that the face
// would hold more pixels than a picture may.
int FaceZoom(int chosen, int dpi, Size size);
