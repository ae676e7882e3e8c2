// The window frame: side, top and bottom borders cut from one drawn window, the caption
// buttons and the MDI child controls.

#include <cmath>

#include "raster.h"
#include "skin_images.h"
#include "theme.h"

namespace aw::skinart {

using namespace theme;
using namespace layout;

namespace {

struct Chrome {
    Colour outline;
    Colour rim;  // the first line inside the outline along the top
    Colour titleTop;
    Colour titleBottom;
    Colour frame;
    Colour inner;  // the line around the client area
};

Chrome ChromeFor(bool active)
{
    if (active) return Chrome{kOutline, kAccent, kTitleTop, kTitleBottom, kFrame, kFrameInner};
    return Chrome{kOutlineInactive, kTitleInactiveTop, kTitleInactiveTop, kTitleInactiveBottom, kFrameInactive,
                  Rgb(31, 35, 40)};
}

// Whether a pixel centre lies inside the window shape of w × h shrunk by `inset`: a rectangle
// with round top and bottom corners.
bool InsideWindow(double px, double py, int w, int h, double inset)
{
    const double left = inset, top = inset, right = w - inset, bottom = h - inset;
    if (px < left || px > right || py < top || py > bottom) return false;
    auto corner = [&](double cx, double cy, double r) { return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r; };
    const double rt = kTopRadius - inset, rb = kBottomRadius - inset;
    if (py < top + rt && px < left + rt) return corner(left + rt, top + rt, rt);
    if (py < top + rt && px > right - rt) return corner(right - rt, top + rt, rt);
    if (py > bottom - rb && px < left + rb) return corner(left + rb, bottom - rb, rb);
    if (py > bottom - rb && px > right - rb) return corner(right - rb, bottom - rb, rb);
    return true;
}

bool Covered(int x, int y, int w, int h, double inset)
{
    int hits = 0;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) hits += InsideWindow(x + (i + 0.5) / 4, y + (j + 0.5) / 4, w, h, inset);
    return hits >= 8;
}

// The colour of pixel (x, y) of a whole skinned window w × h; the client area is face colour.
Colour ChromeAt(int x, int y, int w, int h, const Chrome& c)
{
    if (!Covered(x, y, w, h, 0)) return skin::kMagenta;
    if (!Covered(x, y, w, h, 1)) return c.outline;
    if (!Covered(x, y, w, h, 2) && y < kTopRadius - 1) return c.rim;
    if (y < kTitle - 1) return Mix(c.titleTop, c.titleBottom, (y - 1) / static_cast<double>(kTitle - 3));
    const bool besideClient = x >= kBorder - 1 && x <= w - kBorder && y <= h - kBorder;
    if (besideClient && (y == kTitle - 1 || x == kBorder - 1 || x == w - kBorder || y == h - kBorder)) return c.inner;
    if (y == kTitle - 1) return c.titleBottom;
    if (x < kBorder || x >= w - kBorder || y >= h - kBorder) return c.frame;
    return kFace;
}

// A window large enough that its corners and middle never meet.
constexpr int kVirtualW = 200;
constexpr int kVirtualH = 200;

// Rows of a side border: the title rows, a stretched middle, then the bottom rows.
int SideRowToWindowY(int row)
{
    if (row < kTitle) return row;
    if (row < kTitle + kBorderMiddle) return kVirtualH / 2;
    return kVirtualH - (kTitle + kBorderMiddle + kBorder - row);
}

PixelImage Side(bool right)
{
    const int rows = kTitle + kBorderMiddle + kBorder;
    return Frames(2, kBorder, rows, [right](PixelImage& f, int k) {
        const Chrome c = ChromeFor(k == 1);
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < kBorder; ++col) {
                const int x = right ? kVirtualW - kBorder + col : col;
                f.Set(col, row, ChromeAt(x, SideRowToWindowY(row), kVirtualW, kVirtualH, c));
            }
    });
}

// Caption buttons: 1 normal, 2 pressed, 3 hover, 4 inactive or disabled, 5 hover and 6 pressed
// while inactive. A glyph is either a pixel pattern or, for the close cross, two smooth strokes.
using GlyphRows = std::initializer_list<std::string_view>;

// A cross of `size` pixels centred in `area`.
void Cross(PixelImage& f, const Rect& area, double size, Colour ink, Colour underlay)
{
    const double cx = area.left + area.Width() / 2.0, cy = area.top + area.Height() / 2.0, h = size / 2;
    FillLine(f, cx - h, cy - h, cx + h, cy + h, 1.3, ink, underlay);
    FillLine(f, cx + h, cy - h, cx - h, cy + h, 1.3, ink, underlay);
}

