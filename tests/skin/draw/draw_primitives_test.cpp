#include "skin/draw/draw_primitives.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi.h"
#include "skin/draw/bitmap_ops.h"
#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"

namespace aw::skin {
namespace {

constexpr Colour kBackground = Rgb(1, 2, 3);

// A 32-bit DIB selected into a memory DC: what the primitives draw on, read back pixel by pixel.
class Canvas {
public:
    Canvas(int width, int height, Colour fill = kBackground)
        : dib_(CreateDib32(width, height)), selected_(std::make_unique<SelectedObject>(dc_.Get(), dib_.bitmap.Get()))
    {
        for (int i = 0; i < width * height; ++i) dib_.bits[i] = ToDibPixel(fill);
    }
    HDC Dc() const { return dc_.Get(); }
    Colour At(int x, int y) const
    {
        ::GdiFlush();
        return FromDibPixel(dib_.bits[y * dib_.width + x]);
    }
    bool Ready() const { return dib_ && selected_->Ok(); }

private:
    Dib32 dib_;
    MemoryDC dc_;
    std::unique_ptr<SelectedObject> selected_;
};

int Band(int v, int first, int second) { return v < first ? 0 : (v < second ? 1 : 2); }

// `frames` frames side by side, each w × h; every part of the nine has its own colour,
// tagged with the frame number in the blue channel.
PixelImage NineColourStrip(int frames, int w, int h, const Margins& m)
{
    PixelImage image(frames * w, h);
    for (int f = 0; f < frames; ++f)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.Set(f * w + x, y, Rgb(10 + Band(x, m.left, w - m.right), 20 + Band(y, m.top, h - m.bottom), f + 1));
    return image;
}

RECT MakeRECT(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

TEST(DrawElementFrame, NinePartCornersLandInTheDestinationCorners)
{
    const Margins m{3, 2, 4, 5};
    UniqueBitmap image = CreateBitmap32(NineColourStrip(3, 12, 12, m));
    ASSERT_TRUE(image);
    Canvas canvas(60, 50);
    ASSERT_TRUE(canvas.Ready());
    DrawElementFrame(canvas.Dc(), MakeRECT(10, 7, 40, 30), image.Get(), false, false, false, 3, 2, m);

    EXPECT_EQ(canvas.At(10, 7), Rgb(10, 20, 2));   // top-left corner
    EXPECT_EQ(canvas.At(12, 8), Rgb(10, 20, 2));
    EXPECT_EQ(canvas.At(49, 7), Rgb(12, 20, 2));   // top-right corner
    EXPECT_EQ(canvas.At(46, 8), Rgb(12, 20, 2));
    EXPECT_EQ(canvas.At(10, 36), Rgb(10, 22, 2));  // bottom-left corner
    EXPECT_EQ(canvas.At(49, 36), Rgb(12, 22, 2));  // bottom-right corner
    EXPECT_EQ(canvas.At(46, 32), Rgb(12, 22, 2));
    EXPECT_EQ(canvas.At(30, 7), Rgb(11, 20, 2));   // top edge
    EXPECT_EQ(canvas.At(45, 31), Rgb(11, 21, 2));  // centre next to both far edges
    EXPECT_EQ(canvas.At(9, 7), kBackground);       // nothing outside the destination
    EXPECT_EQ(canvas.At(50, 20), kBackground);
    EXPECT_EQ(canvas.At(30, 37), kBackground);
}

TEST(DrawElementFrame, StackedFramesAndTiledCentre)
{
    // Two stacked 11×11 frames; frame 2's centre columns carry their own red values.
    PixelImage strip(11, 22);
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 11; ++x) strip.Set(x, y, Rgb(10 + Band(x, 2, 9), 20 + Band(y % 11, 2, 9), 1 + y / 11));
    for (int y = 13; y < 20; ++y)
        for (int x = 2; x < 9; ++x) strip.Set(x, y, Rgb(100 + x - 2, 0, 2));
    UniqueBitmap image = CreateBitmap32(strip);
    Canvas canvas(220, 20);
    DrawElementFrame(canvas.Dc(), MakeRECT(0, 0, 204, 11), image.Get(), true, true, false, 2, 2, Margins{2, 2, 2, 2});

    // The 200-pixel gap holds 28 whole tiles and 4 columns of a 29th, then the right edge.
    for (int x = 2; x < 202; ++x) ASSERT_EQ(canvas.At(x, 5), Rgb(100 + (x - 2) % 7, 0, 2)) << x;
    EXPECT_EQ(canvas.At(202, 5), Rgb(12, 21, 2));
    EXPECT_EQ(canvas.At(203, 5), Rgb(12, 21, 2));
    EXPECT_EQ(canvas.At(204, 5), kBackground);
}

TEST(DrawElementFrame, TransparentFramesKeepTheTargetExactlyWhereTheImageIsMagenta)
{
    PixelImage pixels(4, 1);
    pixels.Set(0, 0, kMagenta);
    pixels.Set(1, 0, Rgb(254, 0, 255));
    pixels.Set(2, 0, Rgb(255, 0, 254));
    pixels.Set(3, 0, Rgb(40, 50, 60));
    UniqueBitmap image = CreateBitmap32(pixels);
    Canvas canvas(6, 3);
    DrawElementFrame(canvas.Dc(), MakeRECT(1, 1, 4, 1), image.Get(), false, false, true, 1, 1, Margins{});
    EXPECT_EQ(canvas.At(1, 1), kBackground);
    EXPECT_EQ(canvas.At(2, 1), Rgb(254, 0, 255));
    EXPECT_EQ(canvas.At(3, 1), Rgb(255, 0, 254));
    EXPECT_EQ(canvas.At(4, 1), Rgb(40, 50, 60));

    // Drawn opaque, the magenta pixel is copied like any other.
    DrawElementFrame(canvas.Dc(), MakeRECT(1, 2, 4, 1), image.Get(), false, false, false, 1, 1, Margins{});
    EXPECT_EQ(canvas.At(1, 2), kMagenta);
}

TEST(DrawElementFrame, InvertedDestinationDrawsNothing)
{
    UniqueBitmap image = CreateBitmap32(PixelImage(4, 4, kWhite));
    Canvas canvas(10, 10);
    DrawElementFrame(canvas.Dc(), RECT{8, 2, 2, 8}, image.Get(), false, false, false, 1, 1, Margins{});
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(canvas.At(x, y), kBackground);
}

TEST(DrawThreePart, StackedFrameIsRepeatedAcrossAtFullHeight)
{
    // Two stacked frames 7×2; frame 2's columns are numbered 0..6 in red.
    PixelImage strip(7, 4, kBlack);
    for (int x = 0; x < 7; ++x) strip.Set(x, 2, Rgb(x, 9, 0)), strip.Set(x, 3, Rgb(x, 9, 0));
    UniqueBitmap image = CreateBitmap32(strip);
    Canvas canvas(14, 8);
    DrawThreePart(canvas.Dc(), MakeRECT(1, 1, 12, 6), image.Get(), true, false, 2, 2, Margins{2, 0, 2, 0});
    const int expected[12] = {0, 1, 2, 3, 4, 2, 3, 4, 2, 3, 5, 6};
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(canvas.At(1 + x, 1), Rgb(expected[x], 9, 0)) << x;
        EXPECT_EQ(canvas.At(1 + x, 6), Rgb(expected[x], 9, 0)) << x;
    }
    EXPECT_EQ(canvas.At(13, 3), kBackground);
}

TEST(DrawStretchedAndCentredFrame, PlaceTheChosenFrame)
{
    PixelImage strip(6, 3);
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 3; ++y) strip.Set(x, y, x < 3 ? Rgb(200, 0, 0) : (x == 4 && y == 1 ? kMagenta : Rgb(0, 200, 0)));
    UniqueBitmap image = CreateBitmap32(strip);

