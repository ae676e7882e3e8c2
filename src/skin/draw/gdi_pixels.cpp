#include "skin/draw/gdi_pixels.h"

#include <vector>

namespace aw::skin {

Dib32 CreateDib32(int width, int height)
{
    Dib32 dib;
    if (width <= 0 || height <= 0) return dib;
    BITMAPINFO info = DibInfo(width, -height, 32);
    void* bits = nullptr;
    dib.bitmap.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib.bitmap || !bits) return Dib32{};
    dib.bits = static_cast<std::uint32_t*>(bits);
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
    std::vector<std::uint32_t> raw(static_cast<std::size_t>(size.cx) * size.cy);
    BITMAPINFO info = DibInfo(size.cx, -size.cy, 32);
    MemoryDC dc;
    if (!dc || ::GetDIBits(dc.Get(), bitmap, 0, static_cast<UINT>(size.cy), raw.data(), &info, DIB_RGB_COLORS) == 0)
        return PixelImage{};
    PixelImage image(size.cx, size.cy);
    for (std::size_t i = 0; i < raw.size(); ++i) image.pixels[i] = FromDibPixel(raw[i]);
    return image;
}

UniqueBitmap CreateBitmap24(const PixelImage& image)
{
    if (image.Empty()) return UniqueBitmap{};
    BITMAPINFO info = DibInfo(image.width, image.height, 24);
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return UniqueBitmap{};
    const int stride = (image.width * 3 + 3) & ~3;
    auto* base = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* row = base + static_cast<std::size_t>(image.height - 1 - y) * stride;  // bottom-up
        for (int x = 0; x < image.width; ++x) {
            const Colour c = image.At(x, y);
            row[3 * x + 0] = static_cast<std::uint8_t>(BlueOf(c));
            row[3 * x + 1] = static_cast<std::uint8_t>(GreenOf(c));
            row[3 * x + 2] = static_cast<std::uint8_t>(RedOf(c));
        }
    }
    ::GdiFlush();
    return bitmap;
}

}  // namespace aw::skin
