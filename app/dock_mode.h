#pragma once

// Where the clock stands. The values are fixed; 3 is never used.
enum DockMode : int {
    DockLeft = 0,
    DockRight = 1,
    DockTop = 2,
    Floating = 4,
};
