#pragma once
// Small drawing kit for the skin's images: fills, gradients, rounded shapes and pixel
// patterns on a PixelImage. Shapes are sampled 4×4 per pixel. Over opaque pixels the edge is
// blended; over magenta (transparent) pixels it is either blended with a given colour the
// shape will sit on, or kept hard, so no pink fringe ever reaches the screen.

#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/draw/pixel_image.h"

namespace aw::skinart {

using skin::Colour;
using skin::PixelImage;
using skin::Rect;
using skin::MakeRect;

// a·(1 − t) + b·t per channel, t in 0..1.
Colour Mix(Colour a, Colour b, double t);

void Fill(PixelImage& image, const Rect& area, Colour colour);
// One colour per row, from `top` on the first row to `bottom` on the last.
void VerticalGradient(PixelImage& image, const Rect& area, Colour top, Colour bottom);
void HLine(PixelImage& image, int x0, int x1, int y, Colour colour);  // x0..x1−1
void VLine(PixelImage& image, int x, int y0, int y1, Colour colour);  // y0..y1−1

// `underlay` is what lies beneath the transparent pixels once drawn (a known face colour), or
// magenta when unknown: then partly covered transparent pixels stay transparent or become
// solid at half coverage.
void FillRoundRect(PixelImage& image, const Rect& area, double radius, Colour colour,
                   Colour underlay = skin::kMagenta);
// A rounded rectangle with a one-pixel border: border colour over the whole shape, fill inset.
void BorderedRoundRect(PixelImage& image, const Rect& area, double radius, Colour border, Colour fill,
                       Colour underlay = skin::kMagenta);
// The same with a vertical gradient inside the border.
void BorderedRoundRectGradient(PixelImage& image, const Rect& area, double radius, Colour border, Colour top,
                               Colour bottom, Colour underlay = skin::kMagenta);
// Any shape given by a point test, sampled within `bounds`.
void FillShape(PixelImage& image, const Rect& bounds, const std::function<bool(double, double)>& inside, Colour colour,
               Colour underlay = skin::kMagenta);
// A straight stroke of the given width between two points, with round ends.
void FillLine(PixelImage& image, double x0, double y0, double x1, double y1, double width, Colour colour,
              Colour underlay = skin::kMagenta);
void FillCircle(PixelImage& image, double cx, double cy, double radius, Colour colour,
                Colour underlay = skin::kMagenta);

// Draws a pattern of text rows at (x, y): each character is looked up in `inks`; characters
// without an ink (such as '.') leave the pixel alone.
using Ink = std::pair<char, Colour>;
void DrawPattern(PixelImage& image, int x, int y, std::initializer_list<std::string_view> rows,
                 std::initializer_list<Ink> inks);

// The same pattern, given as rows, drawn centred in `area`.
void DrawPatternCentred(PixelImage& image, const Rect& area, std::initializer_list<std::string_view> rows,
                        std::initializer_list<Ink> inks);

// `count` frames of w × h, each started transparent and drawn by draw(frame, index from 1),
// laid side by side.
PixelImage Frames(int count, int w, int h, const std::function<void(PixelImage&, int)>& draw);

// Copies frame-sized images side by side (or stacked) into one strip.
PixelImage SideBySide(const std::vector<PixelImage>& frames);
PixelImage Stacked(const std::vector<PixelImage>& frames);

}  // namespace aw::skinart
