#pragma once
// The screens the clock may stand on, as the window system has them.

#include "app/placement.h"

class DisplayScreens : public Screens {
public:
    // The primary screen, whatever the window.
    Rect Nearest(const Rect& window) const override;
};
