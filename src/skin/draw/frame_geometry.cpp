#include "skin/draw/frame_geometry.h"

namespace aw::skin {

namespace {

// Number of whole or partial copies of `piece` needed to cover `span`.
int CopiesToCover(int span, int piece) { return piece > 0 && span > 0 ? (span + piece - 1) / piece : 0; }

// Sources are confined to the frame, so margins larger than the frame never read a
// neighbouring frame; a piece left empty (on either side) is simply not drawn.
void AddBlit(DrawPlan& plan, const Rect& frame, const Rect& source, const Rect& dest, BlitMode mode)
{
    Rect clipped = Intersect(source, frame);
    if (clipped.IsEmpty() || dest.IsEmpty()) return;
    plan.blits.push_back(Blit{clipped, dest, mode});
}

DrawPlan StartPlan(const Rect& dest)
{
    DrawPlan plan;
    if (!dest.IsInverted() && !dest.IsEmpty()) plan.placement = dest;
    return plan;
}

}  // namespace

Rect FrameRect(int imageWidth, int imageHeight, int frameCount, int frameIndex, bool stacked)
{
    int count = frameCount < 1 ? 1 : frameCount;
    int index = frameIndex < 1 ? 1 : (frameIndex > count ? count : frameIndex);
    if (stacked) {
        int height = imageHeight / count;
        return MakeRect(0, (index - 1) * height, imageWidth, height);
    }
    int width = imageWidth / count;
    return MakeRect((index - 1) * width, 0, width, imageHeight);
}

Margins FitMargins(const Margins& margins, int width, int height)
{
    Margins fitted = margins;
    if (width < margins.left + margins.right) fitted.left = fitted.right = 0;
    if (height < margins.top + margins.bottom) fitted.top = fitted.bottom = 0;
    return fitted;
}

DrawPlan PlanNinePart(const Rect& frame, const Rect& dest, const Margins& margins, bool tileCentre)
{
    DrawPlan plan = StartPlan(dest);
    if (plan.placement.IsEmpty() || frame.IsEmpty()) return plan;

    const int w = dest.Width();
    const int h = dest.Height();
    const Margins m = FitMargins(margins, w, h);
    const int fx = frame.left, fy = frame.top, fw = frame.Width(), fh = frame.Height();
    const int srcMidW = fw - m.left - m.right, srcMidH = fh - m.top - m.bottom;
    const int dstMidW = w - m.left - m.right, dstMidH = h - m.top - m.bottom;

    const Rect topLeftSrc = MakeRect(fx, fy, m.left, m.top);
    const Rect bottomLeftSrc = MakeRect(fx, fy + fh - m.bottom, m.left, m.bottom);
    const Rect topRightSrc = MakeRect(fx + fw - m.right, fy, m.right, m.top);
    const Rect bottomRightSrc = MakeRect(fx + fw - m.right, fy + fh - m.bottom, m.right, m.bottom);
    const Rect leftSrc = MakeRect(fx, fy + m.top, m.left, srcMidH);
    const Rect topSrc = MakeRect(fx + m.left, fy, srcMidW, m.top);
    const Rect rightSrc = MakeRect(fx + fw - m.right, fy + m.top, m.right, srcMidH);
    const Rect bottomSrc = MakeRect(fx + m.left, fy + fh - m.bottom, srcMidW, m.bottom);
    const Rect centreSrc = MakeRect(fx + m.left, fy + m.top, srcMidW, srcMidH);

    // 1. corners top-left, bottom-left, top-right
    AddBlit(plan, frame, topLeftSrc, MakeRect(0, 0, m.left, m.top), BlitMode::Stretch);
    AddBlit(plan, frame, bottomLeftSrc, MakeRect(0, h - m.bottom, m.left, m.bottom), BlitMode::Stretch);
    AddBlit(plan, frame, topRightSrc, MakeRect(w - m.right, 0, m.right, m.top), BlitMode::Stretch);
    // 2. left and top edges
    AddBlit(plan, frame, leftSrc, MakeRect(0, m.top, m.left, dstMidH), BlitMode::Stretch);
    AddBlit(plan, frame, topSrc, MakeRect(m.left, 0, dstMidW, m.top), BlitMode::Stretch);
    // 3. centre; tiles are laid whole, so the last ones may overrun the gap
    if (tileCentre) {
        Rect tiled = MakeRect(m.left, m.top, CopiesToCover(dstMidW, srcMidW) * srcMidW,
                              CopiesToCover(dstMidH, srcMidH) * srcMidH);
        AddBlit(plan, frame, centreSrc, tiled, BlitMode::Tile);
    } else {
        AddBlit(plan, frame, centreSrc, MakeRect(m.left, m.top, dstMidW, dstMidH), BlitMode::Stretch);
    }
    // 4. bottom-right corner
    AddBlit(plan, frame, bottomRightSrc, MakeRect(w - m.right, h - m.bottom, m.right, m.bottom), BlitMode::Stretch);
    // 5. right and bottom edges, over any overrun of the centre
    AddBlit(plan, frame, rightSrc, MakeRect(w - m.right, m.top, m.right, dstMidH), BlitMode::Stretch);
    AddBlit(plan, frame, bottomSrc, MakeRect(m.left, h - m.bottom, dstMidW, m.bottom), BlitMode::Stretch);
    return plan;
}

DrawPlan PlanThreePart(const Rect& frame, const Rect& dest, int leftWidth, int rightWidth)
{
    DrawPlan plan = StartPlan(dest);
    if (plan.placement.IsEmpty() || frame.IsEmpty()) return plan;

    const int w = dest.Width();
    const int h = dest.Height();
    const int fx = frame.left, fy = frame.top, fw = frame.Width(), fh = frame.Height();
    const int middleW = fw - leftWidth - rightWidth;

    AddBlit(plan, frame, MakeRect(fx, fy, leftWidth, fh), MakeRect(0, 0, leftWidth, h), BlitMode::Stretch);
    AddBlit(plan, frame, MakeRect(fx + leftWidth, fy, middleW, fh),
            MakeRect(leftWidth, 0, CopiesToCover(w - rightWidth - leftWidth, middleW) * middleW, h),
            BlitMode::TileAcross);
    AddBlit(plan, frame, MakeRect(fx + fw - rightWidth, fy, rightWidth, fh), MakeRect(w - rightWidth, 0, rightWidth, h),
            BlitMode::Stretch);
    return plan;
}

DrawPlan PlanStretched(const Rect& frame, const Rect& dest)
{
    DrawPlan plan = StartPlan(dest);
    if (plan.placement.IsEmpty()) return plan;
    AddBlit(plan, frame, frame, MakeRect(0, 0, dest.Width(), dest.Height()), BlitMode::Stretch);
    return plan;
}

DrawPlan PlanCentred(const Rect& frame, const Rect& dest)
{
    DrawPlan plan;
    if (dest.IsInverted() || dest.IsEmpty() || frame.IsEmpty()) return plan;
    const Rect placed = MakeRect(dest.left + (dest.Width() - frame.Width()) / 2,
                                 dest.top + (dest.Height() - frame.Height()) / 2, frame.Width(), frame.Height());
    const Rect visible = Intersect(placed, dest);
    if (visible.IsEmpty()) return plan;
    plan.placement = visible;
    const Rect source = Offset(MakeRect(0, 0, visible.Width(), visible.Height()),
                               frame.left + visible.left - placed.left, frame.top + visible.top - placed.top);
    AddBlit(plan, frame, source, MakeRect(0, 0, visible.Width(), visible.Height()), BlitMode::Stretch);
    return plan;
}

}  // namespace aw::skin
