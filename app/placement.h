#pragma once
// Where the clock stands: the arithmetic of docking, dodging and coming home.

#include "app/dock_mode.h"
#include "app/face_layout.h"

// Pulls `position` onto the edge of `mode`: x to the edge and y within the screen on the sides,
// y to 0 and x within the screen on top; a floating clock stays where it is. The lower bound
// goes first, so a window larger than the screen ends up at the far edge, partly off-screen.
Point ClampToEdge(Point position, Size window, Size screen, DockMode mode);

// Where auto move puts the clock out of the pointer's way: half a screen up or down on the
// sides, left or right otherwise. The jump is not clamped.
Point DodgeJump(Point position, Size window, Size screen, DockMode mode);

// Whether the pointer lies on the clock's resting place: its left column and top row count
// as inside, the column and row just past its right and bottom edges as outside.
constexpr bool InsideHome(Point pointer, Point home, Size window) {
    return pointer.x >= home.x && pointer.x < home.x + window.width && pointer.y >= home.y &&
           pointer.y < home.y + window.height;
}
