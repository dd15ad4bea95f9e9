#pragma once
// The screens the clock may stand on, as the window system has them: its monitors.

#include "model/placement.h"

class DisplayScreens : public Screens {
public:
    // The monitor nearest to the window, as the window system picks it.
    Rect Nearest(const Rect& window) const override;
    bool AnyShows(const Rect& window) const override;
    int Dpi(Point point) const override;
};
