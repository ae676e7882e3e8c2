#include "skin/controls/scroll_geometry.h"

#include <algorithm>
#include <cstdint>

namespace aw::skin {

namespace {

constexpr int kMinimumThumb = 8;
constexpr int kEqualRangeStandIn = 9999999;

// Frames of the 23-frame Scrollbar image: four per arrow (normal, pressed, disabled, hover),
// then three per grip (normal, pressed, hover).
constexpr int kLeftArrowFrame = 1;
constexpr int kRightArrowFrame = 5;
constexpr int kUpArrowFrame = 9;
constexpr int kDownArrowFrame = 13;
constexpr int kHorzGripFrame = 17;
constexpr int kVertGripFrame = 20;

}  // namespace

int MulDivRound(int a, int b, int c)
{
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    return static_cast<int>(negative ? -quotient : quotient);
}

ThumbSpan ThumbFromRange(int length, int arrow, const ScrollRange& range)
{
    int span = range.maximum - range.minimum;
    if (span == 0) span = kEqualRangeStandIn;
    const int offset = range.position - range.minimum;
    ThumbSpan thumb;
    int thumbLength;
    if (range.page > 0) {
        thumbLength = MulDivRound(length - 2 * arrow, range.page - 1, span);
        if (thumbLength > kMinimumThumb - 1) {
            thumb.start = arrow + MulDivRound(length - 2 * arrow, offset, span);
        } else {
            thumbLength = kMinimumThumb;
            thumb.start = arrow + MulDivRound(length - 2 * arrow - kMinimumThumb, offset, span);
        }
    } else {
        thumbLength = arrow;
        thumb.start = arrow + MulDivRound(length - 3 * arrow, offset, span);
    }
    if (range.position == range.minimum) thumb.start = arrow;
    thumb.end = thumb.start + thumbLength;
    return thumb;
}

ScrollPart HitTestScrollBar(int p, int arrow, int length, const ThumbSpan& thumb)
{
    if (p < arrow) return ScrollPart::FirstArrow;
    if (p < thumb.start) return ScrollPart::TrackBefore;
    if (p < thumb.end) return ScrollPart::Thumb;
    if (p < length - arrow) return ScrollPart::TrackAfter;
    return ScrollPart::SecondArrow;
}

int DraggedThumbStart(int startAtPress, int cursorDelta, int arrow, int length, int thumbLength)
{
    const int highest = length - arrow - thumbLength;
    int start = startAtPress + cursorDelta;
    start = std::min(start, highest);
    return std::max(start, arrow);
}

int PartThickness(int imageHeight, int arrow)
{
    const int difference = imageHeight > arrow ? imageHeight - arrow : arrow - imageHeight;
    return difference > 2 ? arrow : imageHeight;
}

ScrollBarLayout LayoutScrollBar(bool vertical, int width, int height, int arrow, int thickness,
                                const ThumbSpan& thumb, int gripLength)
{
    const int length = vertical ? height : width;
    const int arrowLength = length < 2 * arrow ? length / 2 : arrow;
    // Spans along the axis become rectangles across the bar's thickness.
    auto along = [&](int from, int to, int across) {
        return vertical ? Rect{0, from, across, to} : Rect{from, 0, to, across};
    };
    const int fullAcross = vertical ? width : height;
    ScrollBarLayout layout;
    layout.track = along(arrow, length - arrow, fullAcross);
    layout.firstArrow = along(0, arrowLength, thickness);
    layout.secondArrow = along(length - arrowLength, length, thickness);
    layout.thumb = along(thumb.start, thumb.end, thickness);
    const int gripStart = thumb.start + (thumb.Length() - gripLength) / 2;
    layout.grip = along(gripStart, gripStart + gripLength, thickness);
    layout.hasGrip = gripLength < thumb.Length() + 2 && gripStart >= 0 && gripStart + gripLength <= length;
    return layout;
}

int ArrowFrame(bool vertical, bool second, const ScrollPartState& state, bool enabled)
{
    const int base = vertical ? (second ? kDownArrowFrame : kUpArrowFrame) : (second ? kRightArrowFrame : kLeftArrowFrame);
    if (!enabled) return base + 2;
    if (state.hot) return base + (state.pressed ? 1 : 3);
    return base;
}

int ThumbFrame(const ScrollPartState& state)
{
    if (state.pressed) return 2;
    return state.hot ? 3 : 1;
}

int GripFrame(bool vertical, const ScrollPartState& state)
{
    const int base = vertical ? kVertGripFrame : kHorzGripFrame;
    if (state.pressed) return base + 1;
    return state.hot ? base + 2 : base;
}

int TrackFrame(bool enabled) { return enabled ? 1 : 3; }

}  // namespace aw::skin
