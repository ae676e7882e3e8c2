// The gallery's controls under the skin, with the shipped skin under Wine: which painter each
// gets (Skin3rd routes other libraries' class names, "nil" keeps a class native), what the
// painters draw for a position, and that each control still works as without the skin,
// compared with an unskinned twin.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "control_test_support.h"
#include "gallery.h"
#include "skin/controls/skin_common_controls.h"
#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "skin/draw/gdi_pixels.h"
#include "ui/application.h"

namespace aw::skin {
namespace {

using test::Gallery;
using test::GalleryGroup;
using test::Pump;

class GalleryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::Application::Instance().Initialize();
        data = test::ShippedSkinData();
        ASSERT_TRUE(data->SkinReady());
        test::AddGallerySkin3rd(*data);
    }
    template <typename Painter>
    Painter* PainterOf(Gallery& gallery, HWND window)
    {
        ControlSkins* skins = ControlSkinsOf(gallery.Handle());
        return skins ? dynamic_cast<Painter*>(skins->Find(window)) : nullptr;
    }
    static bool AnswersSkinned(HWND window) { return ::SendMessageA(window, kMsgSkinnedQuery, 0, 0) == 1; }

    std::unique_ptr<TSkinData> data;
};

TEST_F(GalleryTest, EachControlGetsItsPainterAndUnskinningGivesAllBack)
{
    Gallery lists(GalleryGroup::Lists), ranges(GalleryGroup::Ranges), tabs(GalleryGroup::Tabs),
        others(GalleryGroup::Others);
    for (Gallery* g : {&lists, &ranges, &tabs, &others}) g->Skin(*data);
    Pump();
    EXPECT_TRUE(PainterOf<TSkinComBox>(lists, lists.Control("combo")));
    EXPECT_TRUE(PainterOf<TSkinComBox>(lists, lists.Control("comboEdit")));
    HWND inner = reinterpret_cast<HWND>(::SendMessageA(lists.Control("comboEx"), CBEM_GETCOMBOCONTROL, 0, 0));
    EXPECT_TRUE(PainterOf<TSkinComBox>(lists, inner));  // the extended combo's own combo box
    EXPECT_TRUE(PainterOf<TSkinScrollbar>(lists, lists.Control("list")));
    EXPECT_TRUE(PainterOf<TSkinListView>(lists, lists.Control("listView")));
    HWND viewHeader = reinterpret_cast<HWND>(::SendMessageA(lists.Control("listView"), LVM_GETHEADER, 0, 0));
    EXPECT_TRUE(PainterOf<TSkinHeader>(lists, viewHeader));
    EXPECT_TRUE(PainterOf<TSkinHeader>(lists, lists.Control("header")));
    EXPECT_TRUE(PainterOf<TSkinProgress>(ranges, ranges.Control("progressVertical")));
    EXPECT_TRUE(PainterOf<TSkinTrackBar>(ranges, ranges.Control("trackVertical")));
    EXPECT_TRUE(PainterOf<TSkinUpDown>(ranges, ranges.Control("spinHorizontal")));
    EXPECT_TRUE(PainterOf<TSkinDateTime>(others, others.Control("date")));
    EXPECT_TRUE(PainterOf<TSkinScrollbar>(others, others.Control("rich")));
    EXPECT_TRUE(PainterOf<TSkinToolbar>(others, others.Control("toolbar")));
    EXPECT_TRUE(PainterOf<TSkinTabBtn>(tabs, tabs.Control("buttonTabs")));
    for (const char* name : {"tabs", "bottomTabs", "leftTabs", "rightTabs"}) {
        auto* tab = PainterOf<TSkinTab>(tabs, tabs.Control(name));
        EXPECT_TRUE(tab && tab->Active() && !dynamic_cast<TSkinTabBtn*>(tab)) << name;
    }
    HWND arrows = ::FindWindowExA(tabs.Control("scrollTabs"), nullptr, UPDOWN_CLASSA, nullptr);
    EXPECT_TRUE(arrows && PainterOf<TSkinUpDown>(tabs, arrows));  // the tab scroll arrows
    // A window of another library's media-player class reaches the player painter.
    EXPECT_TRUE(PainterOf<TSkinMP>(others, others.Control("player")));
    // Class names of the default Skin3rd list reach the bit, speed and menu button painters.
    EXPECT_TRUE(PainterOf<TSkinMenuButton>(others, others.Control("menuButton")));
    auto* bit = PainterOf<TSkinBitButton>(others, others.Control("bitButton"));
    EXPECT_TRUE(bit && !dynamic_cast<TSkinMenuButton*>(bit));
    EXPECT_TRUE(PainterOf<TSkinBitButton>(others, others.Control("speedButton")));

    for (Gallery* g : {&lists, &ranges, &tabs, &others}) UnskinControlsOf(g->Handle());
    for (const char* name : {"combo", "list", "listView", "header"}) EXPECT_FALSE(AnswersSkinned(lists.Control(name))) << name;
    EXPECT_FALSE(AnswersSkinned(inner));
    EXPECT_FALSE(AnswersSkinned(viewHeader));
    for (const char* name : {"progress37", "track", "spin"}) EXPECT_FALSE(AnswersSkinned(ranges.Control(name))) << name;
    for (const char* name : {"date", "toolbar", "menuButton", "player"})
        EXPECT_FALSE(AnswersSkinned(others.Control(name))) << name;
    EXPECT_FALSE(AnswersSkinned(tabs.Control("leftTabs")));
}

