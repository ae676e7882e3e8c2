#pragma once
// Where each piece of a skin image goes. Every element image is a strip of equal frames; the
// functions here cut one frame out and lay it over a destination as a list of blits. They do
// no drawing: the GDI executor (draw_primitives.cpp) and the software one (pixel_image.h) run
// the same plans, so the geometry is tested once, natively.

#include <vector>

#include "skin/draw/rect.h"

namespace aw::skin {

enum class BlitMode {
    Stretch,     // source scaled to the destination (unscaled when the sizes match)
    Tile,        // source repeated unscaled from the destination's top-left corner
    TileAcross,  // source stretched to the destination's height and repeated left to right
};

struct Blit {
    Rect source;  // in image coordinates
    Rect dest;    // in buffer coordinates; a tiled blit may reach past the buffer
    BlitMode mode = BlitMode::Stretch;
};

// A buffer of placement's size is built from the blits, in order, and then put on the target
// at placement. An empty plan draws nothing.
struct DrawPlan {
    Rect placement;
    std::vector<Blit> blits;

    bool IsEmpty() const { return blits.empty() || placement.IsEmpty(); }
};

// Frame `frameIndex` (1-based) of `frameCount` equal frames, side by side or stacked.
// A count below 1 counts as 1 and an index outside 1..count is clamped into it, so a wrong
// frame number in a skin shows a neighbouring state rather than pixels from outside the image.
Rect FrameRect(int imageWidth, int imageHeight, int frameCount, int frameIndex, bool stacked);

// A destination narrower than both horizontal margins loses them, and one lower than both
// vertical margins loses those: the centre then fills that direction.
Margins FitMargins(const Margins& margins, int width, int height);

// Nine-part scaling of `frame` over `dest`: corners unscaled, edges stretched along their
// length, the centre stretched or tiled. The order matters: the right and bottom edges come
// after the centre so that they cover tiles that overrun it.
DrawPlan PlanNinePart(const Rect& frame, const Rect& dest, const Margins& margins, bool tileCentre);

// Left part, middle repeated across, right part last; every part stretched to full height.
DrawPlan PlanThreePart(const Rect& frame, const Rect& dest, int leftWidth, int rightWidth);

// The whole frame stretched over dest.
DrawPlan PlanStretched(const Rect& frame, const Rect& dest);

// The frame unscaled, centred in dest (spare space halved, truncating), cut to dest.
DrawPlan PlanCentred(const Rect& frame, const Rect& dest);

}  // namespace aw::skin
