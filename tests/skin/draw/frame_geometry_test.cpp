#include "skin/draw/frame_geometry.h"

#include <gtest/gtest.h>

namespace aw::skin {
namespace {

TEST(FrameRect, SideBySideFramesAreEqualColumns)
{
    EXPECT_EQ(FrameRect(100, 23, 5, 3, false), MakeRect(40, 0, 20, 23));
    EXPECT_EQ(FrameRect(100, 23, 5, 1, false), MakeRect(0, 0, 20, 23));
    EXPECT_EQ(FrameRect(100, 23, 5, 5, false), MakeRect(80, 0, 20, 23));
}

TEST(FrameRect, StackedFramesAreEqualRows)
{
    EXPECT_EQ(FrameRect(60, 62, 2, 2, true), MakeRect(0, 31, 60, 31));
}

TEST(FrameRect, OddWidthsGiveEqualFramesAndDropTheRemainder)
{
    EXPECT_EQ(FrameRect(104, 10, 5, 5, false), MakeRect(80, 0, 20, 10));
}

TEST(FrameRect, OutOfRangeIndexesAndCountsAreClamped)
{
    EXPECT_EQ(FrameRect(90, 10, 3, 0, false), MakeRect(0, 0, 30, 10));
    EXPECT_EQ(FrameRect(90, 10, 3, 4, false), MakeRect(60, 0, 30, 10));
    EXPECT_EQ(FrameRect(90, 10, 0, 2, false), MakeRect(0, 0, 90, 10));
}

TEST(FitMargins, SmallDestinationsLoseBothMarginsOfThatDirection)
{
    const Margins m{5, 4, 5, 4};
    EXPECT_EQ(FitMargins(m, 10, 8), m);  // exactly enough room keeps them
    EXPECT_EQ(FitMargins(m, 9, 8), (Margins{0, 4, 0, 4}));
    EXPECT_EQ(FitMargins(m, 10, 7), (Margins{5, 0, 5, 0}));
}

TEST(PlanNinePart, PiecesComeInTheDrawingOrder)
{
    // A 12×12 frame at x = 12 (frame 2 of 2), margins 2/3/4/5, over a 40×30 destination.
    const Rect frame = MakeRect(12, 0, 12, 12);
    const DrawPlan plan = PlanNinePart(frame, MakeRect(100, 50, 40, 30), Margins{2, 3, 4, 5}, false);
    EXPECT_EQ(plan.placement, MakeRect(100, 50, 40, 30));
    ASSERT_EQ(plan.blits.size(), 9u);
    const Rect expectedDest[] = {
        MakeRect(0, 0, 2, 3),     // top-left
        MakeRect(0, 25, 2, 5),    // bottom-left
        MakeRect(36, 0, 4, 3),    // top-right
        MakeRect(0, 3, 2, 22),    // left edge
        MakeRect(2, 0, 34, 3),    // top edge
        MakeRect(2, 3, 34, 22),   // centre
        MakeRect(36, 25, 4, 5),   // bottom-right
        MakeRect(36, 3, 4, 22),   // right edge
        MakeRect(2, 25, 34, 5),   // bottom edge
    };
    const Rect expectedSource[] = {
        MakeRect(12, 0, 2, 3), MakeRect(12, 7, 2, 5), MakeRect(20, 0, 4, 3),
        MakeRect(12, 3, 2, 4), MakeRect(14, 0, 6, 3), MakeRect(14, 3, 6, 4),
        MakeRect(20, 7, 4, 5), MakeRect(20, 3, 4, 4), MakeRect(14, 7, 6, 5),
    };
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(plan.blits[i].dest, expectedDest[i]) << "piece " << i;
        EXPECT_EQ(plan.blits[i].source, expectedSource[i]) << "piece " << i;
        EXPECT_EQ(plan.blits[i].mode, BlitMode::Stretch) << "piece " << i;
    }
}

TEST(PlanNinePart, NarrowDestinationStretchesTheCentreOverTheWholeWidth)
{
    const DrawPlan plan = PlanNinePart(MakeRect(0, 0, 20, 10), MakeRect(0, 0, 6, 10), Margins{5, 2, 5, 2}, false);
    // No corners or side edges are left; top edge, centre and bottom edge span all 6 pixels.
    ASSERT_EQ(plan.blits.size(), 3u);
    EXPECT_EQ(plan.blits[0].dest, MakeRect(0, 0, 6, 2));
    EXPECT_EQ(plan.blits[1].dest, MakeRect(0, 2, 6, 6));
    EXPECT_EQ(plan.blits[1].source, MakeRect(0, 2, 20, 6));
    EXPECT_EQ(plan.blits[2].dest, MakeRect(0, 8, 6, 2));
}

TEST(PlanNinePart, TiledCentreOverrunsAndTheRightEdgeComesAfterIt)
{
    // Centre 7 wide, gap 20 wide: three tiles reach x = 2 + 21, one past the gap.
    const DrawPlan plan = PlanNinePart(MakeRect(0, 0, 11, 11), MakeRect(0, 0, 24, 11), Margins{2, 2, 2, 2}, true);
    std::size_t centre = plan.blits.size(), rightEdge = plan.blits.size();
    for (std::size_t i = 0; i < plan.blits.size(); ++i) {
        if (plan.blits[i].mode == BlitMode::Tile) centre = i;
        if (plan.blits[i].dest == MakeRect(22, 2, 2, 7)) rightEdge = i;
    }
    ASSERT_LT(centre, plan.blits.size());
    ASSERT_LT(rightEdge, plan.blits.size());
    EXPECT_EQ(plan.blits[centre].dest, MakeRect(2, 2, 21, 7));
    EXPECT_GT(rightEdge, centre);
}

TEST(PlanNinePart, InvertedOrEmptyDestinationsDrawNothing)
{
    const Rect frame = MakeRect(0, 0, 10, 10);
    EXPECT_TRUE(PlanNinePart(frame, Rect{10, 0, 5, 10}, Margins{}, false).IsEmpty());
    EXPECT_TRUE(PlanNinePart(frame, Rect{0, 10, 10, 5}, Margins{}, false).IsEmpty());
    EXPECT_TRUE(PlanNinePart(frame, Rect{3, 3, 3, 9}, Margins{}, false).IsEmpty());
    EXPECT_TRUE(PlanNinePart(Rect{}, MakeRect(0, 0, 5, 5), Margins{}, false).IsEmpty());
}

TEST(PlanNinePart, MarginsWiderThanTheFrameNeverReadOutsideIt)
{
    const Rect frame = MakeRect(10, 0, 10, 10);
    const DrawPlan plan = PlanNinePart(frame, MakeRect(0, 0, 50, 50), Margins{8, 8, 8, 8}, true);
    ASSERT_FALSE(plan.blits.empty());
    for (const Blit& blit : plan.blits) {
        EXPECT_EQ(Intersect(blit.source, frame), blit.source);
        EXPECT_FALSE(blit.source.IsEmpty());
    }
}

TEST(PlanThreePart, MiddleRepeatsFromTheLeftMarginAndTheRightPartComesLast)
{
    // Frame 10 wide: 3 left, 4 middle, 3 right; a 20-pixel buffer leaves 14 for the middle.
    const DrawPlan plan = PlanThreePart(MakeRect(0, 8, 10, 8), MakeRect(5, 5, 20, 30), 3, 3);
    ASSERT_EQ(plan.blits.size(), 3u);
    EXPECT_EQ(plan.blits[0].dest, MakeRect(0, 0, 3, 30));
    EXPECT_EQ(plan.blits[0].source, MakeRect(0, 8, 3, 8));
    EXPECT_EQ(plan.blits[1].mode, BlitMode::TileAcross);
    EXPECT_EQ(plan.blits[1].source, MakeRect(3, 8, 4, 8));
    EXPECT_EQ(plan.blits[1].dest, MakeRect(3, 0, 16, 30));  // four copies, the last overrunning
    EXPECT_EQ(plan.blits[2].dest, MakeRect(17, 0, 3, 30));
}

TEST(PlanThreePart, AFrameWithoutMiddleColumnsRepeatsNothing)
{
    const DrawPlan plan = PlanThreePart(MakeRect(0, 0, 6, 8), MakeRect(0, 0, 50, 8), 3, 3);
    ASSERT_EQ(plan.blits.size(), 2u);
    EXPECT_EQ(plan.blits[1].dest, MakeRect(47, 0, 3, 8));
}

TEST(PlanCentred, SpareSpaceIsHalvedAndAnOversizedFrameIsCut)
{
    const DrawPlan fits = PlanCentred(MakeRect(16, 0, 16, 16), MakeRect(10, 10, 25, 20));
    EXPECT_EQ(fits.placement, MakeRect(14, 12, 16, 16));
    ASSERT_EQ(fits.blits.size(), 1u);
    EXPECT_EQ(fits.blits[0].source, MakeRect(16, 0, 16, 16));

    const DrawPlan cut = PlanCentred(MakeRect(0, 0, 20, 20), MakeRect(0, 0, 10, 30));
    EXPECT_EQ(cut.placement, MakeRect(0, 5, 10, 20));
    ASSERT_EQ(cut.blits.size(), 1u);
    EXPECT_EQ(cut.blits[0].source, MakeRect(5, 0, 10, 20));
}

TEST(PlanStretched, CoversTheRectangle)
{
    const DrawPlan plan = PlanStretched(MakeRect(35, 0, 35, 21), MakeRect(4, 5, 28, 18));
    EXPECT_EQ(plan.placement, MakeRect(4, 5, 28, 18));
    ASSERT_EQ(plan.blits.size(), 1u);
    EXPECT_EQ(plan.blits[0].dest, MakeRect(0, 0, 28, 18));
    EXPECT_EQ(plan.blits[0].source, MakeRect(35, 0, 35, 21));
}

}  // namespace
}  // namespace aw::skin
