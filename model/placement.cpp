#include "model/placement.h"

namespace {

int Within(int value, int lowest, int highest) {
    if (value < lowest)
        value = lowest;
    if (value > highest)
        value = highest;
    return value;
}

bool OnASide(DockMode mode) {
    return mode == DockLeft || mode == DockRight;
}

bool Docked(DockMode mode) {
    return OnASide(mode) || mode == DockTop;
}

}  // namespace

void Placement::PlaceAt(Point at) {
    position = at;
    home = at;
}

Point Placement::Settle(Size size, const Screens& screens) {
    window = size;
    position = ClampToEdge(position, screens.Nearest(Rect::At(position, window)));
    home = position;
    return position;
}

std::optional<Point> Placement::ScreensChanged(const Screens& screens) {
    const Rect resting = Rect::At(home, window);
    const Rect screen = screens.Nearest(resting);
    Point to = ClampToEdge(home, screen);
    if (!Docked(mode) && !screens.AnyShows(resting)) {
        to = {Within(home.x, screen.left, screen.right - window.width),
              Within(home.y, screen.top, screen.bottom - window.height)};
    }
    if (to == position && to == home)
        return std::nullopt;
    position = to;
    home = to;
    return to;
}

Point Placement::ZoomAnchor() const {
    return dragging ? dragPointer : Rect::At(home, window).Middle();
}

Point Placement::Regrow(Size size, Point anchor, const Screens& screens) {
    if (dragging && window.width > 0 && window.height > 0) {
        dragOffset = {dragOffset.x * size.width / window.width,
                      dragOffset.y * size.height / window.height};
        position = {anchor.x - dragOffset.x, anchor.y - dragOffset.y};
    } else {
        position = {anchor.x - size.width / 2, anchor.y - size.height / 2};
    }
    return Settle(size, screens);
}

void Placement::Adopt(const Rect& rect) {
    if (AtHome())
        home = rect.Origin();
    position = rect.Origin();
    window = rect.Extent();
}

void Placement::StartDrag(Point pointer, Point origin) {
    if (locked)
        return;
    dragging = true;
    dragPointer = pointer;
    dragOffset = {pointer.x - origin.x, pointer.y - origin.y};
}

std::optional<Point> Placement::DragTo(Point pointer, const Screens& screens) {
    if (!dragging)
        return std::nullopt;
    dragPointer = pointer;
    const Point grabbed{pointer.x - dragOffset.x, pointer.y - dragOffset.y};
    position = ClampToEdge(grabbed, screens.Nearest(Rect::At(grabbed, window)));
    home = position;
    return position;
}

std::optional<Point> Placement::Dodge(Modifiers keys, const Screens& screens) {
    if (!autoMove || locked || keys.shift || keys.control || !AtHome())
        return std::nullopt;
    const Rect screen = screens.Nearest(Rect::At(position, window));
    if (OnASide(mode)) {
        const int half = screen.Height() / 2;
        position.y += position.y - screen.top > half ? -half : half - window.height;
    } else {
        const int half = screen.Width() / 2;
        position.x += position.x - screen.left > half ? -half : half - window.width;
    }
    return position;
}

std::optional<Point> Placement::ReturnHome(Point pointer) {
    if (AtHome() || Rect::At(home, window).Contains(pointer))
        return std::nullopt;
    position = home;
    return position;
}

Point Placement::ClampToEdge(Point at, const Rect& screen) const {
    switch (mode) {
        case DockLeft:
            return {screen.left, Within(at.y, screen.top, screen.bottom - window.height)};
        case DockRight:
            return {screen.right - window.width,
                    Within(at.y, screen.top, screen.bottom - window.height)};
        case DockTop:
            return {Within(at.x, screen.left, screen.right - window.width), screen.top};
        default:
            return at;
    }
}
