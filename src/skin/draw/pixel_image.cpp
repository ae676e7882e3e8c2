#include "skin/draw/pixel_image.h"

#include <algorithm>

namespace aw::skin {

namespace {

// Copies one source pixel for every destination pixel of `dest` inside the buffer.
void StretchInto(const PixelImage& image, const Rect& source, const Rect& dest, PixelImage& buffer)
{
    const Rect visible = Intersect(dest, MakeRect(0, 0, buffer.width, buffer.height));
    if (visible.IsEmpty()) return;
    const long long sw = source.Width(), sh = source.Height(), dw = dest.Width(), dh = dest.Height();
    for (int y = visible.top; y < visible.bottom; ++y) {
        const int sy = source.top + static_cast<int>((y - dest.top) * sh / dh);
        for (int x = visible.left; x < visible.right; ++x) {
            const int sx = source.left + static_cast<int>((x - dest.left) * sw / dw);
            if (image.Contains(sx, sy)) buffer.PixelAt(x, y) = image.PixelAt(sx, sy);
        }
    }
}

void TileInto(const PixelImage& image, const Rect& source, const Rect& dest, PixelImage& buffer, bool stretchHeight)
{
    const Rect visible = Intersect(dest, MakeRect(0, 0, buffer.width, buffer.height));
    if (visible.IsEmpty()) return;
    const int sw = source.Width(), sh = source.Height();
    const long long dh = dest.Height();
    for (int y = visible.top; y < visible.bottom; ++y) {
        const int sy = stretchHeight ? source.top + static_cast<int>((y - dest.top) * sh / dh)
                                     : source.top + (y - dest.top) % sh;
        for (int x = visible.left; x < visible.right; ++x) {
            const int sx = source.left + (x - dest.left) % sw;
            if (image.Contains(sx, sy)) buffer.PixelAt(x, y) = image.PixelAt(sx, sy);
        }
    }
}

void CopyOntoImpl(PixelImage& target, const PixelImage& source, int x, int y, const Colour* key)
{
    const Rect visible = Intersect(MakeRect(x, y, source.width, source.height), MakeRect(0, 0, target.width, target.height));
    const DibPixel keyPixel = key ? ToDibPixel(*key) : 0;
    for (int ty = visible.top; ty < visible.bottom; ++ty) {
        for (int tx = visible.left; tx < visible.right; ++tx) {
            const DibPixel p = source.PixelAt(tx - x, ty - y);
            if (key && (p & 0xFFFFFF) == keyPixel) continue;
            target.PixelAt(tx, ty) = p;
        }
    }
}

}  // namespace

PixelImage::PixelImage(int w, int h, Colour fill)
    : width(w > 0 ? w : 0), height(h > 0 ? h : 0), pixels(static_cast<std::size_t>(width) * height, ToDibPixel(fill))
{
}

void ReplaceColour(PixelImage& image, Colour from, Colour to)
{
    const DibPixel match = ToDibPixel(from);
    const DibPixel replacement = ToDibPixel(to);
    for (DibPixel& p : image.pixels) {
        if ((p & 0xFFFFFF) == match) p = replacement;
    }
}

void MirrorHorizontally(PixelImage& image)
{
    for (int y = 0; y < image.height; ++y) {
        auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        std::reverse(row, row + image.width);
    }
}

void MirrorVertically(PixelImage& image)
{
    for (int top = 0, bottom = image.height - 1; top < bottom; ++top, --bottom) {
        auto upper = image.pixels.begin() + static_cast<std::ptrdiff_t>(top) * image.width;
        auto lower = image.pixels.begin() + static_cast<std::ptrdiff_t>(bottom) * image.width;
        std::swap_ranges(upper, upper + image.width, lower);
    }
}

PixelImage Rotated(const PixelImage& image, bool clockwise)
{
    PixelImage out(image.height, image.width);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (clockwise) out.PixelAt(image.height - 1 - y, x) = image.PixelAt(x, y);
            else out.PixelAt(y, image.width - 1 - x) = image.PixelAt(x, y);
        }
    return out;
}

PixelImage FramesRotated(const PixelImage& image, int frameCount, bool clockwise)
{
    const int count = std::max(1, frameCount);
    const int frameWidth = image.width / count;
    if (frameWidth <= 0 || image.height <= 0) return PixelImage{};
    PixelImage out(image.height * count, frameWidth);
    for (int f = 0; f < count; ++f) {
        PixelImage frame(frameWidth, image.height);
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < frameWidth; ++x) frame.PixelAt(x, y) = image.PixelAt(f * frameWidth + x, y);
        CopyOnto(out, Rotated(frame, clockwise), f * image.height, 0);
    }
    return out;
}

void RenderPlan(const PixelImage& image, const DrawPlan& plan, PixelImage& buffer)
{
    for (const Blit& blit : plan.blits) {
        if (blit.source.IsEmpty() || blit.dest.IsEmpty()) continue;
        switch (blit.mode) {
        case BlitMode::Stretch: StretchInto(image, blit.source, blit.dest, buffer); break;
        case BlitMode::Tile: TileInto(image, blit.source, blit.dest, buffer, false); break;
        case BlitMode::TileAcross: TileInto(image, blit.source, blit.dest, buffer, true); break;
        }
    }
}

void CopyOnto(PixelImage& target, const PixelImage& source, int x, int y) { CopyOntoImpl(target, source, x, y, nullptr); }

void CopyOntoKeyed(PixelImage& target, const PixelImage& source, int x, int y, Colour key)
{
    CopyOntoImpl(target, source, x, y, &key);
}

void CopyDibPixelsUnlessKey(const DibPixel* source, DibPixel* target, std::size_t count, Colour key)
{
    const DibPixel keyPixel = ToDibPixel(key);
    for (std::size_t i = 0; i < count; ++i) {
        if ((source[i] & 0xFFFFFF) != keyPixel) target[i] = source[i];
    }
}

void PaintGradient(PixelImage& canvas, const Rect& area, const Rect& gradient, const std::vector<Colour>& lines,
                   bool vertical)
{
    const Rect visible = Intersect(Intersect(area, gradient), MakeRect(0, 0, canvas.width, canvas.height));
    for (int y = visible.top; y < visible.bottom; ++y) {
        for (int x = visible.left; x < visible.right; ++x) {
            const std::size_t line = static_cast<std::size_t>(vertical ? y - gradient.top : x - gradient.left);
            if (line < lines.size()) canvas.Set(x, y, lines[line]);
        }
    }
}

}  // namespace aw::skin
