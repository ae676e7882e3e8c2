// Scroll bars, tabs, the combo-box button, the status bar, list headers and the extra glyphs.

#include "raster.h"
#include "skin_images.h"
#include "theme.h"

namespace aw::skinart {

using namespace theme;
using layout::kScroll;

namespace {

using GlyphRows = std::initializer_list<std::string_view>;

const GlyphRows kArrowLeft = {"...#", "..##", ".###", "####", ".###", "..##", "...#"};
const GlyphRows kArrowRight = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};
const GlyphRows kArrowUp = {"...#...", "..###..", ".#####.", "#######"};
const GlyphRows kArrowDown = {"#######", ".#####.", "..###..", "...#..."};
const GlyphRows kChevronDown = {"##...##", ".##.##.", "..###..", "...#..."};

// One scroll arrow: +0 normal, +1 pressed, +2 disabled, +3 hover.
PixelImage ScrollArrow(const GlyphRows& glyph, int look)
{
    PixelImage f(kScroll, kScroll, skin::kMagenta);
    const Rect all = MakeRect(0, 0, kScroll, kScroll);
    if (look == 1) FillRoundRect(f, MakeRect(1, 1, kScroll - 2, kScroll - 2), 3, Rgb(190, 199, 209), kFace);
    if (look == 3) FillRoundRect(f, MakeRect(1, 1, kScroll - 2, kScroll - 2), 3, Rgb(212, 218, 225), kFace);
    const Colour inks[] = {kGlyphDark, kText, kGlyphDisabled, kText};
    DrawPatternCentred(f, all, glyph, {{'#', inks[look]}});
    return f;
}

// Grip lines across the thumb: normal, pressed, hover.
PixelImage Grip(bool horizontalThumb, int look)
{
    PixelImage f(kScroll, kScroll, skin::kMagenta);
    const Colour inks[] = {kThumbGrip, Rgb(188, 232, 225), Rgb(232, 237, 242)};
    const GlyphRows across = {"#.#.#", "#.#.#", "#.#.#", "#.#.#"};
    const GlyphRows along = {"####", "....", "####", "....", "####"};
    DrawPatternCentred(f, MakeRect(0, 0, kScroll, kScroll), horizontalThumb ? across : along, {{'#', inks[look]}});
    return f;
}

// Thumbs: 1 normal, 2 pressed, 3 hover; a pill over the track.
Colour ThumbColour(int k)
{
    const Colour colours[] = {kThumb, kAccentDeep, kThumbHot};
    return colours[k - 1];
}

// Tracks (and the combo field's edge): 1 normal, 2 pressed, 3 disabled, 4 hover.
void Channel(PixelImage& f, int k)
{
    const Colour borders[] = {kChannelBorder, kAccentDeep, Rgb(214, 219, 225), kAccent};
    const Colour fills[] = {kChannel, kChannel, kChannelDisabled, kChannel};
    BorderedRoundRect(f, MakeRect(0, 0, f.width, f.height), 2, borders[k - 1], fills[k - 1], kFace);
}

// A tab's shape: round top corners, open at the bottom.
void TabShape(PixelImage& f, double inset, Colour colour)
{
    const Rect shape{static_cast<int>(inset), static_cast<int>(inset), f.width - static_cast<int>(inset), f.height + 6};
    FillRoundRect(f, shape, 3.5 - inset, colour, kFace);
}

}  // namespace

PixelImage DrawScrollArrows()
{
    // 1-4 left, 5-8 right, 9-12 up, 13-16 down; 17-19 horizontal-thumb grip, 20-22 vertical;
    // 23 unused.
    std::vector<PixelImage> frames;
    for (const GlyphRows* glyph : {&kArrowLeft, &kArrowRight, &kArrowUp, &kArrowDown})
        for (int look = 0; look < 4; ++look) frames.push_back(ScrollArrow(*glyph, look));
    for (bool horizontal : {true, false})
        for (int look = 0; look < 3; ++look) frames.push_back(Grip(horizontal, look));
    frames.push_back(PixelImage(kScroll, kScroll, skin::kMagenta));
    return SideBySide(frames);
}

PixelImage DrawScrollHThumb()
{
    return Frames(3, 20, kScroll, [](PixelImage& f, int k) {
        FillRoundRect(f, MakeRect(1, 4, 18, 9), 4.5, ThumbColour(k), kChannel);
    });
}

