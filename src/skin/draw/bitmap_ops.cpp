#include "skin/draw/bitmap_ops.h"

#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"
#include "skin/draw/pixel_image.h"

namespace aw::skin {

namespace {

template <typename Operation>
void Rewrite(UniqueBitmap& bitmap, Operation operation)
{
    PixelImage pixels = ReadPixels(bitmap.Get());
    if (pixels.Empty()) return;
    operation(pixels);
    UniqueBitmap rewritten = CreateBitmap32(pixels);
    if (rewritten) bitmap = std::move(rewritten);
}

}  // namespace

void ReplaceMagenta(UniqueBitmap& bitmap, Colour colour)
{
    const Colour replacement = ResolveColour(colour);
    Rewrite(bitmap, [replacement](PixelImage& pixels) { ReplaceColour(pixels, kMagenta, replacement); });
}

void MirrorHorizontally(UniqueBitmap& bitmap)
{
    Rewrite(bitmap, [](PixelImage& pixels) { MirrorHorizontally(pixels); });
}

void MirrorVertically(UniqueBitmap& bitmap)
{
    Rewrite(bitmap, [](PixelImage& pixels) { MirrorVertically(pixels); });
}

}  // namespace aw::skin
