#pragma once
// Stepping aside for full-screen windows: a clock that stays on top of a video, a game or a
// slide show is in the way. It goes behind such a window, which takes it out of the topmost
// band, and comes back on top when the window leaves full screen, closes or loses the
// foreground.

#include "base/geometry.h"

// What the rule needs to know of a foreground window that may be a full-screen one: the
// desktop, the shell's window and the clock's own windows never are.
struct ForegroundWindow {
    Rect rect;
    bool captioned = false;  // it has a title bar
};

// Full-screen windows have no caption and cover their monitor whole.
constexpr bool IsFullScreen(const ForegroundWindow& window, const Rect& monitor) {
    return !window.captioned && window.rect.Covers(monitor);
}

class FullScreenRule {
public:
    // A rule that does not `stepAside` keeps the clock on top of everything.
    explicit FullScreenRule(bool stepAside) : stepAside(stepAside) {}

    // Whether the rule steps aside at all: "fullscreen=stay" in the settings file says not.
    bool StepsAside() const { return stepAside; }
    // Out of the topmost band, behind a full-screen window.
    bool SteppedAside() const { return steppedAside; }

    // Takes whether a full-screen window is in front on the clock's monitor now. True when the
    // clock must change band: behind that window if it now steps aside, back on top otherwise.
    bool Follow(bool fullScreenInFront) {
        if (!stepAside || fullScreenInFront == steppedAside)
            return false;
        steppedAside = fullScreenInFront;
        return true;
    }

private:
    bool stepAside;
    bool steppedAside = false;
};
