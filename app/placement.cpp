#include "app/placement.h"

namespace {

int Within(int value, int lowest, int highest) {
    if (value < lowest)
        value = lowest;
    if (value > highest)
        value = highest;
    return value;
}

}  // namespace

Point ClampToEdge(Point position, Size window, Size screen, DockMode mode) {
    switch (mode) {
        case DockLeft:
            return {0, Within(position.y, 0, screen.height - window.height)};
        case DockRight:
            return {screen.width - window.width,
                    Within(position.y, 0, screen.height - window.height)};
        case DockTop:
            return {Within(position.x, 0, screen.width - window.width), 0};
        default:
            return position;
    }
}

Point DodgeJump(Point position, Size window, Size screen, DockMode mode) {
    if (mode == DockLeft || mode == DockRight) {
        const int half = screen.height / 2;
        return {position.x,
                position.y > half ? position.y - half : position.y + half - window.height};
    }
    const int half = screen.width / 2;
    return {position.x > half ? position.x - half : position.x + half - window.width, position.y};
}