PixelImage CaptionButton(GlyphRows glyph, bool isClose)
{
    const Colour underlay = Mix(kTitleTop, kTitleBottom, 0.5);
    return Frames(6, kCaptionW, kCaptionH, [&](PixelImage& f, int k) {
        const Rect all = MakeRect(0, 0, kCaptionW, kCaptionH);
        const bool pressed = k == 2 || k == 6, hover = k == 3 || k == 5;
        if (pressed) FillRoundRect(f, all, 4, isClose ? kClosePressed : kCaptionPressed, underlay);
        if (hover) FillRoundRect(f, all, 4, isClose ? kCloseHover : kCaptionHover, underlay);
        const Colour ink = k == 4 ? kGlyphDim : (pressed || hover ? kGlyphBright : kGlyph);
        if (isClose)
            Cross(f, all, 9, ink, underlay);
        else
            DrawPatternCentred(f, all, glyph, {{'#', ink}});
    });
}

const GlyphRows kMaximizeGlyph = {
    "##########", "#........#", "#........#", "#........#", "#........#",
    "#........#", "#........#", "#........#", "#........#", "##########",
};
const GlyphRows kRestoreGlyph = {
    "..########", "..#......#", "########.#", "#......#.#", "#......#.#",
    "#......#.#", "#......###", "#......#..", "#......#..", "########..",
};
const GlyphRows kMinimizeGlyph = {
    "..........", "..........", "..........", "..........", "..........",
    "##########", "..........", "..........", "..........", "..........",
};

}  // namespace

PixelImage DrawFrameLeft() { return Side(false); }

PixelImage DrawFrameRight() { return Side(true); }

PixelImage DrawFrameTop()
{
    auto frame = [](bool active) {
        PixelImage f(kTopWidth, kTitle);
        const Chrome c = ChromeFor(active);
        for (int y = 0; y < kTitle; ++y)
            for (int col = 0; col < kTopWidth; ++col) {
                int x = kVirtualW / 2;
                if (col < kTopMargin) x = kBorder + col;
                if (col >= kTopWidth - kTopMargin) x = kVirtualW - kBorder - (kTopWidth - col);
                f.Set(col, y, ChromeAt(x, y, kVirtualW, kVirtualH, c));
            }
        return f;
    };
    return Stacked({frame(true), frame(false)});
}

PixelImage DrawFrameBottom()
{
    auto frame = [](bool active) {
        PixelImage f(16, kBorder);
        const Chrome c = ChromeFor(active);
        for (int row = 0; row < kBorder; ++row)
            for (int col = 0; col < 16; ++col) f.Set(col, row, ChromeAt(kVirtualW / 2, kVirtualH - kBorder + row, kVirtualW, kVirtualH, c));
        return f;
    };
    return Stacked({frame(true), frame(false)});
}

PixelImage DrawMinCaption()
{
    // A minimized window's caption: the title bar alone, closed by the outline at the bottom.
    constexpr int w = 160, h = kTitle - 2;
    auto frame = [](bool active) {
        const Chrome c = ChromeFor(active);
        PixelImage f(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                Colour colour = ChromeAt(x, y, w, kVirtualH, c);
                if (y == h - 1 && colour != skin::kMagenta) colour = c.outline;
                if ((x == 0 || x == w - 1) && colour != skin::kMagenta) colour = c.outline;
                f.Set(x, y, colour);
            }
        return f;
    };
    return Stacked({frame(true), frame(false)});
}

PixelImage DrawCloseButton() { return CaptionButton({}, true); }
PixelImage DrawMaxButton() { return CaptionButton(kMaximizeGlyph, false); }
PixelImage DrawMinButton() { return CaptionButton(kMinimizeGlyph, false); }
PixelImage DrawRestoreButton() { return CaptionButton(kRestoreGlyph, false); }

PixelImage DrawMdiButtons()
{
    // Minimize, restore and close of a maximized MDI child, four frames each on the menu bar:
    // 1 normal, 2 pressed, 3 and 4 hover (4 also serves as disabled).
    const GlyphRows minimize = {"........", "........", "........", "........", "........", "........", "########", "........"};
    const GlyphRows restore = {"..######", "..#....#", "######.#", "#....#.#", "#....###", "#....#..", "#....#..", "######.."};
    std::vector<PixelImage> strips;
    int index = 0;
    const GlyphRows* glyphs[] = {&minimize, &restore, nullptr};
    for (const GlyphRows* glyph : glyphs) {
        const bool isClose = index++ == 2;
        strips.push_back(Frames(4, kMdiW, kMdiH, [&](PixelImage& f, int k) {
            const Rect all = MakeRect(0, 0, kMdiW, kMdiH);
            if (k == 2) FillRoundRect(f, all, 3, isClose ? kClosePressed : kCaptionPressed, kFrame);
            if (k >= 3) FillRoundRect(f, all, 3, isClose ? kCloseHover : kCaptionHover, kFrame);
            const Colour ink = k == 1 ? kGlyph : kGlyphBright;
            if (glyph)
                DrawPatternCentred(f, all, *glyph, {{'#', ink}});
            else
                Cross(f, all, 7, ink, kFrame);
        }));
    }
    return SideBySide(strips);
}

}  // namespace aw::skinart