TEST_F(GalleryTest, UnskinnedGalleryLooksAsBefore)
{
    // The time picker shows the clock's seconds, so the groups without it are compared.
    for (GalleryGroup group : {GalleryGroup::Lists, GalleryGroup::Ranges}) {
        Gallery gallery(group);
        Pump();
        const PixelImage before = test::Capture(gallery.Handle());
        gallery.Skin(*data);
        Pump();
        const PixelImage skinned = test::Capture(gallery.Handle());
        UnskinControlsOf(gallery.Handle());
        Pump();
        const PixelImage after = test::Capture(gallery.Handle());
        int skinnedDiffer = 0, afterDiffer = 0;
        for (int y = 0; y < before.height; ++y)
            for (int x = 0; x < before.width; ++x) {
                skinnedDiffer += skinned.At(x, y) != before.At(x, y);
                afterDiffer += after.At(x, y) != before.At(x, y);
            }
        EXPECT_GT(skinnedDiffer, 1000) << test::GalleryGroupName(group);
        EXPECT_EQ(afterDiffer, 0) << test::GalleryGroupName(group);
    }
}

TEST_F(GalleryTest, AnEditGivesTheUpDownInsideItAPainter)
{
    // Without the gallery's handler a bare up-down has no route to a painter of its own.
    Gallery ranges(GalleryGroup::Ranges);
    SkinControlsOf(ranges.Handle(), *data);
    Pump();
    EXPECT_TRUE(PainterOf<TSkinEdit>(ranges, ranges.Control("spinHost")));
    EXPECT_TRUE(PainterOf<TSkinUpDown>(ranges, ranges.Control("spinInside")));
    EXPECT_FALSE(AnswersSkinned(ranges.Control("spin")));
    data->SkinControls.Exclude(xcSpin);
    Gallery without(GalleryGroup::Ranges);
    SkinControlsOf(without.Handle(), *data);
    Pump();
    EXPECT_TRUE(PainterOf<TSkinEdit>(without, without.Control("spinHost")));
    EXPECT_FALSE(AnswersSkinned(without.Control("spinInside")));
}

