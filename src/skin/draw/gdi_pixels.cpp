#include "skin/draw/gdi_pixels.h"

#include <algorithm>

namespace aw::skin {

Dib32 CreateDib32(int width, int height)
{
    Dib32 dib;
    if (width <= 0 || height <= 0) return dib;
    BITMAPINFO info = DibInfo(width, -height, 32);
    void* bits = nullptr;
    dib.bitmap.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib.bitmap || !bits) return Dib32{};
    dib.bits = static_cast<DibPixel*>(bits);
    dib.width = width;
    dib.height = height;
    return dib;
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info;
    if (!bitmap || ::GetObjectA(bitmap, sizeof info, &info) != sizeof info) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

PixelImage ReadPixels(HBITMAP bitmap)
{
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0) return PixelImage{};
    PixelImage image(size.cx, size.cy);
    BITMAPINFO info = DibInfo(size.cx, -size.cy, 32);
    MemoryDC dc;
    if (!dc ||
        ::GetDIBits(dc.Get(), bitmap, 0, static_cast<UINT>(size.cy), image.pixels.data(), &info, DIB_RGB_COLORS) == 0)
        return PixelImage{};
    return image;
}

UniqueBitmap CreateBitmap32(const PixelImage& image)
{
    if (image.Empty()) return UniqueBitmap{};
    Dib32 dib = CreateDib32(image.width, image.height);
    if (!dib) return UniqueBitmap{};
    std::copy(image.pixels.begin(), image.pixels.end(), dib.bits);
    return std::move(dib.bitmap);
}

}  // namespace aw::skin
