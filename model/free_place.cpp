#include "model/free_place.h"

#include <algorithm>
#include <vector>

namespace {

// 0, then 1, -1, 2, -2 ... as far as `before` steps back and `after` steps on.
std::vector<int> NearestFirst(int before, int after) {
    std::vector<int> steps{0};
    for (int step = 1; step <= std::max(before, after); ++step) {
        if (step <= after)
            steps.push_back(step);
        if (step <= before)
            steps.push_back(-step);
    }
    return steps;
}

}  // namespace

std::optional<Point> FreePlace(const Rect& from, const Rect& work, std::span<const Rect> taken) {
    const Size size = from.Extent();
    if (size.width <= 0 || size.height <= 0)
        return std::nullopt;
    // The same row first, so that a clock docked on an edge stays on it; right before left, down
    // before up, whole windows at a time.
    for (const int row : NearestFirst((from.top - work.top) / size.height,
                                      (work.bottom - from.bottom) / size.height)) {
        for (const int column : NearestFirst((from.left - work.left) / size.width,
                                             (work.right - from.right) / size.width)) {
            const Rect place =
                Rect::At({from.left + column * size.width, from.top + row * size.height}, size);
            if (std::none_of(taken.begin(), taken.end(), [&](const Rect& other) {
                    return !Intersection(place, other).IsEmpty();
                }))
                return place.Origin();
        }
    }
    return std::nullopt;
}