TEST_F(GalleryTest, NilInSkin3rdKeepsAClassNative)
{
    data->Skin3rd.insert(data->Skin3rd.begin(), {"TRzMenuButton=nil", "MSCTLS_PROGRESS32=nil"});
    Gallery others(GalleryGroup::Others), ranges(GalleryGroup::Ranges);
    others.Skin(*data);
    ranges.Skin(*data);
    EXPECT_FALSE(AnswersSkinned(others.Control("menuButton")));
    EXPECT_FALSE(AnswersSkinned(ranges.Control("progress37")));
    // The other classes are still routed.
    EXPECT_TRUE(PainterOf<TSkinBitButton>(others, others.Control("bitButton")));
    EXPECT_TRUE(PainterOf<TSkinTrackBar>(ranges, ranges.Control("track")));
}

// Columns of the middle row that differ from the same row of `empty`.
int FilledColumns(const PixelImage& empty, const PixelImage& shown)
{
    int count = 0;
    const int y = shown.height / 2;
    for (int x = 0; x < shown.width; ++x)
        if (shown.At(x, y) != empty.At(x, y)) ++count;
    return count;
}

TEST_F(GalleryTest, ProgressFillsInProportionToItsPosition)
{
    Gallery ranges(GalleryGroup::Ranges);
    ranges.Skin(*data);
    Pump();
    const PixelImage empty = test::Capture(ranges.Control("progress0"));
    const PixelImage part = test::Capture(ranges.Control("progress37"));
    const PixelImage full = test::Capture(ranges.Control("progress100"));
    const int whole = FilledColumns(empty, full);
    ASSERT_GT(whole, 150);  // nearly the 200-pixel bar, less its edges
    EXPECT_NEAR(FilledColumns(empty, part), whole * 37 / 100, 2);
    // A new position is shown at once.
    ::SendMessageA(ranges.Control("progress37"), PBM_SETPOS, 100, 0);
    Pump();
    EXPECT_EQ(FilledColumns(empty, test::Capture(ranges.Control("progress37"))), whole);
}

