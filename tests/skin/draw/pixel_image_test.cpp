#include "skin/draw/pixel_image.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace aw::skin {
namespace {

// Colour of the band a coordinate falls in: 0 before `first`, 1 before `second`, else 2.
int Band(int v, int first, int second) { return v < first ? 0 : (v < second ? 1 : 2); }

// A frame whose nine parts each have their own colour, so a rendered pixel tells which part
// it came from: colour = Rgb(10 + column band, 20 + row band, 0).
PixelImage NineColourFrame(int w, int h, const Margins& m)
{
    PixelImage image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.Set(x, y, Rgb(10 + Band(x, m.left, w - m.right), 20 + Band(y, m.top, h - m.bottom), 0));
    return image;
}

PixelImage Render(const PixelImage& image, const DrawPlan& plan)
{
    PixelImage buffer(plan.placement.Width(), plan.placement.Height(), kMagenta);
    RenderPlan(image, plan, buffer);
    return buffer;
}

TEST(RenderPlan, NinePartCornersStayUnscaledAndEdgesStretch)
{
    const Margins m{3, 2, 4, 5};
    const PixelImage image = NineColourFrame(10, 10, m);
    const PixelImage out = Render(image, PlanNinePart(MakeRect(0, 0, 10, 10), MakeRect(0, 0, 30, 25), m, false));
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            ASSERT_EQ(out.At(x, y), Rgb(10 + Band(x, 3, 26), 20 + Band(y, 2, 20), 0)) << x << "," << y;
        }
    }
}

TEST(RenderPlan, TiledCentreOverrunIsCoveredByTheRightEdge)
{
    // 11-pixel frame, margins 2: the centre columns 2..8 get colours 100..106.
    const Margins m{2, 2, 2, 2};
    PixelImage image = NineColourFrame(11, 11, m);
    for (int y = 2; y < 9; ++y)
        for (int x = 2; x < 9; ++x) image.Set(x, y, Rgb(100 + x - 2, 0, 0));
    const PixelImage out = Render(image, PlanNinePart(MakeRect(0, 0, 11, 11), MakeRect(0, 0, 24, 11), m, true));
    // The gap is x = 2..21: tiles start at 2, 9 and 16; the third tile's last column would be
    // x = 22, where the right edge is.
    EXPECT_EQ(out.At(2, 5), Rgb(100, 0, 0));
    EXPECT_EQ(out.At(9, 5), Rgb(100, 0, 0));
    EXPECT_EQ(out.At(21, 5), Rgb(105, 0, 0));
    EXPECT_EQ(out.At(22, 5), Rgb(12, 21, 0));
    EXPECT_EQ(out.At(23, 5), Rgb(12, 21, 0));
}

TEST(RenderPlan, ThreePartRepeatsTheMiddleAtFullHeight)
{
    PixelImage image(7, 2);
    for (int x = 0; x < 7; ++x) {
        image.Set(x, 0, Rgb(x, 0, 0));
        image.Set(x, 1, Rgb(x, 1, 0));
    }
    // left 2, middle 3 (columns 2..4), right 2; 12 wide, 4 high.
    const PixelImage out = Render(image, PlanThreePart(MakeRect(0, 0, 7, 2), MakeRect(0, 0, 12, 4), 2, 2));
    const int expectedColumn[12] = {0, 1, 2, 3, 4, 2, 3, 4, 2, 3, 5, 6};
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(out.At(x, 0), Rgb(expectedColumn[x], 0, 0)) << x;
        EXPECT_EQ(out.At(x, 3), Rgb(expectedColumn[x], 1, 0)) << x;
    }
}

TEST(CopyOntoKeyed, OnlyExactKeyPixelsLeaveTheTargetUnchanged)
{
    PixelImage target(3, 1, Rgb(1, 2, 3));
    PixelImage source(3, 1);
    source.Set(0, 0, kMagenta);
    source.Set(1, 0, Rgb(254, 0, 255));
    source.Set(2, 0, 0xAAFF00FF);  // a stray high byte does not change the colour
    CopyOntoKeyed(target, source, 0, 0, kMagenta);
    EXPECT_EQ(target.At(0, 0), Rgb(1, 2, 3));
    EXPECT_EQ(target.At(1, 0), Rgb(254, 0, 255));
    EXPECT_EQ(target.At(2, 0), Rgb(1, 2, 3));
}

