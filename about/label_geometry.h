#pragma once
// Where a static text label stands once it is fitted to its text.

#include "base/geometry.h"

// The style bits of a static control that place its text (SS_CENTER, SS_RIGHT, SS_CENTERIMAGE).
constexpr unsigned kStaticCenter = 0x0001;
constexpr unsigned kStaticRight = 0x0002;
constexpr unsigned kStaticCenterImage = 0x0200;

// Fits `label` to text of the given size the way the text is aligned in it. Vertically centred
// labels keep their middle, others their top; horizontally centred labels keep their middle,
// right-aligned ones their right edge, the rest their left edge. The centring margin is halved
// toward zero, so an odd difference leaves the label one pixel wider than the text, and text
// wider than the label grows it on both sides. SS_CENTER wins over SS_RIGHT.
Rect FitLabelToText(Rect label, int textWidth, int textHeight, unsigned style);
