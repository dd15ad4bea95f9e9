#include "about/label_geometry.h"

Rect FitLabelToText(Rect label, int textWidth, int textHeight, unsigned style) {
    if (style & kStaticCenterImage) {
        const int margin = (label.bottom - label.top - textHeight) / 2;
        label.top += margin;
        label.bottom -= margin;
    } else {
        label.bottom = label.top + textHeight;
    }
    if (style & kStaticCenter) {
        const int margin = (label.right - label.left - textWidth) / 2;
        label.left += margin;
        label.right -= margin;
    } else if (style & kStaticRight) {
        label.left = label.right - textWidth;
    } else {
        label.right = label.left + textWidth;
    }
    return label;
}
