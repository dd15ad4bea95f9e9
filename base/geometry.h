#pragma once
// Points, sizes and rectangles in pixels: the plain values that placement, the face and the
// window shape are computed in, on every platform.

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Left and top inside, right and bottom one past the last column and row, as the platform's
// rectangles are.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect At(Point origin, Size size) {
        return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr Point Origin() const { return {left, top}; }
    constexpr Size Extent() const { return {Width(), Height()}; }
    constexpr Point Middle() const { return {left + Width() / 2, top + Height() / 2}; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    // Whether every point of `other` lies in this rectangle too.
    constexpr bool Covers(const Rect& other) const {
        return left <= other.left && top <= other.top && right >= other.right &&
               bottom >= other.bottom;
    }
    bool operator==(const Rect&) const = default;
};

// The part of `a` that `b` covers too; empty (not necessarily all zero) where they do not meet.
constexpr Rect Intersection(const Rect& a, const Rect& b) {
    return {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
            a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}