PixelImage DrawScrollVThumb()
{
    return Frames(3, kScroll, 20, [](PixelImage& f, int k) {
        FillRoundRect(f, MakeRect(4, 1, 9, 18), 4.5, ThumbColour(k), kChannel);
    });
}

PixelImage DrawScrollHBar() { return Frames(4, 20, kScroll, Channel); }
PixelImage DrawScrollVBar() { return Frames(4, kScroll, 20, Channel); }

PixelImage DrawTab()
{
    // 1 idle, 2 selected (joins the pane, teal top line), 3 hover, 4 disabled, 5 selected
    // while the control is not focused.
    return Frames(5, 28, 24, [](PixelImage& f, int k) {
        const bool selected = k == 2 || k == 5;
        const Colour fills[] = {kTabIdle, kPane, kTabHot, kControlDisabled, kPane};
        TabShape(f, 0, k == 4 ? kControlDisabledBorder : kPaneBorder);
        TabShape(f, 1, fills[k - 1]);
        if (!selected) HLine(f, 0, f.width, f.height - 1, kPaneBorder);
        if (k == 2) {
            HLine(f, 2, f.width - 2, 1, kAccent);
            HLine(f, 1, f.width - 1, 2, kAccent);
        }
        if (k == 5) HLine(f, 2, f.width - 2, 1, kChannelBorder);
    });
}

PixelImage DrawTabSheet()
{
    PixelImage f(16, 16, kPaneBorder);
    Fill(f, MakeRect(1, 1, 14, 14), kPane);
    return f;
}

PixelImage DrawComboButton()
{
    // The button at the right end of a combo box, inside the field's edge: 1 normal,
    // 2 pressed, 3 disabled, 4 hover. The outer pixels stay transparent so the edge shows.
    return Frames(4, 18, 21, [](PixelImage& f, int k) {
        const Colour fills[] = {Rgb(240, 243, 246), kControlPressedTop, kControlDisabled, kAccentWash};
        Fill(f, MakeRect(1, 1, 16, 19), fills[k - 1]);
        VLine(f, 0, 1, 20, k == 4 ? kAccent : kChannelBorder);
    });
}

PixelImage DrawStatusBar()
{
    // 1 lowered, 2 raised, 3 no bevel. A dark band with a hairline on top; bevelled panels
    // end in a divider.
    return Frames(3, 16, 20, [](PixelImage& f, int k) {
        Fill(f, MakeRect(0, 0, 16, 20), k == 2 ? kStatusRaised : kStatus);
        HLine(f, 0, 16, 0, kStatusLine);
        if (k != 3) VLine(f, 15, 4, 16, kStatusDivider);
    });
}

PixelImage DrawHeader()
{
    // 1 normal, 2 pressed, 3 disabled, 4 hover, 5 sorted.
    return Frames(5, 24, 22, [](PixelImage& f, int k) {
        const Rect all = MakeRect(0, 0, 24, 22);
        if (k == 2) VerticalGradient(f, all, kControlPressedTop, kControlPressedBottom);
        else if (k == 3) Fill(f, all, kControlDisabled);
        else if (k == 4) VerticalGradient(f, all, kControlHotTop, kControlHotBottom);
        else VerticalGradient(f, all, kControlTop, kControlBottom);
        VLine(f, 23, 4, 18, Rgb(205, 211, 218));
        HLine(f, 0, 24, 21, kChannelBorder);
        if (k == 4 || k == 5) {
            HLine(f, 0, 24, 20, kAccent);
            HLine(f, 0, 24, 21, kAccent);
        }
    });
}

PixelImage DrawExtraImages()
{
    // 1-4 the combo box's drop-down chevron (normal, pressed, disabled, hover);
    // 5 the status bar's size grip.
    return Frames(5, 12, 12, [](PixelImage& f, int k) {
        const Rect all = MakeRect(0, 0, 12, 12);
        if (k <= 4) {
            const Colour inks[] = {kGlyphDark, kText, kGlyphDisabled, kAccentDeep};
            DrawPatternCentred(f, all, kChevronDown, {{'#', inks[k - 1]}});
            return;
        }
        DrawPattern(f, 0, 0,
                    {"............", "............", "............", ".........##.", ".........##.", "............",
                     "......##.##.", "......##.##.", "............", "...##.##.##.", "...##.##.##.", "............"},
                    {{'#', Rgb(104, 118, 133)}});
    });
}

}  // namespace aw::skinart