TEST(CopyDibPixelsUnlessKey, ComparesInDibOrder)
{
    // Key (1, 2, 3) in DIB order is 0x010203; its RGB-order twin 0x030201 is not the key.
    const std::uint32_t source[3] = {0x010203, 0x030201, 0xFF010203};
    std::uint32_t target[3] = {7, 7, 7};
    CopyDibPixelsUnlessKey(source, target, 3, Rgb(1, 2, 3));
    EXPECT_EQ(target[0], 7u);
    EXPECT_EQ(target[1], 0x030201u);
    EXPECT_EQ(target[2], 7u);
}

TEST(Mirror, FlipsRowsAndColumnsInPlace)
{
    PixelImage image(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) image.Set(x, y, Rgb(x, y, 0));
    PixelImage h = image;
    MirrorHorizontally(h);
    EXPECT_EQ(h.At(0, 0), Rgb(2, 0, 0));
    EXPECT_EQ(h.At(2, 1), Rgb(0, 1, 0));
    PixelImage v = image;
    MirrorVertically(v);
    EXPECT_EQ(v.At(0, 0), Rgb(0, 1, 0));
    EXPECT_EQ(v.At(2, 1), Rgb(2, 0, 0));
}

TEST(ReplaceColour, ReplacesOnlyTheExactColour)
{
    PixelImage image(2, 1);
    image.Set(0, 0, kMagenta);
    image.Set(1, 0, Rgb(255, 1, 255));
    ReplaceColour(image, kMagenta, Rgb(9, 9, 9));
    EXPECT_EQ(image.At(0, 0), Rgb(9, 9, 9));
    EXPECT_EQ(image.At(1, 0), Rgb(255, 1, 255));
}

TEST(PaintGradient, PaintsOnlyTheVisibleLinesWithTheirOwnColours)
{
    PixelImage canvas(6, 6, kWhite);
    const std::vector<Colour> lines{Rgb(0, 0, 0), Rgb(1, 0, 0), Rgb(2, 0, 0), Rgb(3, 0, 0)};
    // A vertical gradient over rows 1..4, of which only rows 3..5 are asked for.
    PaintGradient(canvas, MakeRect(0, 3, 6, 3), MakeRect(1, 1, 4, 4), lines, true);
    EXPECT_EQ(canvas.At(1, 2), kWhite);
    EXPECT_EQ(canvas.At(1, 3), Rgb(2, 0, 0));
    EXPECT_EQ(canvas.At(4, 4), Rgb(3, 0, 0));
    EXPECT_EQ(canvas.At(5, 4), kWhite);
    EXPECT_EQ(canvas.At(1, 5), kWhite);
}

TEST(PixelImage, QuarterTurnsMoveTheCornersRoundAndUndoEachOther)
{
    PixelImage image(3, 2, kWhite);
    image.Set(0, 0, kBlack);  // top-left
    image.Set(2, 1, 0x0000FF);  // bottom-right
    const PixelImage clockwise = Rotated(image, true);
    ASSERT_EQ(clockwise.width, 2);
    ASSERT_EQ(clockwise.height, 3);
    EXPECT_EQ(clockwise.At(1, 0), kBlack);      // top-left goes to top-right
    EXPECT_EQ(clockwise.At(0, 2), 0x0000FFu);   // bottom-right to bottom-left
    const PixelImage back = Rotated(clockwise, false);
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.pixels, image.pixels);

    // Two frames of 3 x 2 turned each in place: frame 2's marked pixel stays in frame 2.
    PixelImage strip(6, 2, kWhite);
    strip.Set(3, 0, kBlack);
    const PixelImage frames = FramesRotated(strip, 2, false);
    ASSERT_EQ(frames.width, 4);
    ASSERT_EQ(frames.height, 3);
    EXPECT_EQ(frames.At(2, 2), kBlack);  // counter-clockwise: top-left goes to bottom-left
    EXPECT_EQ(std::count(frames.pixels.begin(), frames.pixels.end(), kBlack), 1);
}

}  // namespace
}  // namespace aw::skin
