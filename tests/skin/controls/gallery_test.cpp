// The gallery's controls under the skin, with the shipped skin under Wine: which painter each
// gets (Skin3rd routes other libraries' class names, "nil" keeps a class native), what the
// painters draw for a position, and that each control still works as without the skin,
// compared with an unskinned twin.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "control_test_support.h"
#include "gallery.h"
#include "skin/controls/skin_common_controls.h"
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

}  // namespace
}  // namespace aw::skin