// The leftmost and rightmost columns where two pictures differ.
std::pair<int, int> DifferingSpan(const PixelImage& a, const PixelImage& b)
{
    int first = -1, last = -1;
    for (int x = 0; x < a.width; ++x)
        for (int y = 0; y < a.height; ++y)
            if (a.At(x, y) != b.At(x, y)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

TEST_F(GalleryTest, TrackThumbSitsAtTheChannelEndsAtMinimumAndMaximum)
{
    Gallery ranges(GalleryGroup::Ranges);
    ranges.Skin(*data);
    HWND track = ranges.Control("trackMin");
    Pump();
    const PixelImage atMin = test::Capture(track);
    ::SendMessageA(track, TBM_SETPOS, TRUE, 10);
    Pump();
    const PixelImage atMax = test::Capture(track);
    RECT channel{};
    ::SendMessageA(track, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const auto [first, last] = DifferingSpan(atMin, atMax);
    ASSERT_GE(first, 0) << "the thumb did not move";
    // The thumb moved from the channel's start to its end; nothing between changed.
    EXPECT_LE(first, channel.left + 2);
    EXPECT_GE(last, channel.right - 3);
    int middleChanged = 0;
    for (int y = 0; y < atMin.height; ++y)
        middleChanged += atMin.At(atMin.width / 2, y) != atMax.At(atMin.width / 2, y);
    EXPECT_EQ(middleChanged, 0);
}

// The frame of a skin element drawn over the face colour, as a painter draws a part of its
// control.
PixelImage ElementOver(const TSkinData& data, const TDataSkinObject& element, int frameCount, int frame, int width,
                       int height)
{
    return test::Drawn(width, height, [&](HDC dc) {
        const RECT all{0, 0, width, height};
        ::FillRect(dc, &all, data.ButtonFaceBrush());
        DrawElementFrame(dc, all, element.image.Get(), false, element.Tile != 0, element.Trans != 0, frameCount, frame,
                         element.GetMargins());
    });
}

TEST_F(GalleryTest, PressedComboArrowHeaderSectionAndUpDownHalfShowThePressedFrames)
{
    Gallery lists(GalleryGroup::Lists), ranges(GalleryGroup::Ranges);
    lists.Skin(*data);
    ranges.Skin(*data);
    Pump();

    // A dropped combo box shows its arrow pressed.
    HWND combo = lists.Control("comboEdit");
    const PixelImage atRest = test::Capture(combo);
    const ComboLayout layout = LayOutCombo(atRest.width, atRest.height, ::GetSystemMetrics(SM_CXHSCROLL) + 2);
    // The arrow's inside (the combo's edge runs along the button's outer sides), drawn from the
    // skin's combined edge-and-button image when it has one, else from the arrow.
    const RECT arrow{layout.button.left + 2, layout.button.top + 2, layout.button.right - 2, layout.button.bottom - 2};
    const TDataSkinObject* combined = data->Slot(SkinSlot::ComboButton);
    auto arrowIn = [&](ControlState state) {
        const PixelImage whole = test::Drawn(atRest.width, atRest.height, [&](HDC dc) {
            const RECT edge{layout.edge.left, layout.edge.top, layout.edge.right, layout.edge.bottom};
            const RECT button{layout.button.left, layout.button.top, layout.button.right, layout.button.bottom};
            ::FillRect(dc, &edge, data->ButtonFaceBrush());
            if (combined && combined->image && combined->Style == 2)
                DrawElementFrame(dc, edge, combined->image.Get(), false, combined->Tile != 0, combined->Trans != 0,
                                 combined->FrameCount, FourStateFrame(state, combined->FrameCount),
                                 combined->GetMargins());
            else
                DrawComboArrow(dc, *data, button, state);
        });
        PixelImage inside(arrow.right - arrow.left, arrow.bottom - arrow.top);
        for (int y = 0; y < inside.height; ++y)
            for (int x = 0; x < inside.width; ++x) inside.Set(x, y, whole.At(arrow.left + x, arrow.top + y));
        return inside;
    };
    ASSERT_GT(test::AreaDifferences(atRest, arrow, arrowIn(ControlState::Pressed)), 0) << "the frames look alike";
    ::SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    EXPECT_EQ(test::AreaDifferences(test::Capture(combo), arrow, arrowIn(ControlState::Pressed)), 0);
    ::SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    Pump();

    // A header section held down: its border is the Headerbar's pressed frame (the text lies
    // inside it).
    HWND header = lists.Control("header");
    RECT section{};
    ::SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&section));
    const TDataSkinObject* bar = data->Slot(SkinSlot::Headerbar);
    ASSERT_TRUE(bar && bar->image);
    const int w = section.right - section.left, h = section.bottom - section.top;
    const int barFrames = std::max(1, bar->FrameCount);
    auto sectionIn = [&](ControlState state) {
        return ElementOver(*data, *bar, barFrames, HeaderFrame(state, false, barFrames), w, h);
    };
    ASSERT_GT(test::AreaDifferences(test::Capture(header), section, sectionIn(ControlState::Pressed), 2), 0);
    ::PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(w / 2, h / 2));
    Pump();
    EXPECT_EQ(test::AreaDifferences(test::Capture(header), section, sectionIn(ControlState::Pressed), 2), 0);
    ::PostMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(w / 2, h / 2));
    Pump();
    EXPECT_EQ(test::AreaDifferences(test::Capture(header), section, sectionIn(ControlState::Normal), 2), 0);

    // The upper half of an up-down held down.
    HWND spin = ranges.Control("spin");
    const TDataSkinBorder* element = data->Skin().BorderSlot(SkinSlot::UpDownVert);
    ASSERT_TRUE(element && element->image);
    const PixelImage spinAtRest = test::Capture(spin);
    const RECT upper{0, 0, spinAtRest.width, spinAtRest.height / 2};
    const PixelImage pressedUpper = test::Drawn(upper.right, upper.bottom, [&](HDC dc) {
        ::FillRect(dc, &upper, data->ButtonFaceBrush());
        const int frame = UpDownFrame(false, ControlState::Pressed);
        DrawElementFrame(dc, upper, element->image.Get(), false, element->Tile != 0, element->Trans != 0, 8, frame,
                         element->GetMargins());
        if (element->image2) DrawCentredFrame(dc, upper, element->image2.Get(), true, 8, frame);
    });
    ASSERT_GT(test::AreaDifferences(spinAtRest, upper, pressedUpper), 0);
    ::PostMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(upper.right / 2, upper.bottom / 2));
    Pump();
    EXPECT_EQ(test::AreaDifferences(test::Capture(spin), upper, pressedUpper), 0);
    ::PostMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(upper.right / 2, upper.bottom / 2));
    Pump();
}

