#pragma once
// Plain geometry shared by the drawing primitives: a rectangle in the usual left/top inclusive,
// right/bottom exclusive convention, and the four unscaled margins of a skin element.

#include <algorithm>

namespace aw::skin {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    // Right of left or below top: such a destination draws nothing at all.
    bool IsInverted() const { return right < left || bottom < top; }
    bool operator==(const Rect& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const Rect& other) const { return !(*this == other); }
};

inline Rect MakeRect(int x, int y, int width, int height) { return Rect{x, y, x + width, y + height}; }

inline Rect Intersect(const Rect& a, const Rect& b)
{
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.IsEmpty()) return Rect{};
    return r;
}

inline Rect Offset(const Rect& r, int dx, int dy) { return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// LeftWidth, TopHeight, RightWidth, BottomHeight of an element: the parts kept unscaled.
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Margins& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

}  // namespace aw::skin
