#pragma once
// An image as plain memory (top row first, one Colour per pixel) and the operations the
// drawing primitives need on it: the software counterpart of the GDI executor. The Win32 side
// converts bitmaps to and from this form for the per-pixel work (transparency, mirroring,
// colour replacement); host tools and native tests use it to run drawing plans without GDI.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/draw/colour.h"
#include "skin/draw/frame_geometry.h"

namespace aw::skin {

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;

    PixelImage() = default;
    PixelImage(int w, int h, Colour fill = kBlack);

    bool Empty() const { return width <= 0 || height <= 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void Set(int x, int y, Colour c) { pixels[static_cast<std::size_t>(y) * width + x] = c; }
};

// Every pixel exactly equal to `from` (channels only) becomes `to`.
void ReplaceColour(PixelImage& image, Colour from, Colour to);

void MirrorHorizontally(PixelImage& image);
void MirrorVertically(PixelImage& image);

// The image turned a quarter turn, clockwise or counter-clockwise: its width becomes the
// height.
PixelImage Rotated(const PixelImage& image, bool clockwise);
// Each of `frameCount` side-by-side frames turned a quarter turn in place, so that the result
// is again a strip of frames side by side (as wide as the frames were high, each).
PixelImage FramesRotated(const PixelImage& image, int frameCount, bool clockwise);

// Runs the plan's blits, in order, into `buffer` (placement-sized, buffer coordinates),
// clipping everything to the buffer. Stretching samples the nearest source pixel, as GDI's
// colour-on-colour mode does.
void RenderPlan(const PixelImage& image, const DrawPlan& plan, PixelImage& buffer);

// Copies `source` onto `target` with its top-left corner at (x, y), clipped to the target.
// With a key, pixels of exactly the key colour leave the target unchanged.
void CopyOnto(PixelImage& target, const PixelImage& source, int x, int y);
void CopyOntoKeyed(PixelImage& target, const PixelImage& source, int x, int y, Colour key);

// The same on raw 32-bit DIB pixels (blue in the low byte), `count` pixels of two buffers of
// equal layout: every source pixel not of the key colour replaces the target pixel.
void CopyDibPixelsUnlessKey(const std::uint32_t* source, std::uint32_t* target, std::size_t count, Colour key);

// Fills `area` of `canvas` (clipped to it) with `lines`, the line colours of a gradient that
// spans `gradient` (vertical: one colour per row from gradient.top, else per column).
void PaintGradient(PixelImage& canvas, const Rect& area, const Rect& gradient, const std::vector<Colour>& lines,
                   bool vertical);

}  // namespace aw::skin
