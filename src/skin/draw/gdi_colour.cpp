#include "skin/draw/gdi_colour.h"

#include "platform/gdi.h"
#include "skin/draw/gdi_pixels.h"
#include "skin/draw/gradient.h"

namespace aw::skin {

namespace {

// The one gradient cache of the process. Painting happens on the user-interface thread only.
GradientCache& SharedGradientCache()
{
    static GradientCache cache;
    return cache;
}

}  // namespace

Colour PlatformSystemColour(int index) { return static_cast<Colour>(::GetSysColor(index)); }

Colour ResolveColour(Colour colour) { return ResolveColour(colour, PlatformSystemColour); }

Colour Blend(Colour c1, Colour c2, int weight) { return Blend(c1, c2, weight, PlatformSystemColour); }

void GradientFill(HDC target, const RECT& rect, Colour from, bool vertical, Colour to)
{
    const Rect gradient{rect.left, rect.top, rect.right, rect.bottom};
    if (!target || gradient.IsEmpty() || !::RectVisible(target, &rect)) return;

    Rect area = gradient;
    RECT clip;
    const int clipKind = ::GetClipBox(target, &clip);
    if (clipKind == NULLREGION) return;
    if (clipKind != ERROR) area = Intersect(gradient, Rect{clip.left, clip.top, clip.right, clip.bottom});
    if (area.IsEmpty()) return;

    const int lines = vertical ? gradient.Height() : gradient.Width();
    const std::vector<Colour>& colours = SharedGradientCache().Colours(ResolveColour(from), ResolveColour(to), lines);

    // The visible lines go into one bitmap and reach the target in a single transfer.
    Dib32 buffer = CreateDib32(area.Width(), area.Height());
    MemoryDC bufferDC;
    SelectedObject selected(bufferDC.Get(), buffer.bitmap.Get());
    if (!buffer || !selected.Ok()) return;
    for (int y = 0; y < buffer.height; ++y) {
        for (int x = 0; x < buffer.width; ++x) {
            const int line = vertical ? area.top + y - gradient.top : area.left + x - gradient.left;
            buffer.bits[static_cast<std::size_t>(y) * buffer.width + x] = ToDibPixel(colours[static_cast<std::size_t>(line)]);
        }
    }
    ::BitBlt(target, area.left, area.top, area.Width(), area.Height(), bufferDC.Get(), 0, 0, SRCCOPY);
}

}  // namespace aw::skin