TEST_F(GalleryTest, SelectedTabShowsTheOuterEdgeOfItsFrameOnTheTabsSide)
{
    Gallery tabs(GalleryGroup::Tabs);
    tabs.Skin(*data);
    Pump();
    // The selected tab's frame: its top row is the tab's outer edge, its bottom row the side
    // that opens into the page.
    const TDataSkinBorder* element = data->Skin().BorderSlot(SkinSlot::Tabs);
    ASSERT_TRUE(element && element->image);
    const PixelImage image = ReadPixels(element->image.Get());
    const int frameWidth = image.width / element->FrameCount;
    const Colour outer = image.At(frameWidth + frameWidth / 2, 0) & 0xFFFFFF;
    const Colour inner = image.At(frameWidth + frameWidth / 2, image.height - 1) & 0xFFFFFF;
    ASSERT_NE(outer, inner);
    const Colour face = ResolveColour(data->SkinColour(csButtonFace)) & 0xFFFFFF;

    struct Side {
        const char* name;
        int dx, dy;  // the step from the outer edge of the control toward the page
    };
    for (const Side& side : {Side{"tabs", 0, 1}, Side{"bottomTabs", 0, -1}, Side{"leftTabs", 1, 0},
                             Side{"rightTabs", -1, 0}}) {
        HWND control = tabs.Control(side.name);
        const PixelImage shown = test::Capture(control);
        RECT tab{};
        ::SendMessageA(control, TCM_GETITEMRECT, ::SendMessageA(control, TCM_GETCURSEL, 0, 0),
                       reinterpret_cast<LPARAM>(&tab));
        // From the control's edge on the tabs' side, across the middle of the selected tab.
        int x = side.dx == 0 ? (tab.left + tab.right) / 2 : (side.dx > 0 ? 0 : shown.width - 1);
        int y = side.dy == 0 ? (tab.top + tab.bottom) / 2 : (side.dy > 0 ? 0 : shown.height - 1);
        while (shown.Contains(x, y) && shown.At(x, y) == face) {
            x += side.dx;
            y += side.dy;
        }
        ASSERT_TRUE(shown.Contains(x, y)) << side.name;
        EXPECT_EQ(shown.At(x, y), outer) << side.name << " at " << x << "," << y;
    }
}

TEST_F(GalleryTest, VerticalTrackThumbIsTheHorizontalThumbTurned)
{
    // The shipped skin has horizontal thumbs only.
    ASSERT_FALSE(data->Slot(SkinSlot::TrackbarThumbVert) && data->Slot(SkinSlot::TrackbarThumbVert)->image);
    const TDataSkinObject* horizontal = data->Slot(SkinSlot::TrackbarThumbHorz);
    ASSERT_TRUE(horizontal && horizontal->image);
    const PixelImage strip = ReadPixels(horizontal->image.Get());
    const int fw = strip.width / horizontal->FrameCount;
    // Frame 1 turned a quarter counter-clockwise: its top row becomes its left column.
    PixelImage turned(strip.height, fw);
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < fw; ++x) turned.Set(y, fw - 1 - x, strip.At(x, y) & 0xFFFFFF);

    Gallery ranges(GalleryGroup::Ranges);
    ranges.Skin(*data);
    Pump();
    HWND track = ranges.Control("trackVerticalBoth");
    const PixelImage shown = test::Capture(track);
    RECT native{};
    ::SendMessageA(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&native));
    // Somewhere about the native thumb, every opaque pixel of the turned thumb is shown.
    int best = turned.width * turned.height;
    for (int top = native.top - 8; top <= native.bottom; ++top)
        for (int left = native.left - 8; left <= native.right; ++left) {
            int misses = 0;
            for (int y = 0; y < turned.height; ++y)
                for (int x = 0; x < turned.width; ++x) {
                    const Colour c = turned.At(x, y);
                    if (c == 0xFF00FF) continue;
                    misses += !shown.Contains(left + x, top + y) || shown.At(left + x, top + y) != c;
                }
            best = std::min(best, misses);
        }
    EXPECT_EQ(best, 0);
}

