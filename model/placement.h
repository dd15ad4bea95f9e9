#pragma once
// Where the clock stands: docked to an edge of a screen or floating, dragged with the left
// button, and jumping out of the pointer's way in auto-move mode until the pointer has left its
// resting place. The model decides each move from the pointer, the modifier keys and the
// screens; the window asks it and makes the moves.

#include <optional>

#include "base/geometry.h"
#include "face/dock_mode.h"

// The screens the clock may stand on, as the window system has them.
class Screens {
public:
    virtual ~Screens() = default;
    // The whole rectangle (not only the work area) of the screen that a window standing at
    // `window` belongs to: the nearest one.
    virtual Rect Nearest(const Rect& window) const = 0;
    // Whether any screen shows part of `window`.
    virtual bool AnyShows(const Rect& window) const = 0;
    // The dots per inch of the screen nearest to `point`.
    virtual int Dpi(Point point) const = 0;
};

// Shift or Ctrl held while the pointer moves: the user is reaching for the clock, to drag it or
// open its menu, and an auto-moving clock stays put.
struct Modifiers {
    bool shift = false;
    bool control = false;
};

class Placement {
public:
    DockMode Mode() const { return mode; }
    void SetMode(DockMode newMode) { mode = newMode; }
    bool AutoMove() const { return autoMove; }
    void FlipAutoMove() { autoMove = !autoMove; }
    // A locked clock stays where it rests: it is neither dragged nor dodges the pointer.
    bool Locked() const { return locked; }
    void SetLocked(bool on) { locked = on; }

    // Where the window was last put, and where the clock rests: the two differ only while it is
    // dodged.
    Point Position() const { return position; }
    Point Home() const { return home; }
    bool AtHome() const { return position == home; }
    Size WindowSize() const { return window; }

    // The clock's resting place before the window has a size of its own, as a start takes it
    // from the settings.
    void PlaceAt(Point at);
    // The window takes `size`, as when a skin is applied: the clock is pulled onto the edge of
    // its dock mode and rests there. Returns where the window goes.
    Point Settle(Size size, const Screens& screens);
    // The screens changed (one came or went, a resolution or the DPI changed): a docked clock
    // goes back onto the edge of the screen nearest to its resting place, and a floating one
    // that no screen shows any more onto the nearest screen, whole. It rests there. Returns where
    // the window goes, if anywhere.
    std::optional<Point> ScreensChanged(const Screens& screens);
    // The point whose screen decides the face's zoom: the pointer during a drag, which the clock
    // follows, else the middle of the clock's resting place.
    Point ZoomAnchor() const;
    // The window takes `size` after a change of zoom, grown or shrunk around `anchor` (the
    // pointer keeps its grab point in proportion during a drag; otherwise the window is centred
    // on `anchor`), then settled as by Settle. A zoom decided at the anchor's screen is then
    // still that screen's, and never flips back and forth on a boundary between screens of
    // different DPI. Returns where the window goes.
    Point Regrow(Size size, Point anchor, const Screens& screens);
    // The window stands at `rect` by the window system's doing, as a clock without a skin does
    // when it is centred: its place and size are taken as they are, and a clock at home rests
    // there.
    void Adopt(const Rect& rect);

    // The left button went down with the pointer at `pointer` on a window at `origin`; a locked
    // clock starts no drag.
    void StartDrag(Point pointer, Point origin);
    // Ends a drag.
    void EndDrag() { dragging = false; }
    bool Dragging() const { return dragging; }
    // Where a dragged clock goes with the pointer at `pointer`: the place the grab point follows,
    // pulled onto the edge of the dock mode on the screen nearest to it, and the clock's resting
    // place from then on. Nothing when no drag is on.
    std::optional<Point> DragTo(Point pointer, const Screens& screens);

    // Where auto move puts the clock when the pointer comes onto it: half its screen away, up or
    // down on the side edges, left or right otherwise, and not pulled back onto the screen.
    // Nothing when auto move is off, the clock is locked, `keys` reach for the clock or it is
    // dodged already.
    std::optional<Point> Dodge(Modifiers keys, const Screens& screens);
    // Where a dodged clock goes on a tick with the pointer at `pointer`: home, once the pointer
    // is off the home rectangle (its left column and top row count as on it, the column and row
    // just past its right and bottom edges as off). Nothing while it stays.
    std::optional<Point> ReturnHome(Point pointer);

private:
    // Pulls `at` onto the edge of the dock mode on `screen`: x to the edge and y within the
    // screen on the sides, y to the top and x within the screen on top; a floating clock stays
    // where it is. The lower bound goes first, so a window larger than the screen ends at the
    // far edge, partly off the screen.
    Point ClampToEdge(Point at, const Rect& screen) const;

    DockMode mode = DockTop;
    bool autoMove = true;
    bool locked = false;
    Point position;
    Point home;
    Size window;
    bool dragging = false;
    Point dragOffset;   // the pointer less the window's top-left when the drag began
    Point dragPointer;  // where the pointer was at the drag's last move
};
