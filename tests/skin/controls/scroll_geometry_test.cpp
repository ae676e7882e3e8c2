// The skinned scroll bar's arithmetic: thumb placement, hit testing, dragging and layout.

#include <gtest/gtest.h>

#include "skin/controls/scroll_geometry.h"

namespace aw::skin {
namespace {

// A 200-pixel bar with 16-pixel arrows leaves 168 pixels between them.
constexpr int kLength = 200;
constexpr int kArrow = 16;

TEST(ScrollGeometry, MulDivRoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDivRound(5, 1, 2), 3);
    EXPECT_EQ(MulDivRound(-5, 1, 2), -3);
    EXPECT_EQ(MulDivRound(7, 1, -2), -4);
    EXPECT_EQ(MulDivRound(1, 1, 0), -1);
    // No 32-bit overflow in the product.
    EXPECT_EQ(MulDivRound(100000, 100000, 1000000), 10000);
}

TEST(ScrollGeometry, ThumbWithAPageIsProportional)
{
    // Range 0..99, page 10: 168 * 9 / 99 = 15.27 -> 15 pixels; at 45: 168 * 45 / 99 = 76.4 -> 76.
    ThumbSpan top = ThumbFromRange(kLength, kArrow, {0, 99, 10, 0});
    EXPECT_EQ(top.start, 16);
    EXPECT_EQ(top.end, 31);
    ThumbSpan middle = ThumbFromRange(kLength, kArrow, {0, 99, 10, 45});
    EXPECT_EQ(middle.start, 92);
    EXPECT_EQ(middle.Length(), 15);
}

TEST(ScrollGeometry, TinyPageGivesTheEightPixelThumbOverAShorterTrack)
{
    // Range 0..999, page 2: 168 / 999 rounds to 0, so 8 pixels over 160: 160 * 500 / 999 = 80.08.
    ThumbSpan thumb = ThumbFromRange(kLength, kArrow, {0, 999, 2, 500});
    EXPECT_EQ(thumb.start, 96);
    EXPECT_EQ(thumb.end, 104);
}

TEST(ScrollGeometry, WithoutAPageTheThumbIsAsLongAsAnArrow)
{
    // 200 - 48 = 152 pixels of travel; position 10 of 10..30 is the start, 30 the end.
    EXPECT_EQ(ThumbFromRange(kLength, kArrow, {10, 30, 0, 10}).start, 16);
    ThumbSpan end = ThumbFromRange(kLength, kArrow, {10, 30, 0, 30});
    EXPECT_EQ(end.start, 168);
    EXPECT_EQ(end.end, 184);  // touches the second arrow
}

TEST(ScrollGeometry, EmptyRangeKeepsTheThumbAtTheFirstArrow)
{
    ThumbSpan thumb = ThumbFromRange(kLength, kArrow, {5, 5, 0, 5});
    EXPECT_EQ(thumb.start, kArrow);
    EXPECT_EQ(thumb.Length(), kArrow);
    // A position off the minimum moves by a negligible amount over the stand-in range.
    EXPECT_EQ(ThumbFromRange(kLength, kArrow, {5, 5, 0, 6}).start, kArrow);
}

TEST(ScrollGeometry, HitTestWalksThePartsAlongTheAxis)
{
    const ThumbSpan thumb{60, 90};
    EXPECT_EQ(HitTestScrollBar(0, kArrow, kLength, thumb), ScrollPart::FirstArrow);
    EXPECT_EQ(HitTestScrollBar(15, kArrow, kLength, thumb), ScrollPart::FirstArrow);
    EXPECT_EQ(HitTestScrollBar(16, kArrow, kLength, thumb), ScrollPart::TrackBefore);
    EXPECT_EQ(HitTestScrollBar(60, kArrow, kLength, thumb), ScrollPart::Thumb);
    EXPECT_EQ(HitTestScrollBar(89, kArrow, kLength, thumb), ScrollPart::Thumb);
    EXPECT_EQ(HitTestScrollBar(90, kArrow, kLength, thumb), ScrollPart::TrackAfter);
    EXPECT_EQ(HitTestScrollBar(183, kArrow, kLength, thumb), ScrollPart::TrackAfter);
    EXPECT_EQ(HitTestScrollBar(184, kArrow, kLength, thumb), ScrollPart::SecondArrow);
}

TEST(ScrollGeometry, DraggedThumbFollowsTheCursorBetweenTheArrows)
{
    EXPECT_EQ(DraggedThumbStart(60, 25, kArrow, kLength, 30), 85);
    EXPECT_EQ(DraggedThumbStart(60, -100, kArrow, kLength, 30), kArrow);
    EXPECT_EQ(DraggedThumbStart(60, 500, kArrow, kLength, 30), kLength - kArrow - 30);
}

TEST(ScrollGeometry, LayoutOfAVerticalBar)
{
    // The shipped arrow image is 17 high; 16-pixel arrows draw it 17 thick, 20-pixel ones 20.
    EXPECT_EQ(PartThickness(17, 16), 17);
    EXPECT_EQ(PartThickness(17, 20), 20);

    ScrollBarLayout layout = LayoutScrollBar(true, 16, 200, 16, 17, ThumbSpan{60, 90}, 17);
    EXPECT_EQ(layout.track, (Rect{0, 16, 16, 184}));
    EXPECT_EQ(layout.firstArrow, (Rect{0, 0, 17, 16}));
    EXPECT_EQ(layout.secondArrow, (Rect{0, 184, 17, 200}));
    EXPECT_EQ(layout.thumb, (Rect{0, 60, 17, 90}));
    ASSERT_TRUE(layout.hasGrip);
    EXPECT_EQ(layout.grip, (Rect{0, 66, 17, 83}));  // centred on the thumb

    // A thumb shorter than the grip less 2 shows none; a bar shorter than two arrows halves them.
    EXPECT_FALSE(LayoutScrollBar(true, 16, 200, 16, 17, ThumbSpan{60, 74}, 17).hasGrip);
    ScrollBarLayout squeezed = LayoutScrollBar(false, 20, 16, 16, 17, ThumbSpan{16, 32}, 17);
    EXPECT_EQ(squeezed.firstArrow, (Rect{0, 0, 10, 17}));
    EXPECT_EQ(squeezed.secondArrow, (Rect{10, 0, 20, 17}));
}

TEST(ScrollGeometry, PartFramesFollowHoverPressAndDisabling)
{
    EXPECT_EQ(ArrowFrame(true, false, {}, true), 9);
    EXPECT_EQ(ArrowFrame(true, true, {true, false}, true), 16);   // hover
    EXPECT_EQ(ArrowFrame(false, true, {true, true}, true), 6);    // pressed
    EXPECT_EQ(ArrowFrame(false, false, {true, true}, false), 3);  // a disabled bar ignores the mouse
    EXPECT_EQ(ThumbFrame({true, true}), 2);
    EXPECT_EQ(ThumbFrame({true, false}), 3);
    EXPECT_EQ(GripFrame(true, {true, false}), 22);
    EXPECT_EQ(GripFrame(false, {true, true}), 18);
    EXPECT_EQ(TrackFrame(false), 3);
}

}  // namespace
}  // namespace aw::skin