TEST_F(GalleryTest, CheckedToolButtonIsFramedWithTheSkinsCheckedFrame)
{
    Gallery others(GalleryGroup::Others);
    others.Skin(*data);
    Pump();
    HWND toolbar = others.Control("toolbar");
    const int index = 3;  // "Checked"
    TBBUTTON button{};
    ::SendMessageA(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
    ASSERT_TRUE(button.fsState & TBSTATE_CHECKED);
    RECT r{};
    ::SendMessageA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    const PixelImage checked = test::Capture(toolbar);
    // At rest the button lies on the bar's background: the expected picture is that with the
    // frame drawn over it.
    ::SendMessageA(toolbar, TB_CHECKBUTTON, button.idCommand, FALSE);
    Pump();
    const PixelImage rest = test::Capture(toolbar);
    PixelImage under(r.right - r.left, r.bottom - r.top);
    for (int y = 0; y < under.height; ++y)
        for (int x = 0; x < under.width; ++x) under.Set(x, y, rest.At(r.left + x, r.top + y));
    const TDataSkinButton& frames = data->Skin().buttons;  // the shipped skin has no ToolBars element
    ASSERT_FALSE(data->Slot(SkinSlot::ToolBars) && data->Slot(SkinSlot::ToolBars)->image);
    auto framed = [&](int frame) {
        return test::Drawn(under.width, under.height, [&](HDC dc) {
            UniqueBitmap background = CreateBitmap32(under);
            MemoryDC source(dc);
            SelectedObject select(source.Get(), background.Get());
            ::BitBlt(dc, 0, 0, under.width, under.height, source.Get(), 0, 0, SRCCOPY);
            const RECT all{0, 0, under.width, under.height};
            DrawElementFrame(dc, all, frames.image.Get(), false, frames.Tile != 0, frames.Trans != 0, 5, frame,
                             frames.GetMargins());
        });
    };
    EXPECT_EQ(test::AreaDifferences(checked, r, framed(5), 2), 0);
    EXPECT_GT(test::AreaDifferences(rest, r, framed(5), 2), 0);
    // The control still draws its buttons' images: the first one's teal glyph.
    RECT first{};
    ::SendMessageA(toolbar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    int glyph = 0;
    for (int y = first.top; y < first.bottom; ++y)
        for (int x = first.left; x < first.right; ++x) glyph += rest.At(x, y) == 0x808000;  // teal, as read
    EXPECT_GE(glyph, 90);  // its 10 x 10 square
}

// The same input on a skinned gallery and an unskinned twin.
class TwinTest : public GalleryTest {
protected:
    void Make(GalleryGroup group)
    {
        skinned = std::make_unique<Gallery>(group);
        native = std::make_unique<Gallery>(group);
        skinned->Skin(*data);
        Pump();
    }
    template <typename Action>
    void OnBoth(const char* name, Action action)
    {
        for (Gallery* g : {skinned.get(), native.get()}) action(g->Control(name));
        Pump();
    }
    template <typename Query>
    void ExpectSame(const char* name, Query query)
    {
        EXPECT_EQ(query(skinned->Control(name)), query(native->Control(name))) << name;
    }
    static void Post(HWND w, UINT msg, WPARAM wp, int x, int y) { ::PostMessageA(w, msg, wp, MAKELPARAM(x, y)); }

    std::unique_ptr<Gallery> skinned, native;
};

TEST_F(TwinTest, ComboAndListSelectAsWithoutTheSkin)
{
    Make(GalleryGroup::Lists);
    OnBoth("combo", [](HWND w) {
        ::SetFocus(w);
        ::PostMessageA(w, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(w, WM_KEYDOWN, VK_DOWN, 0);
    });
    ExpectSame("combo", [](HWND w) { return ::SendMessageA(w, CB_GETCURSEL, 0, 0); });
    EXPECT_EQ(::SendMessageA(skinned->Control("combo"), CB_GETCURSEL, 0, 0), 3);

    const int row = static_cast<int>(::SendMessageA(native->Control("list"), LB_GETITEMHEIGHT, 0, 0));
    OnBoth("list", [&](HWND w) {
        Post(w, WM_LBUTTONDOWN, MK_LBUTTON, 20, row * 4 + row / 2);
        Post(w, WM_LBUTTONUP, 0, 20, row * 4 + row / 2);
    });
    ExpectSame("list", [](HWND w) { return ::SendMessageA(w, LB_GETCURSEL, 0, 0); });
    EXPECT_EQ(::SendMessageA(skinned->Control("list"), LB_GETCURSEL, 0, 0), 4);
}

TEST_F(TwinTest, TrackBarDragsAndUpDownClicksAsWithoutTheSkin)
{
    Make(GalleryGroup::Ranges);
    RECT thumb{};
    ::SendMessageA(native->Control("trackMin"), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int x = (thumb.left + thumb.right) / 2, y = (thumb.top + thumb.bottom) / 2;
    OnBoth("trackMin", [&](HWND w) {
        Post(w, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        Post(w, WM_MOUSEMOVE, MK_LBUTTON, x + 60, y);
        Post(w, WM_MOUSEMOVE, MK_LBUTTON, x + 100, y);
        Post(w, WM_LBUTTONUP, 0, x + 100, y);
    });
    ExpectSame("trackMin", [](HWND w) { return ::SendMessageA(w, TBM_GETPOS, 0, 0); });
    EXPECT_GT(::SendMessageA(skinned->Control("trackMin"), TBM_GETPOS, 0, 0), 0);

    // Up twice on the vertical up-down, left once on the horizontal one.
    OnBoth("spin", [](HWND w) {
        for (int i = 0; i < 2; ++i) {
            Post(w, WM_LBUTTONDOWN, MK_LBUTTON, 8, 4);
            Post(w, WM_LBUTTONUP, 0, 8, 4);
        }
    });
    OnBoth("spinHorizontal", [](HWND w) {
        Post(w, WM_LBUTTONDOWN, MK_LBUTTON, 4, 8);
        Post(w, WM_LBUTTONUP, 0, 4, 8);
    });
    auto position = [](HWND w) { return ::SendMessageA(w, UDM_GETPOS32, 0, 0); };
    ExpectSame("spin", position);
    ExpectSame("spinHorizontal", position);
    EXPECT_EQ(position(skinned->Control("spin")), 7);
    EXPECT_EQ(position(skinned->Control("spinHorizontal")), 49);
    char buddy[16] = {};
    ::GetWindowTextA(skinned->Control("spinEdit"), buddy, sizeof buddy);
    EXPECT_STREQ(buddy, "7");
}

TEST_F(TwinTest, HeaderSectionResizesAsWithoutTheSkin)
{
    Make(GalleryGroup::Lists);
    OnBoth("header", [](HWND w) {
        Post(w, WM_LBUTTONDOWN, MK_LBUTTON, 59, 10);
        Post(w, WM_MOUSEMOVE, MK_LBUTTON, 75, 10);
        Post(w, WM_MOUSEMOVE, MK_LBUTTON, 89, 10);
        Post(w, WM_LBUTTONUP, 0, 89, 10);
    });
    auto width = [](HWND w) {
        RECT r{};
        ::SendMessageA(w, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r.right - r.left;
    };
    ExpectSame("header", width);
    EXPECT_GT(width(skinned->Control("header")), 60);
}

TEST_F(TwinTest, DroppedComboListScrollsAsWithoutTheSkin)
{
    Make(GalleryGroup::Lists);
    int top[2] = {-1, -1};
    for (int k = 0; k < 2; ++k) {
        Gallery& g = k == 0 ? *skinned : *native;
        HWND combo = g.Control("combo");
        ::SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
        Pump();
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(::GetComboBoxInfo(combo, &info));
        HWND list = info.hwndList;
        SCROLLBARINFO bar{};
        bar.cbSize = sizeof bar;
        ASSERT_TRUE(::GetScrollBarInfo(list, OBJID_VSCROLL, &bar));
        HWND skinBar = nullptr;
        if (&g == skinned.get()) {
            // The skinned bar lies over the native one while the list is dropped.
            auto* painter = PainterOf<TSkinScrollbar>(g, list);
            ASSERT_TRUE(painter && painter->Bar(true));
            skinBar = painter->Bar(true)->Handle();
            RECT at{};
            ::GetWindowRect(skinBar, &at);
            EXPECT_TRUE(::IsWindowVisible(skinBar));
            EXPECT_TRUE(::EqualRect(&at, &bar.rcScrollBar));
        }
        // The lower arrow twice, then the track above it.
        const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
        const int arrow = bar.rcScrollBar.bottom - 3;
        const int track = bar.rcScrollBar.bottom - bar.dxyLineButton - 3;
        for (int y : {arrow, arrow, track}) {
            POINT p{x, y};
            ::ScreenToClient(list, &p);
            Post(list, WM_LBUTTONDOWN, MK_LBUTTON, p.x, p.y);
            Post(list, WM_LBUTTONUP, 0, p.x, p.y);
            Pump();
        }
        top[k] = static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
        ::SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
        Pump();
        if (skinBar) {
            EXPECT_FALSE(::IsWindowVisible(skinBar));
        }
    }
    EXPECT_EQ(top[0], top[1]);
    EXPECT_GT(top[0], 2);  // two lines and a page
}

TEST_F(TwinTest, MediaPlayerButtonClicksAsWithoutTheSkinAndShowsItPressed)
{
    Make(GalleryGroup::Others);
    HWND player = skinned->Control("player");
    RECT client{};
    ::GetClientRect(player, &client);
    const Rect stop = LayOutPlayerButtons(client.right, client.bottom, kPlayerButtonCount)[2];
    const int x = (stop.left + stop.right) / 2, y = (stop.top + stop.bottom) / 2;
    // Held down (one player at a time: the other would take the mouse), the button shows the
    // push button's pressed frame.
    const RECT area{stop.left, stop.top, stop.right, stop.bottom};
    const PixelImage pressed = ElementOver(*data, data->Skin().buttons, 5, kPushButtonFrames[ControlState::Pressed],
                                           stop.Width(), stop.Height());
    for (Gallery* g : {skinned.get(), native.get()}) {
        Post(g->Control("player"), WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        Pump();
        if (g == skinned.get()) {
            EXPECT_EQ(test::AreaDifferences(test::Capture(player), area, pressed, 2), 0);
        }
        Post(g->Control("player"), WM_LBUTTONUP, 0, x, y);
        Pump();
    }
    ExpectSame("player", [](HWND w) { return test::PlayerClicked(w); });
    EXPECT_EQ(test::PlayerClicked(player), 2);
    EXPECT_GT(test::AreaDifferences(test::Capture(player), area, pressed, 2), 0);
}

}  // namespace
}  // namespace aw::skin
