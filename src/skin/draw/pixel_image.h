#pragma once
// The one pixel format of the skin, from its decoded bitmaps to the screen: 32 bits per pixel,
// rows top-down without padding, each pixel 0x00RRGGBB (in memory the bytes B, G, R, 0). That
// is the layout of a 32-bit top-down device-independent bitmap, so an image moves to and from
// GDI with one copy of its rows and every blit, mask and stretch works on it as it is. Colours
// (red in the low byte) are converted only where one pixel is read or written as a colour.
//
// Also the operations the drawing primitives need on it: the software counterpart of the GDI
// executor. Host tools and native tests use it to run drawing plans without GDI.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/draw/colour.h"
#include "skin/draw/frame_geometry.h"

namespace aw::skin {

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<DibPixel> pixels;

    PixelImage() = default;
    PixelImage(int w, int h, Colour fill = kBlack);

    bool Empty() const { return width <= 0 || height <= 0; }
    void Clear() { *this = PixelImage{}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    DibPixel& PixelAt(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    DibPixel PixelAt(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // One pixel as a colour, and a colour into one pixel.
    Colour At(int x, int y) const { return FromDibPixel(PixelAt(x, y)); }
    void Set(int x, int y, Colour c) { PixelAt(x, y) = ToDibPixel(c); }
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

// The same on `count` pixels of two buffers of equal layout: every source pixel not of the key
// colour replaces the target pixel.
void CopyDibPixelsUnlessKey(const DibPixel* source, DibPixel* target, std::size_t count, Colour key);

// Fills `area` of `canvas` (clipped to it) with `lines`, the line colours of a gradient that
// spans `gradient` (vertical: one colour per row from gradient.top, else per column).
void PaintGradient(PixelImage& canvas, const Rect& area, const Rect& gradient, const std::vector<Colour>& lines,
                   bool vertical);

}  // namespace aw::skin
