#pragma once
// Moving pixels between GDI bitmaps and plain memory.

#include <windows.h>

#include <cstdint>

#include "platform/gdi.h"
#include "skin/draw/pixel_image.h"

namespace aw::skin {

// A 32-bit top-down DIB section: GDI draws into it and the code reads its pixels directly
// (blue in the low byte, rows without padding). Call GdiFlush before touching `bits` after
// GDI has drawn into it.
struct Dib32 {
    UniqueBitmap bitmap;
    std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;

    explicit operator bool() const { return bits != nullptr; }
};

Dib32 CreateDib32(int width, int height);

// Width and height of any bitmap; (0, 0) for none.
SIZE BitmapSize(HBITMAP bitmap);

// The pixels of a bitmap of any depth (palettised ones through their colour table). Empty
// when the bitmap is null or cannot be read. The bitmap must not be selected into a DC.
PixelImage ReadPixels(HBITMAP bitmap);

// A new 24-bit bottom-up DIB section holding the image, as the skin's own bitmaps are.
UniqueBitmap CreateBitmap24(const PixelImage& image);

}  // namespace aw::skin
