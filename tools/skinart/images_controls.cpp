// Controls on the light client face: push buttons, check and radio boxes, progress bar,
// up-down buttons and track-bar thumbs. State order follows the engine's convention:
// normal, pressed, disabled, hover (then focused where a fifth frame exists).

#include <algorithm>

#include "raster.h"
#include "skin_images.h"
#include "theme.h"

namespace aw::skinart {

using namespace theme;

namespace {

enum State { kNormal = 1, kPressed = 2, kDisabled = 3, kHover = 4, kFocused = 5 };

// A face-coloured control surface in one of the four basic states.
void Surface(PixelImage& f, const Rect& area, double radius, int state)
{
    switch (state) {
    case kPressed: BorderedRoundRectGradient(f, area, radius, kControlPressedBorder, kControlPressedTop, kControlPressedBottom, kFace); break;
    case kDisabled: BorderedRoundRect(f, area, radius, kControlDisabledBorder, kControlDisabled, kFace); break;
    case kHover: BorderedRoundRectGradient(f, area, radius, kAccent, kControlHotTop, kControlHotBottom, kFace); break;
    default: BorderedRoundRectGradient(f, area, radius, kControlBorder, kControlTop, kControlBottom, kFace); break;
    }
}

Colour GlyphInk(int state)
{
    switch (state) {
    case kPressed: return kText;
    case kDisabled: return kGlyphDisabled;
    case kHover: return kAccentDeep;
    default: return kGlyphDark;
    }
}

// Check and radio boxes have twelve frames: unchecked, checked and mixed, each normal, hover,
// pressed and disabled.
struct BoxState {
    int mark;  // 0 unchecked, 1 checked, 2 mixed
    int look;  // 0 normal, 1 hover, 2 pressed, 3 disabled
};
BoxState BoxStateOf(int frame) { return BoxState{(frame - 1) / 4, (frame - 1) % 4}; }

constexpr int kBox = 13;

Colour BoxBorder(const BoxState& s)
{
    if (s.look == 3) return kControlDisabledBorder;
    if (s.mark == 1) return s.look == 1 ? kAccent : kAccentDeep;
    return s.look == 0 ? kControlBorder : (s.look == 1 ? kAccent : kAccentDeep);
}

Colour BoxFill(const BoxState& s)
{
    if (s.mark == 1) {
        const Colour fills[] = {kAccent, kAccentHot, kAccentDeep, Rgb(196, 203, 211)};
        return fills[s.look];
    }
    const Colour fills[] = {kWhite, kWhite, kAccentWash, kControlDisabled};
    return fills[s.look];
}

Colour MixedMark(const BoxState& s)
{
    const Colour marks[] = {kAccent, kAccentHot, kAccentDeep, kGlyphDisabled};
    return marks[s.look];
}

// Up-down buttons: frames 1 to 4 the up (or left) button, 5 to 8 the down (or right) one.
void Spin(PixelImage& f, int k) { Surface(f, MakeRect(0, 0, f.width, f.height), 2, (k - 1) % 4 + 1); }

void SpinGlyph(PixelImage& f, int k, bool vertical)
{
    const int state = (k - 1) % 4 + 1;
    const bool first = k <= 4;  // up or left
    const Colour ink = GlyphInk(state);
    const Rect all = MakeRect(0, 0, f.width, f.height);
    if (vertical && first) DrawPatternCentred(f, all, {"..#..", ".###.", "#####"}, {{'#', ink}});
    if (vertical && !first) DrawPatternCentred(f, all, {"#####", ".###.", "..#.."}, {{'#', ink}});
    if (!vertical && first) DrawPatternCentred(f, all, {"..#", ".##", "###", ".##", "..#"}, {{'#', ink}});
    if (!vertical && !first) DrawPatternCentred(f, all, {"#..", "##.", "###", "##.", "#.."}, {{'#', ink}});
}

// Track-bar thumbs: 1 normal, 2 pressed, 3 disabled, 4 hover, 5 focused.
struct ThumbLook {
    Colour border, top, bottom;
};
ThumbLook ThumbLookOf(int k)
{
    switch (k) {
    case kPressed: return {kAccentDeep, kAccentDeep, kAccentDeep};
    case kDisabled: return {kControlDisabledBorder, kControlDisabled, kControlDisabled};
    case kHover: return {kAccent, kAccentHot, kAccentHot};
    default: return {kAccentDeep, kAccentHot, kAccent};
    }
}

constexpr int kThumbW = 11;
constexpr int kThumbH = 20;
constexpr int kThumbBody = 14;  // rows above the point of the downward thumb

// The downward thumb: a body with round top corners ending in a point, shrunk by `inset`.
bool InsideDownThumb(double px, double py, double inset)
{
    const double left = inset, right = kThumbW - inset, top = inset;
    if (px < left || px > right || py < top) return false;
    const double r = 2.5 - inset / 2;
    if (py < top + r && px < left + r) return (px - left - r) * (px - left - r) + (py - top - r) * (py - top - r) <= r * r;
    if (py < top + r && px > right - r) return (px - right + r) * (px - right + r) + (py - top - r) * (py - top - r) <= r * r;
    if (py <= kThumbBody) return true;
    const double tip = kThumbH - inset * 1.4;
    const double half = (kThumbW / 2.0 - inset) * (tip - py) / (tip - kThumbBody);
    return std::abs(px - kThumbW / 2.0) <= half;
}

}  // namespace

PixelImage DrawButtons()
{
    return Frames(5, 32, 24, [](PixelImage& f, int k) {
        const Rect all = MakeRect(0, 0, 32, 24);
        if (k != kFocused) {
            Surface(f, all, 3.5, k);
            return;
        }
        // Focused or default: a two-pixel teal ring around the normal face.
        FillRoundRect(f, all, 3.5, kAccentDeep, kFace);
        BorderedRoundRectGradient(f, MakeRect(1, 1, 30, 22), 2.5, kAccent, kControlTop, kControlBottom, kFace);
    });
}

PixelImage DrawCheckBox()
{
    return Frames(12, kBox, kBox, [](PixelImage& f, int k) {
        const BoxState s = BoxStateOf(k);
        BorderedRoundRect(f, MakeRect(0, 0, kBox, kBox), 2.5, BoxBorder(s), BoxFill(s), kFace);
        if (s.mark == 1) {
            FillLine(f, 3.4, 6.6, 5.6, 8.8, 1.7, kWhite);
            FillLine(f, 5.6, 8.8, 9.8, 4.2, 1.7, kWhite);
        }
        if (s.mark == 2) FillRoundRect(f, MakeRect(4, 4, 5, 5), 1, MixedMark(s));
    });
}

PixelImage DrawRadioButton()
{
    return Frames(12, kBox, kBox, [](PixelImage& f, int k) {
        const BoxState s = BoxStateOf(k);
        const double c = kBox / 2.0;
        FillCircle(f, c, c, c, BoxBorder(s), kFace);
        FillCircle(f, c, c, c - 1, BoxFill(s), kFace);
        if (s.mark == 1) FillCircle(f, c, c, 2.3, s.look == 3 ? kControlDisabled : kWhite);
        if (s.mark == 2) FillCircle(f, c, c, 2.3, MixedMark(s));
    });
}

PixelImage DrawProgress()
{
    PixelImage f(16, 14, skin::kMagenta);
    BorderedRoundRect(f, MakeRect(0, 0, 16, 14), 3, kChannelBorder, kChannel, kFace);
    return f;
}

PixelImage DrawProgressChunk()
{
    PixelImage f(12, 10, skin::kMagenta);
    VerticalGradient(f, MakeRect(0, 0, 12, 10), kAccentHot, kAccentDeep);
    return f;
}

PixelImage DrawSpin() { return Frames(8, 15, 11, [](PixelImage& f, int k) { Spin(f, k); }); }
PixelImage DrawSpinArrow() { return Frames(8, 15, 11, [](PixelImage& f, int k) { SpinGlyph(f, k, true); }); }
PixelImage DrawSpinH() { return Frames(8, 11, 15, [](PixelImage& f, int k) { Spin(f, k); }); }
PixelImage DrawSpinHArrow() { return Frames(8, 11, 15, [](PixelImage& f, int k) { SpinGlyph(f, k, false); }); }

PixelImage DrawTrackThumbH()
{
    return Frames(5, kThumbW, kThumbH, [](PixelImage& f, int k) {
        const ThumbLook look = ThumbLookOf(k);
        BorderedRoundRectGradient(f, MakeRect(0, 0, kThumbW, kThumbH), 2.5, look.border, look.top, look.bottom, kFace);
        if (k == kFocused) BorderedRoundRectGradient(f, MakeRect(1, 1, kThumbW - 2, kThumbH - 2), 1.5, kWhite, look.top, look.bottom);
    });
}

PixelImage DrawTrackBottom()
{
    return Frames(5, kThumbW, kThumbH, [](PixelImage& f, int k) {
        const ThumbLook look = ThumbLookOf(k);
        const Rect all = MakeRect(0, 0, kThumbW, kThumbH);
        FillShape(f, all, [](double x, double y) { return InsideDownThumb(x, y, 0); }, look.border, kFace);
        FillShape(f, all, [](double x, double y) { return InsideDownThumb(x, y, 1); }, Mix(look.top, look.bottom, 0.5), kFace);
        if (k == kFocused) FillShape(f, all, [](double x, double y) { return InsideDownThumb(x, y, 2.2); }, look.bottom);
    });
}

}  // namespace aw::skinart
