#pragma once
// Where a new clock goes: beside the one it comes from, on the same monitor, over no other.

#include <optional>
#include <span>

#include "base/geometry.h"

// The top-left of a free place for a window the size of `from` within `work`: the nearest to
// `from` of the places a whole window's width or height away from it, row by row, that lie
// within `work` and overlap none of `taken` (`from` among them). None when the monitor is full.
std::optional<Point> FreePlace(const Rect& from, const Rect& work, std::span<const Rect> taken);
