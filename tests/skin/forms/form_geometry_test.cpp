// The skinned frame's geometry: borders, caption buttons, title, hit test and region.

#include <gtest/gtest.h>

#include "skin/forms/form_geometry.h"

namespace aw::skin {
namespace {

using namespace style_bits;

constexpr std::uint32_t kMainFormStyle = kCaption | kSysMenu | kMinimizeBox;  // the program's forms

TEST(FormGeometry, BorderKindAndCapabilitiesComeFromTheStyles)
{
    EXPECT_EQ(BorderKindOf(kMainFormStyle, 0, "TForm1"), bkFixed);
    EXPECT_EQ(BorderKindOf(kMainFormStyle | kThickFrame | kModalFrame, 0, "TForm1"), bkSizeable);
    EXPECT_EQ(BorderKindOf(kMainFormStyle | kModalFrame, 0, "TForm1"), bkDialog);
    EXPECT_EQ(BorderKindOf(kMainFormStyle, kExDlgModalFrame, "TForm1"), bkDialog);
    EXPECT_EQ(BorderKindOf(0x00800000 /* border without title */, 0, "TForm1"), bkNoCaption);
    // Standard dialogs are dialogs whatever their styles say.
    EXPECT_EQ(BorderKindOf(kPopup, 0, "#32770"), bkDialog);
    EXPECT_EQ(BorderKindOf(kCaption | kThickFrame, 0, "TMessageForm"), bkDialog);

    EXPECT_EQ(CaptionCapabilitiesOf(kMainFormStyle, 0, false), capSystemMenu | capMinimize);
    EXPECT_EQ(CaptionCapabilitiesOf(kCaption | kMaximizeBox, kExContextHelp, true),
              capSystemMenu | capMaximize | capContextHelp);
    // Only the three caption styles go, and only those the window had come back.
    const std::uint32_t stripped = WithoutCaptionButtons(kMainFormStyle | kThickFrame);
    EXPECT_EQ(stripped, kCaption | kThickFrame);
    EXPECT_EQ(WithCaptionButtons(stripped, capSystemMenu | capMinimize), kMainFormStyle | kThickFrame);
}

TEST(FormGeometry, MetricsAreOneFrameOfEachBorder)
{
    const ImageSize left{8, 40, 2}, right{8, 40, 2}, top{90, 62, 2}, bottom{90, 8, 2};
    const FrameMetrics m = FrameMetricsFromBorders(bkFixed, left, right, top, bottom, 19);
    EXPECT_EQ(m, (FrameMetrics{4, 31, 4, 4, 19}));
    EXPECT_EQ(FrameMetricsFromBorders(bkNoCaption, left, right, top, bottom, 19), FrameMetrics{});
    // A border without frames counts as one frame, not a division by zero.
    EXPECT_EQ(FrameMetricsFromBorders(bkFixed, {6, 1, 0}, {}, {}, {}, 0).left, 6);
}

TEST(FormGeometry, TheClientAreaKeepsItsSizeUnderTheFrame)
{
    for (const FrameMetrics& m : {FrameMetrics{4, 31, 4, 4, 0}, FrameMetrics{3, 22, 5, 7, 19}}) {
        const Size2 size = WindowSizeForClient(m, 402, 534, false);
        const Rect client = ClientRectInWindow(m, MakeRect(100, 50, size.width, size.height));
        EXPECT_EQ(client.Width(), 402);
        EXPECT_EQ(client.Height(), 534);
        EXPECT_EQ(client.left, 100 + m.left);
        EXPECT_EQ(client.top, 50 + m.top + m.menuBar);
    }
    // An MDI child's menu band belongs to its frame window.
    EXPECT_EQ(WindowSizeForClient({4, 31, 4, 4, 19}, 100, 100, true).height, 135);
    // A window smaller than its frame has an empty client area, never an inverted one.
    EXPECT_TRUE(ClientRectInWindow({4, 31, 4, 4, 0}, MakeRect(0, 0, 6, 20)).IsEmpty());
    EXPECT_FALSE(ClientRectInWindow({4, 31, 4, 4, 0}, MakeRect(0, 0, 6, 20)).IsInverted());
}

TEST(FormGeometry, ADialogWidensUntilItsTitleFits)
{
    const DialogWidening fits = WidenForTitle(300, 32, 100, 104);
    EXPECT_EQ(fits.width, 300);
    EXPECT_EQ(fits.childShift, 0);
    const DialogWidening wide = WidenForTitle(200, 32, 100, 104);
    EXPECT_EQ(wide.width, 236);
    EXPECT_EQ(wide.childShift, 18);
}

// The shipped skin's caption buttons.
const CaptionButtonTraits kClose{0, 1, 36, 5, 0, 0};
const CaptionButtonTraits kMaximize{1, 1, 66, 5, 2, 6};
const CaptionButtonTraits kRestore{1, 1, 66, 5, 1, 6};
const CaptionButtonTraits kMinimize{2, 1, 96, 5, 8, 0};
const CaptionButtonTraits kIcon{3, 0, 10, 7, 0, 0};

CaptionState Window(int caps, bool maximized = false, BorderKind border = bkSizeable)
{
    CaptionState s;
    s.capabilities = caps;
    s.maximized = maximized;
    s.border = border;
    return s;
}

TEST(FormGeometry, CaptionButtonsShowAsTheWindowStateAsks)
{
    const int all = capSystemMenu | capMinimize | capMaximize;
    const CaptionState normal = Window(all);
    EXPECT_TRUE(CaptionButtonVisible(kClose, normal));
    EXPECT_TRUE(CaptionButtonVisible(kMaximize, normal));
    EXPECT_FALSE(CaptionButtonVisible(kRestore, normal));
    EXPECT_TRUE(CaptionButtonVisible(kMinimize, normal));
    EXPECT_TRUE(CaptionButtonVisible(kIcon, normal));

    const CaptionState maximized = Window(all, true);
    EXPECT_FALSE(CaptionButtonVisible(kMaximize, maximized));
    EXPECT_TRUE(CaptionButtonVisible(kRestore, maximized));

    // Without minimize and maximize boxes there is no minimize button and no maximize button.
    const CaptionState plain = Window(capSystemMenu);
    EXPECT_FALSE(CaptionButtonVisible(kMinimize, plain));
    EXPECT_FALSE(CaptionButtonVisible(kMaximize, plain));
    EXPECT_TRUE(CaptionButtonVisible(kClose, plain));
    // Without a system menu there is no close button.
    EXPECT_FALSE(CaptionButtonVisible(kClose, Window(capMinimize)));
    // A dialog has no icon button.
    EXPECT_FALSE(CaptionButtonVisible(kIcon, Window(capSystemMenu, false, bkDialog)));
}

TEST(FormGeometry, TheProgramsFormsShowAMaximizeButtonThatIsDisabled)
{
    const CaptionState form = Window(capSystemMenu | capMinimize, false, bkFixed);
    EXPECT_TRUE(CaptionButtonVisible(kMaximize, form));
    EXPECT_FALSE(CaptionButtonEnabled(kMaximize, form));
    EXPECT_TRUE(CaptionButtonEnabled(kMinimize, form));
    EXPECT_FALSE(CaptionButtonEnabled(kMinimize, Window(capMinimize)));  // no system menu
    EXPECT_EQ(CaptionButtonPaintFrame(true, false, 6), 4);
    EXPECT_EQ(CaptionButtonPaintFrame(true, false, 3), 1);
    EXPECT_EQ(CaptionButtonPaintFrame(false, true, 6), 4);
    EXPECT_EQ(CaptionButtonPaintFrame(true, true, 6), 1);
    EXPECT_EQ(CaptionButtonMouseFrame(NcState::Hover, true, false, 6), 3);
    EXPECT_EQ(CaptionButtonMouseFrame(NcState::Hover, true, true, 4), 4);
    EXPECT_EQ(CaptionButtonMouseFrame(NcState::Pressed, false, false, 6), 4);
    EXPECT_EQ(CaptionButtonMouseFrame(NcState::Pressed, false, false, 3), 1);
}

TEST(FormGeometry, SpecialVisibilityCodes)
{
    CaptionState s = Window(capSystemMenu);
    int asked = 0;
    auto yes = [&](int visibility, int action) {
        asked = visibility * 100 + action;
        return true;
    };
    EXPECT_TRUE(CaptionButtonVisible({42, 0, 0, 0, 1500, 0}, s, yes));
    EXPECT_EQ(asked, 1500 * 100 + 42);
    EXPECT_FALSE(CaptionButtonVisible({42, 0, 0, 0, 1500, 0}, s));
    EXPECT_TRUE(CaptionButtonVisible({42, 0, 0, 0, 500, 0}, s));
    EXPECT_FALSE(CaptionButtonVisible({42, 0, 0, 0, 0, 500}, s));  // 201..999 never hold as Visibility1
    EXPECT_FALSE(CaptionButtonVisible({42, 0, 0, 0, 200, 0}, s));
    s.border = bkDialog;
    EXPECT_TRUE(CaptionButtonVisible({42, 0, 0, 0, 200, 0}, s));
    s.standardDialog = true;
    EXPECT_FALSE(CaptionButtonVisible({42, 0, 0, 0, 200, 0}, s));
    EXPECT_FALSE(CaptionButtonVisible({42, 0, 0, 0, -1, 0}, s));
    EXPECT_FALSE(CaptionButtonVisible({42, 0, 0, 0, 100, 100}, s));
    s.mdiChildMaximizedWithMenuBar = true;
    EXPECT_TRUE(CaptionButtonVisible({42, 0, 0, 0, 100, 100}, s));
}

TEST(FormGeometry, CaptionButtonLayout)
{
    const FrameMetrics m{4, 31, 5, 4, 20};
    EXPECT_EQ(CaptionButtonRect(kClose, 28, 20, 400, 0, 0, m, 0), MakeRect(364, 5, 28, 20));
    EXPECT_EQ(CaptionButtonRect(kIcon, 16, 16, 400, 0, 0, m, 0), MakeRect(10, 7, 16, 16));
    EXPECT_EQ(CaptionButtonRect({0, 2, 3, 4, 0, 0}, 10, 10, 400, 50, 150, m, 0), MakeRect(37, 4, 10, 10));
    EXPECT_EQ(CaptionButtonRect({0, 9, 3, 4, 0, 0}, 10, 10, 400, 50, 150, m, 0), MakeRect(153, 4, 10, 10));
    // MDI buttons sit in the menu band, centred in its height.
    EXPECT_EQ(CaptionButtonRect({7, 100, 60, 0, 100, 100}, 16, 14, 400, 0, 0, m, 6), MakeRect(329, 34, 16, 14));
}

TEST(FormGeometry, HintsAndActions)
{
    EXPECT_EQ(CaptionButtonHint(0), "Close");
    EXPECT_EQ(CaptionButtonHint(22), "Maximize");
    EXPECT_EQ(CaptionButtonHint(60), "Minimize");
    EXPECT_EQ(CaptionButtonHint(61), "Restore");
    EXPECT_EQ(CaptionButtonHint(3), "");
    EXPECT_EQ(CaptionActionOf(11), CaptionAction::SystemMenu);
    EXPECT_EQ(CaptionActionOf(23), CaptionAction::MinimizeOrRestore);
    EXPECT_EQ(CaptionActionOf(62), CaptionAction::MdiClose);
    EXPECT_EQ(CaptionActionOf(5), CaptionAction::Notify);
}

TEST(FormGeometry, TitlePlacement)
{
    TitleInput in;
    in.width = 400;
    in.height = 31;
    in.textWidth = 100;
    in.textHeight = 13;
    in.textShift = 32;
    in.textRightClip = 104;
    const Rect left = PlaceTitleText(in);
    EXPECT_EQ(left, (Rect{32, 9, 296, 22}));
    in.textShiftVert = 4;
    EXPECT_EQ(PlaceTitleText(in).top, 11);
    in.textShiftVert = 0;

    in.dialogBorder = true;
    EXPECT_EQ(PlaceTitleText(in).left, 16);  // no icon in front of a dialog's title
    in.dialogBorder = false;

    in.alignment = 1;
    EXPECT_EQ(PlaceTitleText(in).left, 150);
    in.alignment = 2;
    in.backLeft = 5;
    EXPECT_EQ(PlaceTitleText(in).left, 400 - 104 - 105);
    in.alignment = 0;

    // A popup window's title stops five pixels before its right-hand buttons.
    in.popupWindow = true;
    in.widestRightButtonXCoord = 36;
    EXPECT_EQ(PlaceTitleText(in).right, 359);
    in.widestRightButtonXCoord = 5;
    EXPECT_EQ(PlaceTitleText(in).right, 296);
}

TEST(FormGeometry, MenuBarItemsRunFromTheStartOfTheBand)
{
    MenuBarLayout in;
    in.band = Rect{4, 30, 304, 49};
    in.textWidths = {20, 35};
    in.hasElement = true;
    in.elementLeft = 3;
    in.elementRight = 2;
    EXPECT_EQ(LayoutMenuBarItems(in), (std::vector<Rect>{{11, 30, 41, 48}, {41, 30, 86, 48}}));
    in.hasElement = false;
    EXPECT_EQ(LayoutMenuBarItems(in)[0].left, 10);
    in.band = Rect{4, 30, 9, 49};  // narrower than the start
    EXPECT_EQ(LayoutMenuBarItems(in)[0].left, 16);

    in.band = Rect{4, 30, 304, 49};
    in.hasElement = true;
    in.rightToLeft = true;
    EXPECT_EQ(LayoutMenuBarItems(in), (std::vector<Rect>{{264, 30, 294, 48}, {219, 30, 264, 48}}));
    in.mdiButtonsLeft = 250;  // a maximized MDI child's buttons take the right end
    EXPECT_EQ(LayoutMenuBarItems(in)[0], (Rect{215, 30, 245, 48}));
}

TEST(FormGeometry, HitTestingInTheSkinnedFrame)
{
    const FrameMetrics m{4, 31, 4, 4, 19};
    EXPECT_EQ(CorrectHitTest(kHitNowhere, 25, m, false), kHitCaption);
    EXPECT_EQ(CorrectHitTest(kHitCaption, 5, m, true), kHitCaption);
    EXPECT_EQ(CorrectHitTest(kHitNowhere, 35, m, true), kHitMenu);
    EXPECT_EQ(CorrectHitTest(kHitNowhere, 35, m, false), kHitNowhere);
    EXPECT_EQ(CorrectHitTest(1 /* client */, 10, m, true), 1);
    EXPECT_EQ(CorrectHitTest(18 /* border */, 10, m, true), 18);
}

TEST(FormGeometry, RegionRunsSkipTheKeyColour)
{
    // A 6 x 3 border whose top corners are transparent; magenta with green 1 still counts as
    // the key, a colour one below the key in red does not.
    const Colour k = kMagenta, o = 0x303030, near = Rgb(255, 1, 255), off = Rgb(254, 0, 255);
    const std::vector<Colour> colours = {k, k, o, o, k, k,
                                         near, o, o, o, o, off,
                                         o, o, o, o, o, o};
    PixelImage pixels(6, 3);
    for (int i = 0; i < 18; ++i) pixels.Set(i % 6, i / 6, colours[static_cast<std::size_t>(i)]);
    const std::vector<Rect> runs = OpaqueRuns(pixels, Rect{0, 0, 6, 3}, kMagenta);
    const std::vector<Rect> expected = {{2, 0, 4, 1}, {1, 1, 6, 2}, {0, 2, 6, 3}};
    EXPECT_EQ(runs, expected);
    // Only the asked area, clipped to the image.
    EXPECT_EQ(OpaqueRuns(pixels, Rect{4, 1, 10, 2}, kMagenta), (std::vector<Rect>{{4, 1, 6, 2}}));
    EXPECT_TRUE(OpaqueRuns(PixelImage{}, Rect{0, 0, 6, 4}, kMagenta).empty());
}

TEST(FormGeometry, RegionParts)
{
    const FrameMetrics m{4, 31, 4, 4, 0};
    EXPECT_TRUE(RegionParts(m, 100, 80, BorderTrans{false, false, false, true}, bkFixed).empty());
    const auto parts = RegionParts(m, 100, 80, BorderTrans{true, false, true, true}, bkFixed);
    ASSERT_EQ(parts.size(), 5u);
    EXPECT_EQ(parts[0].rect, (Rect{4, 31, 96, 76}));
    EXPECT_FALSE(parts[0].fromPixels);
    EXPECT_TRUE(parts[1].fromPixels);   // left
    EXPECT_FALSE(parts[2].fromPixels);  // right, not transparent
    EXPECT_TRUE(parts[3].fromPixels);   // top
    EXPECT_TRUE(parts[4].fromPixels);   // bottom
    // A bottom border under 2 pixels is taken whole.
    EXPECT_FALSE(RegionParts({4, 31, 4, 1, 0}, 100, 80, BorderTrans{true, true, true, true}, bkFixed)[4].fromPixels);
    EXPECT_EQ(RegionParts(m, 100, 80, BorderTrans{true, true, true, true}, bkNoCaption).size(), 1u);
}

}  // namespace
}  // namespace aw::skin
