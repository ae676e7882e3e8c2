#include "skin/draw/draw_primitives.h"

#include <algorithm>

#include "platform/gdi.h"
#include "skin/draw/frame_geometry.h"
#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"

namespace aw::skin {

namespace {

Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

// Repeats the block at (x, y), `filled` pixels wide, to the right until it reaches `right`,
// doubling the copied width each time: a one-pixel tile over a wide window takes a handful of
// blits, not one per tile.
void RepeatAcross(HDC dc, int x, int y, int filled, int height, int right)
{
    if (filled <= 0 || height <= 0) return;
    while (x + filled < right) {
        const int count = std::min(filled, right - x - filled);
        ::BitBlt(dc, x + filled, y, count, height, dc, x, y, SRCCOPY);
        filled += count;
    }
}

void RepeatDown(HDC dc, int x, int y, int width, int filled, int bottom)
{
    if (filled <= 0 || width <= 0) return;
    while (y + filled < bottom) {
        const int count = std::min(filled, bottom - y - filled);
        ::BitBlt(dc, x, y + filled, width, count, dc, x, y, SRCCOPY);
        filled += count;
    }
}

void RunBlit(HDC buffer, int bufferWidth, int bufferHeight, HDC source, const Blit& blit)
{
    const Rect& s = blit.source;
    const Rect& d = blit.dest;
    const int right = std::min(d.right, bufferWidth);
    const int bottom = std::min(d.bottom, bufferHeight);
    switch (blit.mode) {
    case BlitMode::Stretch:
        ::StretchBlt(buffer, d.left, d.top, d.Width(), d.Height(), source, s.left, s.top, s.Width(), s.Height(), SRCCOPY);
        break;
    case BlitMode::Tile:
        ::BitBlt(buffer, d.left, d.top, s.Width(), s.Height(), source, s.left, s.top, SRCCOPY);
        RepeatAcross(buffer, d.left, d.top, s.Width(), std::min(s.Height(), bottom - d.top), right);
        RepeatDown(buffer, d.left, d.top, right - d.left, s.Height(), bottom);
        break;
    case BlitMode::TileAcross:
        ::StretchBlt(buffer, d.left, d.top, s.Width(), d.Height(), source, s.left, s.top, s.Width(), s.Height(), SRCCOPY);
        RepeatAcross(buffer, d.left, d.top, s.Width(), bottom - d.top, right);
        break;
    }
}

// Puts a finished buffer on the target; with a key, through a copy of the target's pixels so
// that the target receives a single transfer.
void PutOnTarget(HDC target, const Rect& place, const Dib32& buffer, HDC bufferDC, bool transparent, Colour key)
{
    if (!transparent) {
        ::BitBlt(target, place.left, place.top, buffer.width, buffer.height, bufferDC, 0, 0, SRCCOPY);
        return;
    }
    Dib32 backdrop = CreateDib32(buffer.width, buffer.height);
    MemoryDC backdropDC;
    SelectedObject selected(backdropDC.Get(), backdrop.bitmap.Get());
    if (!backdrop || !selected.Ok()) return;
    ::BitBlt(backdropDC.Get(), 0, 0, buffer.width, buffer.height, target, place.left, place.top, SRCCOPY);
    ::GdiFlush();
    CopyDibPixelsUnlessKey(buffer.bits, backdrop.bits, static_cast<std::size_t>(buffer.width) * buffer.height, key);
    ::BitBlt(target, place.left, place.top, buffer.width, buffer.height, backdropDC.Get(), 0, 0, SRCCOPY);
}

void ExecutePlan(HDC target, const DrawPlan& plan, HBITMAP image, bool transparent)
{
    if (!target || !image || plan.IsEmpty()) return;
    const Rect& place = plan.placement;
    Dib32 buffer = CreateDib32(place.Width(), place.Height());
    MemoryDC bufferDC;
    SelectedObject bufferSelected(bufferDC.Get(), buffer.bitmap.Get());
    if (!buffer || !bufferSelected.Ok()) return;
    if (transparent) {
        // Whatever no piece covers (a skin with an empty centre) shows the target through.
        std::fill(buffer.bits, buffer.bits + static_cast<std::size_t>(buffer.width) * buffer.height, ToDibPixel(kMagenta));
    }
    {
        MemoryDC sourceDC;
        SelectedObject sourceSelected(sourceDC.Get(), image);
        if (!sourceSelected.Ok()) return;
        StretchMode mode(bufferDC.Get(), COLORONCOLOR);
        for (const Blit& blit : plan.blits) RunBlit(bufferDC.Get(), buffer.width, buffer.height, sourceDC.Get(), blit);
    }
    ::GdiFlush();
    PutOnTarget(target, place, buffer, bufferDC.Get(), transparent, kMagenta);
}

Rect FrameOf(HBITMAP image, int frameCount, int frameIndex, bool stacked)
{
    const SIZE size = BitmapSize(image);
    return FrameRect(size.cx, size.cy, frameCount, frameIndex, stacked);
}

}  // namespace

void DrawElementFrame(HDC target, const RECT& dest, HBITMAP image, bool stacked, bool tileCentre, bool transparent,
                      int frameCount, int frameIndex, const Margins& margins)
{
    const Rect frame = FrameOf(image, frameCount, frameIndex, stacked);
    ExecutePlan(target, PlanNinePart(frame, ToRect(dest), margins, tileCentre), image, transparent);
}

void DrawThreePart(HDC target, const RECT& rect, HBITMAP image, bool stacked, bool transparent, int frameCount,
                   int frameIndex, const Margins& margins)
{
    const Rect frame = FrameOf(image, frameCount, frameIndex, stacked);
    ExecutePlan(target, PlanThreePart(frame, ToRect(rect), margins.left, margins.right), image, transparent);
}

void DrawStretchedFrame(HDC target, const RECT& rect, HBITMAP image, bool transparent, int frameCount, int frameIndex)
{
    const Rect frame = FrameOf(image, frameCount, frameIndex, false);
    ExecutePlan(target, PlanStretched(frame, ToRect(rect)), image, transparent);
}

void DrawCentredFrame(HDC target, const RECT& rect, HBITMAP image, bool transparent, int frameCount, int frameIndex)
{
    const Rect frame = FrameOf(image, frameCount, frameIndex, false);
    ExecutePlan(target, PlanCentred(frame, ToRect(rect)), image, transparent);
}

void DrawTransparent(HDC target, const RECT& rect, HBITMAP bitmap, Colour key)
{
    const Rect area = ToRect(rect);
    if (!target || area.IsInverted() || area.IsEmpty()) return;
    const PixelImage source = ReadPixels(bitmap);
    if (source.Empty()) return;
    const int width = std::min(area.Width(), source.width);
    const int height = std::min(area.Height(), source.height);
    Dib32 buffer = CreateDib32(width, height);
    MemoryDC bufferDC;
    SelectedObject selected(bufferDC.Get(), buffer.bitmap.Get());
    if (!buffer || !selected.Ok()) return;
    for (int y = 0; y < height; ++y) {
        const auto row = source.pixels.begin() + static_cast<std::ptrdiff_t>(y) * source.width;
        std::copy(row, row + width, buffer.bits + static_cast<std::ptrdiff_t>(y) * width);
    }
    PutOnTarget(target, MakeRect(area.left, area.top, width, height), buffer, bufferDC.Get(), true, ResolveColour(key));
}

}  // namespace aw::skin