    Canvas stretched(20, 20);
    DrawStretchedFrame(stretched.Dc(), MakeRECT(2, 2, 12, 12), image.Get(), true, 2, 2);
    EXPECT_EQ(stretched.At(2, 2), Rgb(0, 200, 0));
    EXPECT_EQ(stretched.At(13, 13), Rgb(0, 200, 0));
    EXPECT_EQ(stretched.At(8, 8), kBackground);  // the magenta centre pixel, scaled up
    EXPECT_EQ(stretched.At(14, 14), kBackground);

    Canvas centred(20, 20);
    DrawCentredFrame(centred.Dc(), MakeRECT(0, 0, 10, 8), image.Get(), false, 2, 1);
    // Spare 7 × 5 halves to an offset of (3, 2).
    EXPECT_EQ(centred.At(2, 2), kBackground);
    EXPECT_EQ(centred.At(3, 2), Rgb(200, 0, 0));
    EXPECT_EQ(centred.At(5, 4), Rgb(200, 0, 0));
    EXPECT_EQ(centred.At(6, 4), kBackground);
}

TEST(DrawTransparent, AnyKeyColourAndPalettisedBitmaps)
{
    // An 8-bit palettised bitmap, the form of most skin images.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[3];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = 3;
    info.header.biHeight = -1;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 3;
    info.colours[0] = RGBQUAD{30, 20, 10, 0};    // (10, 20, 30)
    info.colours[1] = RGBQUAD{0, 128, 0, 0};     // the key (0, 128, 0)
    info.colours[2] = RGBQUAD{255, 0, 255, 0};   // magenta, an ordinary colour here
    void* bits = nullptr;
    UniqueBitmap image(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(image);
    auto* row = static_cast<std::uint8_t*>(bits);
    row[0] = 0, row[1] = 1, row[2] = 2;

    Canvas canvas(5, 2);
    DrawTransparent(canvas.Dc(), MakeRECT(1, 1, 4, 1), image.Get(), Rgb(0, 128, 0));
    EXPECT_EQ(canvas.At(1, 1), Rgb(10, 20, 30));
    EXPECT_EQ(canvas.At(2, 1), kBackground);
    EXPECT_EQ(canvas.At(3, 1), kMagenta);
    EXPECT_EQ(canvas.At(4, 1), kBackground);  // the bitmap is only 3 wide
    EXPECT_EQ(canvas.At(1, 0), kBackground);
}

TEST(BitmapOperations, MirrorAndReplaceMagentaGiveCopiesInTheSkinsPixelFormat)
{
    PixelImage pixels(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) pixels.Set(x, y, Rgb(x * 50, y * 50, 7));
    pixels.Set(2, 1, kMagenta);

    UniqueBitmap mirrored = CreateBitmap32(pixels);
    MirrorHorizontally(mirrored);
    PixelImage h = ReadPixels(mirrored.Get());
    ASSERT_EQ(h.width, 3);
    EXPECT_EQ(h.At(0, 0), Rgb(100, 0, 7));
    EXPECT_EQ(h.At(0, 1), kMagenta);

    UniqueBitmap flipped = CreateBitmap32(pixels);
    MirrorVertically(flipped);
    PixelImage v = ReadPixels(flipped.Get());
    EXPECT_EQ(v.At(0, 0), Rgb(0, 50, 7));
    EXPECT_EQ(v.At(2, 0), kMagenta);

    UniqueBitmap replaced = CreateBitmap32(pixels);
    ReplaceMagenta(replaced, Rgb(9, 8, 7));
    PixelImage r = ReadPixels(replaced.Get());
    EXPECT_EQ(r.At(2, 1), Rgb(9, 8, 7));
    EXPECT_EQ(r.At(1, 1), Rgb(50, 50, 7));
    BITMAP info;
    ASSERT_EQ(::GetObjectA(replaced.Get(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmBitsPixel, 32);

    UniqueBitmap empty;
    MirrorHorizontally(empty);
    EXPECT_FALSE(empty);
}

TEST(GradientFill, LineColoursAndClipping)
{
    Canvas canvas(10, 10);
    GradientFill(canvas.Dc(), MakeRECT(0, 0, 3, 1), kBlack, true, kWhite);
    EXPECT_EQ(canvas.At(0, 0), Rgb(127, 127, 127));
    EXPECT_EQ(canvas.At(2, 0), Rgb(127, 127, 127));

    GradientFill(canvas.Dc(), MakeRECT(0, 2, 2, 4), Rgb(200, 10, 10), false, Rgb(10, 10, 200));
    EXPECT_EQ(canvas.At(0, 2), Rgb(200, 10, 10));
    EXPECT_EQ(canvas.At(1, 5), Rgb(10, 10, 200));

    // Only the part inside the clip box is painted.
    UniqueRegion clip(::CreateRectRgn(5, 5, 7, 10));
    ::SelectClipRgn(canvas.Dc(), clip.Get());
    GradientFill(canvas.Dc(), MakeRECT(4, 4, 6, 6), kBlack, true, Rgb(0, 0, 250));
    ::SelectClipRgn(canvas.Dc(), nullptr);
    EXPECT_EQ(canvas.At(4, 6), kBackground);
    EXPECT_EQ(canvas.At(5, 4), kBackground);
    EXPECT_EQ(canvas.At(5, 5), Rgb(0, 0, 50));
    EXPECT_EQ(canvas.At(6, 9), Rgb(0, 0, 250));
    EXPECT_EQ(canvas.At(7, 9), kBackground);
}

TEST(Blend, ResolvesPlatformSystemColours)
{
    EXPECT_EQ(Blend(SystemColour(COLOR_BTNFACE), kBlack, 1000), static_cast<Colour>(::GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(ResolveColour(SystemColour(COLOR_WINDOW)), static_cast<Colour>(::GetSysColor(COLOR_WINDOW)));
}

}  // namespace
}  // namespace aw::skin
