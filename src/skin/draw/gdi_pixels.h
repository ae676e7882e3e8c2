#pragma once
// Moving pixels between GDI bitmaps and plain memory. Both hold the skin's one pixel format
// (see pixel_image.h), so each move is one copy of the rows.

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
    DibPixel* bits = nullptr;
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

// A new 32-bit top-down DIB section holding the image, as every bitmap of the skin is.
UniqueBitmap CreateBitmap32(const PixelImage& image);

}  // namespace aw::skin
