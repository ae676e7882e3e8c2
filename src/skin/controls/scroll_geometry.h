#pragma once
// The arithmetic of a skinned scroll bar, along its axis: where the thumb lies for a scroll
// range, which part a point hits, where a dragged thumb is drawn, and how the parts are laid
// out and which frame of the skin's images each one shows. No drawing here; the bar window
// executes these results with GDI.

#include "skin/draw/rect.h"

namespace aw::skin {

// The platform's MulDiv: a * b / c over 64 bits, rounded half away from zero; -1 when c is 0.
int MulDivRound(int a, int b, int c);

struct ScrollRange {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
};

struct ThumbSpan {
    int start = 0;
    int end = 0;
    int Length() const { return end - start; }
};

// The thumb of a bar `length` long with arrows `arrow` long, for a scroll-bar control's range.
ThumbSpan ThumbFromRange(int length, int arrow, const ScrollRange& range);

// Parts in the order the hit test numbers them.
enum class ScrollPart { None = -1, FirstArrow = 0, SecondArrow = 1, TrackBefore = 2, TrackAfter = 3, Thumb = 5 };

ScrollPart HitTestScrollBar(int p, int arrow, int length, const ThumbSpan& thumb);

// Where a dragged thumb starts: where it started at the press plus the cursor's movement since
// then, kept between the arrows.
int DraggedThumbStart(int startAtPress, int cursorDelta, int arrow, int length, int thumbLength);

// The thickness the parts are drawn with: the Scrollbar image's height, unless it differs from
// the arrow size by more than 2 pixels.
int PartThickness(int imageHeight, int arrow);

struct ScrollBarLayout {
    Rect track;
    Rect firstArrow;
    Rect secondArrow;
    Rect thumb;
    Rect grip;
    bool hasGrip = false;
};

// Lays the parts out in a bar of width x height (the axis is the height when vertical).
// `gripLength` is the grip image's length along the axis.
ScrollBarLayout LayoutScrollBar(bool vertical, int width, int height, int arrow, int thickness,
                                const ThumbSpan& thumb, int gripLength);

// Frames of the skin's scroll-bar images.
struct ScrollPartState {
    bool hot = false;
    bool pressed = false;
};
int ArrowFrame(bool vertical, bool second, const ScrollPartState& state, bool enabled);
int ThumbFrame(const ScrollPartState& state);
int GripFrame(bool vertical, const ScrollPartState& state);
int TrackFrame(bool enabled);

}  // namespace aw::skin
