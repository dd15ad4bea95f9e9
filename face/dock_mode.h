#pragma once
// Where the clock stands, and the turn that gives its face.

// Where the clock stands. The values are fixed; 3 is never used.
enum DockMode : int {
    DockLeft = 0,
    DockRight = 1,
    DockTop = 2,
    Floating = 4,
};

// The quarter turn that docking to `mode`'s edge gives the face: 90, 270, or 0 for none.
constexpr int TurnFor(DockMode mode) {
    return mode == DockRight ? 90 : mode == DockLeft ? 270 : 0;
}
