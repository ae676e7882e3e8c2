// Control painters on real windows of a test form under Wine, with the shipped skin: which
// controls get painters, what each state shows, that input behaves as without the skin, and
// that unskinning gives every control back.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "control_test_support.h"
#include "skin/controls/control_skinning.h"
#include "skin/controls/skin_painters.h"
#include "skin/draw/gdi_colour.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/tree_view.h"

#include <optional>
#include <stdexcept>
#include <string_view>

namespace aw::skin {
namespace {

using test::Capture;
using test::Pump;
using test::ShownButtonFrame;
using test::ShownCheckFrame;

bool AnswersSkinned(HWND window) { return ::SendMessageA(window, kMsgSkinnedQuery, 0, 0) == 1; }

class ControlSkinsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::Application::Instance().Initialize();
        form.CreateForm();
        data = test::ShippedSkinData();
        ASSERT_TRUE(data->SkinReady());
    }
    void TearDown() override { UnskinControlsOf(form.Handle()); }

    void ShowAndSkin()
    {
        form.Show();
        Pump();
        SkinControlsOf(form.Handle(), *data);
        Pump();
    }
    ui::Button& AddButton(const char* name, const char* caption, int top)
    {
        return form.Add<ui::Button>(ui::Bounds{10, top, 100, 25}, name, caption);
    }

    ui::Form form{"SkinTest", "TControlSkinTestForm", 420, 320};
    std::unique_ptr<TSkinData> data;
};

TEST_F(ControlSkinsTest, DisableTagKeepsOneButtonAndAWholeRadioGroupNative)
{
    auto& skinned = AddButton("Button1", "Scan", 10);
    auto& native = AddButton("Button2", "Clean", 40);
    native.SetTag(99);
    data->Skin3rd.push_back("TRadioGroup=radiogroup");
    auto& group = form.Add<test::RadioGroup>(ui::Bounds{150, 10, 160, 80}, "RadioGroup1", "When");
    auto& first = group.Add<test::RadioButton>(ui::Bounds{8, 20, 140, 17}, "Radio1", "Hidden");
    auto& other = form.Add<test::RadioGroup>(ui::Bounds{150, 100, 160, 80}, "RadioGroup2", "How");
    auto& second = other.Add<test::RadioButton>(ui::Bounds{8, 20, 140, 17}, "Radio2", "Clean");
    group.SetTag(99);
    ShowAndSkin();

    EXPECT_TRUE(AnswersSkinned(skinned.Handle()));
    EXPECT_EQ(ShownButtonFrame(skinned.Handle(), *data), 1);
    EXPECT_FALSE(AnswersSkinned(native.Handle()));
    EXPECT_EQ(ShownButtonFrame(native.Handle(), *data), 0);
    // The disabled group hands its tag down, so its buttons stay native too.
    EXPECT_FALSE(AnswersSkinned(group.Handle()));
    EXPECT_EQ(first.Tag(), 99);
    EXPECT_FALSE(AnswersSkinned(first.Handle()));
    // The other group is drawn as a group box and its buttons as radio buttons.
    EXPECT_TRUE(AnswersSkinned(other.Handle()));
    EXPECT_TRUE(AnswersSkinned(second.Handle()));
    EXPECT_EQ(ShownCheckFrame(second.Handle(), *data, true), 1);
    EXPECT_EQ(ShownCheckFrame(first.Handle(), *data, true), 0);
}

TEST_F(ControlSkinsTest, SpacePressesTheButtonAndOnlyTheReleaseClicks)
{
    auto& button = AddButton("Button1", "Scan", 10);
    AddButton("Button2", "Clean", 40);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    ShowAndSkin();
    button.SetFocus();
    Pump();
    EXPECT_EQ(ShownButtonFrame(button.Handle(), *data), 5);  // focused

    ::PostMessageA(button.Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
    Pump();
    EXPECT_EQ(ShownButtonFrame(button.Handle(), *data), 2);
    EXPECT_EQ(clicks, 0);
    ::PostMessageA(button.Handle(), WM_KEYUP, VK_SPACE, 0xC0390001);
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(ShownButtonFrame(button.Handle(), *data), 5);
}

TEST_F(ControlSkinsTest, MouseShowsHoverAndPressedAndClicksOnceOnRelease)
{
    auto& button = AddButton("Button1", "Scan", 10);
    auto& other = AddButton("Button2", "Clean", 40);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    ShowAndSkin();
    other.SetFocus();
    Pump();

    ::SendMessageA(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
    EXPECT_EQ(ShownButtonFrame(button.Handle(), *data), 4);
    ::SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    EXPECT_EQ(ShownButtonFrame(button.Handle(), *data), 2);
    EXPECT_EQ(::GetFocus(), button.Handle());
    EXPECT_EQ(clicks, 0);
    ::SendMessageA(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    EXPECT_EQ(clicks, 1);
    ::SendMessageA(button.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(ShownButtonFrame(button.Handle(), *data), 5);
    // A release without a press clicks nothing.
    ::SendMessageA(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    EXPECT_EQ(clicks, 1);
}

// Rows of the picture holding at least one pixel of `colour`.
int RowsWith(const PixelImage& image, COLORREF colour)
{
    int rows = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y) == (colour & 0xFFFFFF)) {
                ++rows;
                break;
            }
    return rows;
}

// From the first to the last row holding `colour`.
int HeightOf(const PixelImage& image, COLORREF colour)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y) == (colour & 0xFFFFFF)) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
}

TEST_F(ControlSkinsTest, DoubleBarMakesTwoLinesOnce)
{
    auto& one = form.Add<ui::Button>(ui::Bounds{10, 10, 160, 60}, "Button1", "Clean now");
    auto& two = form.Add<ui::Button>(ui::Bounds{10, 80, 160, 60}, "Button2", "Clean||now");
    auto& three = form.Add<ui::Button>(ui::Bounds{10, 150, 160, 60}, "Button3", "Clean||now||x");
    ShowAndSkin();
    TEXTMETRICA metrics{};
    {
        WindowDC dc(one.Handle());
        SelectedObject font(dc.Get(), reinterpret_cast<HFONT>(::SendMessageA(one.Handle(), WM_GETFONT, 0, 0)));
        ::GetTextMetricsA(dc.Get(), &metrics);
    }
    const int line = metrics.tmHeight;
    const COLORREF text = ResolveColour(data->Skin().buttons.NormalColour2);
    EXPECT_LE(HeightOf(Capture(one.Handle()), text), line);
    EXPECT_GT(HeightOf(Capture(two.Handle()), text), line);
    EXPECT_LE(HeightOf(Capture(two.Handle()), text), 2 * line);
    // The second "||" stays in the text: two lines, not three.
    EXPECT_GT(HeightOf(Capture(three.Handle()), text), line);
    EXPECT_LE(HeightOf(Capture(three.Handle()), text), 2 * line);
}

TEST_F(ControlSkinsTest, DisabledButtonShowsFrameThreeAndAShadowCaption)
{
    auto& button = AddButton("Button1", "Restore", 10);
    ShowAndSkin();
    button.SetEnabled(false);
    ::SendMessageA(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
    ::SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
    EXPECT_EQ(ShownButtonFrame(button.Handle(), *data), 3);
    const PixelImage shown = Capture(button.Handle());
    EXPECT_GT(RowsWith(shown, ::GetSysColor(COLOR_BTNSHADOW)), 3);
    EXPECT_EQ(RowsWith(shown, ResolveColour(data->Skin().buttons.NormalColour2)), 0);
}

TEST_F(ControlSkinsTest, CheckBoxClickTogglesOnceAndShowsEveryState)
{
    auto& box = form.Add<ui::CheckBox>(ui::Bounds{10, 10, 200, 17}, "CheckBox1", "Clean at Windows shutdown", false);
    auto& button = AddButton("Button1", "Close", 40);
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    ShowAndSkin();
    button.SetFocus();
    EXPECT_EQ(ShownCheckFrame(box.Handle(), *data, false), 1);

    test::PostClick(box.Handle(), 5, 8);
    Pump();
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(clicks, 1);
    ::SendMessageA(box.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(ShownCheckFrame(box.Handle(), *data, false), 5);
    ::SendMessageA(box.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 8));
    EXPECT_EQ(ShownCheckFrame(box.Handle(), *data, false), 6);
    ::SendMessageA(box.Handle(), BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(ShownCheckFrame(box.Handle(), *data, false), 7);
    ::SendMessageA(box.Handle(), BM_SETSTATE, FALSE, 0);
    box.SetEnabled(false);
    EXPECT_EQ(ShownCheckFrame(box.Handle(), *data, false), 8);
    box.SetEnabled(true);
    ::SendMessageA(box.Handle(), BM_SETSTYLE, BS_3STATE, FALSE);
    ::SendMessageA(box.Handle(), BM_SETCHECK, BST_INDETERMINATE, 0);
    ::SendMessageA(box.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(ShownCheckFrame(box.Handle(), *data, false), 9);
    EXPECT_EQ(clicks, 1);  // none of that clicked it
}

TEST_F(ControlSkinsTest, KeyboardAndFocusAsWithoutTheSkin)
{
    auto& first = AddButton("Button1", "Scan", 10);
    auto& box = form.Add<ui::CheckBox>(ui::Bounds{10, 40, 200, 17}, "CheckBox1", "Option", false);
    auto& last = AddButton("Button2", "Clean", 70);
    last.Default = false;
    ShowAndSkin();
    first.SetFocus();
    auto pressTab = [&] {
        MSG message{::GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
        ::IsDialogMessageA(form.Handle(), &message);
        Pump();
    };
    pressTab();
    EXPECT_EQ(::GetFocus(), box.Handle());
    // Space on the focused check box ticks it, through the native control's own handling.
    MSG space{box.Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001, 0, {}};
    ::IsDialogMessageA(form.Handle(), &space);
    ::PostMessageA(box.Handle(), WM_KEYUP, VK_SPACE, 0xC0390001);
    Pump();
    EXPECT_TRUE(box.Checked());
    pressTab();
    EXPECT_EQ(::GetFocus(), last.Handle());
    // Enter clicks the focused button, as the dialog keys do without the skin.
    int clicks = 0;
    last.OnClick = [&] { ++clicks; };
    MSG enter{last.Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
    ::IsDialogMessageA(form.Handle(), &enter);
    Pump();
    EXPECT_EQ(clicks, 1);

    // The focused button carries a focus rectangle the unfocused default-looking one lacks.
    const PixelImage focused = Capture(last.Handle());
    first.SetFocus();
    Pump();
    const PixelImage unfocused = Capture(last.Handle());
    EXPECT_NE(focused.pixels, unfocused.pixels);
    EXPECT_EQ(ShownButtonFrame(last.Handle(), *data), 1);
}

TEST_F(ControlSkinsTest, PainterIsFreedWithItsWindowAndSwitchesOff)
{
    auto& keep = AddButton("Button1", "Scan", 10);
    auto& gone = AddButton("Button2", "Clean", 40);
    ShowAndSkin();
    ControlSkins* skins = ControlSkinsOf(form.Handle());
    ASSERT_NE(skins, nullptr);
    EXPECT_EQ(skins->Count(), 2u);
    ::DestroyWindow(gone.Handle());
    EXPECT_EQ(skins->Count(), 1u);
    EXPECT_FALSE(skins->IsSkinned(gone.Handle()));

    ::SendMessageA(keep.Handle(), kMsgPainterSwitch, 0, 0);
    Pump();
    EXPECT_EQ(ShownButtonFrame(keep.Handle(), *data), 0);
    EXPECT_TRUE(AnswersSkinned(keep.Handle()));
    ::SendMessageA(keep.Handle(), kMsgPainterSwitch, 1, 0);
    EXPECT_EQ(ShownButtonFrame(keep.Handle(), *data), 1);
}

TEST_F(ControlSkinsTest, UnskinningGivesEveryControlBack)
{
    AddButton("Button1", "Scan", 10);
    form.Add<ui::CheckBox>(ui::Bounds{10, 40, 200, 17}, "CheckBox1", "Option", true);
    form.Add<ui::Edit>(ui::Bounds{10, 64, 200, 21}, "Edit1");
    auto& memo = form.Add<ui::Memo>(ui::Bounds{10, 92, 200, 90}, "Memo1");
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) lines.push_back("Line " + std::to_string(i) + " of a long text that scrolls sideways too");
    memo.SetLines(lines);
    auto& status = form.Add<ui::StatusBar>(ui::Bounds{0, 300, 420, 20}, "StatusBar1");
    status.SetPanels({{150, "Ready"}, {100, "106 categories"}});
    auto& pages = form.Add<ui::PageControl>(ui::Bounds{220, 10, 190, 170}, "PageControl1");
    pages.AddPage("TabSheet1", "General");
    pages.AddPage("TabSheet2", "Advanced");
    form.Show();
    Pump();
    const LONG memoStyle = ::GetWindowLongA(memo.Handle(), GWL_STYLE);
    const PixelImage before = Capture(form.Handle());

    ControlSkins& skins = SkinControlsOf(form.Handle(), *data);
    Pump();
    EXPECT_EQ(skins.Count(), 8u);  // button, check box, edit, memo, status bar, page control, two sheets
    const PixelImage skinned = Capture(form.Handle());
    EXPECT_NE(skinned.pixels, before.pixels);

    UnskinControlsOf(form.Handle());
    Pump();
    EXPECT_EQ(::GetWindowLongA(memo.Handle(), GWL_STYLE), memoStyle);
    EXPECT_EQ(ControlSkinsOf(form.Handle()), nullptr);
    const PixelImage after = Capture(form.Handle());
    ASSERT_EQ(after.width, before.width);
    int differing = 0;
    for (std::size_t i = 0; i < after.pixels.size(); ++i) differing += after.pixels[i] != before.pixels[i];
    EXPECT_EQ(differing, 0);
}

TEST_F(ControlSkinsTest, CloseBoxAsksTheFormAndFreesThePage)
{
    auto& pages = form.Add<ui::PageControl>(ui::Bounds{10, 10, 300, 200}, "PageControl1");
    pages.AddPage("TabSheet1", "General");
    pages.AddPage("TabSheet2", "Cleaning");
    pages.AddPage("TabSheet3", "Advanced");
    pages.SetTag(kCloseBoxTag);
    std::vector<LPARAM> asked;
    LRESULT answer = 1;
    form.OnMessage = [&](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (msg != kMsgCloseTab || reinterpret_cast<HWND>(wParam) != pages.Handle()) return false;
        asked.push_back(lParam);
        result = answer;
        return true;
    };
    ShowAndSkin();
    RECT tab{};
    ::SendMessageA(pages.Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    const Rect box = TabCloseBox(Rect{tab.left, tab.top, tab.right, tab.bottom});
    const LPARAM inBox = MAKELPARAM(box.left + 3, box.top + 3);

    ::SendMessageA(pages.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inBox);
    EXPECT_EQ(asked, std::vector<LPARAM>{1});
    EXPECT_EQ(pages.PageCount(), 3);  // the form said no
    answer = 0;
    ::SendMessageA(pages.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inBox);
    EXPECT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(::SendMessageA(pages.Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
    // A click on a tab outside its box selects it, as natively.
    ::SendMessageA(pages.Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    test::PostClick(pages.Handle(), tab.left + 4, tab.bottom - 4);
    Pump();
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(asked.size(), 2u);
}

}  // namespace
}  // namespace aw::skin

namespace aw::skin {
namespace {

// Presses, drags and releases on a bar: through the skinned bar window, or on the native bar of
// the unskinned twin. Either way the control's own scrolling runs and reads the queued moves.
struct BarPress {
    POINT at;    // in the bar's own coordinates
    int dragBy;  // along the axis, 0 for a plain click
};

void QueueMoveAndRelease(HWND control, POINT screen, int dragBy, bool vertical)
{
    POINT end = screen;
    (vertical ? end.y : end.x) += dragBy;
    ::ScreenToClient(control, &end);
    if (dragBy) ::PostMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
    ::PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
}

void PressSkinned(TWScrollbar& bar, HWND control, const BarPress& press)
{
    POINT screen = press.at;
    ::ClientToScreen(bar.Handle(), &screen);
    ::PostMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.at.x, press.at.y));
    QueueMoveAndRelease(control, screen, press.dragBy, bar.Vertical());
    Pump();
}

void PressNative(HWND control, bool vertical, const BarPress& press)
{
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(::GetScrollBarInfo(control, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info));
    const POINT screen{info.rcScrollBar.left + press.at.x, info.rcScrollBar.top + press.at.y};
    QueueMoveAndRelease(control, screen, press.dragBy, vertical);
    ::SendMessageA(control, WM_NCLBUTTONDOWN, vertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(screen.x, screen.y));
    Pump();
}

void ExpectSameScrolling(HWND skinned, HWND twin, TSkinScrollbar& painter, bool vertical)
{
    TWScrollbar& bar = *painter.Bar(vertical);
    ASSERT_TRUE(::IsWindowVisible(bar.Handle()));
    const int kind = vertical ? SB_VERT : SB_HORZ;
    const UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
    SCROLLBARINFO info{};
    ASSERT_TRUE(bar.NativeInfo(info));
    const int length = vertical ? info.rcScrollBar.bottom - info.rcScrollBar.top : info.rcScrollBar.right - info.rcScrollBar.left;
    const int across = (vertical ? info.rcScrollBar.right - info.rcScrollBar.left : info.rcScrollBar.bottom - info.rcScrollBar.top) / 2;
    auto along = [&](int p) { return vertical ? POINT{across, p} : POINT{p, across}; };
    const int arrow = info.dxyLineButton;
    const int thumbMiddle = (info.xyThumbTop + info.xyThumbBottom) / 2;
    const struct {
        const char* what;
        BarPress press;
    } actions[] = {
        {"second arrow", {along(length - arrow / 2), 0}},
        {"track after the thumb", {along(info.xyThumbBottom + 6), 0}},
        {"thumb dragged", {along(thumbMiddle), 37}},
    };
    for (const auto& action : actions) {
        ::SendMessageA(skinned, message, SB_TOP, 0);
        ::SendMessageA(twin, message, SB_TOP, 0);
        Pump();
        PressSkinned(bar, skinned, action.press);
        PressNative(twin, vertical, action.press);
        EXPECT_GT(::GetScrollPos(twin, kind), 0) << action.what;
        EXPECT_EQ(::GetScrollPos(skinned, kind), ::GetScrollPos(twin, kind)) << action.what;
        EXPECT_FALSE(bar.Pressed()) << action.what;
    }
    // The first arrow scrolls back by a line from wherever the last action left both.
    const int before = ::GetScrollPos(twin, kind);
    PressSkinned(bar, skinned, {along(arrow / 2), 0});
    PressNative(twin, vertical, {along(arrow / 2), 0});
    EXPECT_LT(::GetScrollPos(twin, kind), before);
    EXPECT_EQ(::GetScrollPos(skinned, kind), ::GetScrollPos(twin, kind));
}

TEST_F(ControlSkinsTest, MemoScrollsWithSkinnedBarsAsWithNativeOnes)
{
    auto& memo = form.Add<ui::Memo>(ui::Bounds{10, 10, 190, 150}, "Memo1");
    auto& twin = form.Add<ui::Memo>(ui::Bounds{210, 10, 190, 150}, "Memo2");
    twin.SetTag(99);
    std::vector<std::string> lines;
    for (int i = 0; i < 120; ++i)
        lines.push_back("FIL:%AppData%\\Browser\\Profile" + std::to_string(i) + "\\cache\\entries\\index.dat");
    memo.SetLines(lines);
    twin.SetLines(lines);
    ShowAndSkin();
    auto* painter = dynamic_cast<TSkinScrollbar*>(ControlSkinsOf(form.Handle())->Find(memo.Handle()));
    ASSERT_NE(painter, nullptr);
    ExpectSameScrolling(memo.Handle(), twin.Handle(), *painter, true);
    ExpectSameScrolling(memo.Handle(), twin.Handle(), *painter, false);
}

TEST_F(ControlSkinsTest, TreeScrollsWithSkinnedBarsAsWithNativeOnes)
{
    auto& tree = form.Add<ui::TreeView>(ui::Bounds{10, 10, 190, 200}, "TreeView1");
    auto& twin = form.Add<ui::TreeView>(ui::Bounds{210, 10, 190, 200}, "TreeView2");
    twin.SetTag(99);
    for (int i = 0; i < 90; ++i) {
        const std::string text = "Trace category " + std::to_string(100 + i);
        tree.AddSorted(ui::TreeNode(), text, -1);
        twin.AddSorted(ui::TreeNode(), text, -1);
    }
    ShowAndSkin();
    auto* painter = dynamic_cast<TSkinScrollbar*>(ControlSkinsOf(form.Handle())->Find(tree.Handle()));
    ASSERT_NE(painter, nullptr);
    EXPECT_FALSE(::IsWindowVisible(painter->Bar(false)->Handle()));  // the tree needs no horizontal bar
    ExpectSameScrolling(tree.Handle(), twin.Handle(), *painter, true);

    // Scrolled by the program, the skinned bar follows: its thumb is where the native one is.
    ::SendMessageA(tree.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    Pump();
    const PixelImage bottom = Capture(painter->Bar(true)->Handle());
    ::SendMessageA(tree.Handle(), WM_VSCROLL, SB_TOP, 0);
    Pump();
    EXPECT_NE(Capture(painter->Bar(true)->Handle()).pixels, bottom.pixels);
}

}  // namespace
}  // namespace aw::skin

namespace aw::skin {
namespace {

// A painter an OnSkinControl handler supplies: it draws nothing and counts what it saw.
class CountingPainter : public TSkinControl {
public:
    explicit CountingPainter(int& paints) : paints_(paints) {}

protected:
    void AfterMessage(Message& m) override
    {
        if (m.msg == WM_PAINT) ++paints_;
        TSkinControl::AfterMessage(m);
    }

private:
    int& paints_;
};

// A panel with the published ParentBackground property some framework panels have.
class ThemedPanel : public ui::Panel {
public:
    using ui::Panel::Panel;
    bool ParentBackground = true;
    std::optional<std::string> PublishedProperty(std::string_view name) const override
    {
        if (name == "ParentBackground") return ParentBackground ? "True" : "False";
        return ui::Panel::PublishedProperty(name);
    }
    bool SetPublishedProperty(std::string_view name, const std::string& value) override
    {
        if (name != "ParentBackground") return ui::Panel::SetPublishedProperty(name, value);
        ParentBackground = value == "True";
        return true;
    }
};

TEST_F(ControlSkinsTest, HandlerSuppliedPainterEndsTheDispatchAndPanelsKeepTheirChildrenSkinned)
{
    auto& panel = form.Add<ui::Panel>(ui::Bounds{10, 10, 200, 100}, "Panel1", true);
    auto& inner = panel.Add<ui::Button>(ui::Bounds{10, 10, 90, 25}, "Button1", "Scan");
    auto& plain = AddButton("Button2", "Clean", 150);
    int paints = 0;
    std::vector<std::string> asked;
    ControlSkinHooks hooks;
    hooks.onSkinControl = [&](HWND, HWND control, ui::Control*, const std::string& upperClass,
                              bool& background) -> std::unique_ptr<TSkinControl> {
        asked.push_back(upperClass);
        if (control != panel.Handle()) return nullptr;
        background = true;
        return std::make_unique<CountingPainter>(paints);
    };
    form.Show();
    Pump();
    ControlSkins& skins = SkinControlsOf(form.Handle(), *data, hooks);
    Pump();
    EXPECT_EQ(asked, (std::vector<std::string>{"TPANEL", "TBUTTON", "TBUTTON"}));
    ASSERT_NE(skins.Find(panel.Handle()), nullptr);
    EXPECT_TRUE(skins.Find(panel.Handle())->BackgroundMode());
    ::RedrawWindow(panel.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(paints, 0);
    // A handler that gives nothing leaves the ordinary choice: both buttons are drawn by the skin.
    EXPECT_EQ(ShownButtonFrame(inner.Handle(), *data), 1);
    EXPECT_EQ(ShownButtonFrame(plain.Handle(), *data), 1);
}

// A painter that fails while drawing is reported once and gives the control its own look back;
// the control goes on working.
class FailingPainter : public TSkinControl {
protected:
    void Draw(HDC, const RECT&) override { throw std::runtime_error("no such image"); }
    void AfterMessage(Message& m) override
    {
        if (m.msg == WM_PAINT) PaintNow(nullptr);
    }
};

TEST_F(ControlSkinsTest, APainterThatFailsIsReportedAndTheControlDrawsItself)
{
    auto& button = AddButton("cleanButton", "Clean", 10);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    ControlSkinHooks hooks;
    hooks.onSkinControl = [&](HWND, HWND control, ui::Control*, const std::string&,
                              bool&) -> std::unique_ptr<TSkinControl> {
        if (control != button.Handle()) return nullptr;
        return std::make_unique<FailingPainter>();
    };
    form.Show();
    Pump();
    ControlSkins& skins = SkinControlsOf(form.Handle(), *data, hooks);
    ::RedrawWindow(button.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    ASSERT_NE(skins.Find(button.Handle()), nullptr);
    EXPECT_FALSE(skins.Find(button.Handle())->Active());
    EXPECT_EQ(1, data->PaintFaults());
    ::RedrawWindow(button.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    EXPECT_EQ(1, data->PaintFaults());
    ::SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, clicks);
}

TEST_F(ControlSkinsTest, BackgroundModeTakesTheSkinsFaceAndGivesColourAndParentBackgroundBack)
{
    data->SkinControls.Include(xcPanel);
    auto& panel = form.Add<ThemedPanel>(ui::Bounds{10, 10, 200, 100}, "Panel1", false);
    const COLORREF own = panel.Color();
    ShowAndSkin();
    EXPECT_EQ(panel.Color(), ResolveColour(data->SkinColour(csButtonFace)));
    EXPECT_FALSE(panel.ParentBackground);
    UnskinControlsOf(form.Handle());
    EXPECT_EQ(panel.Color(), own);
    EXPECT_TRUE(panel.ParentBackground);

    // With xoParentBackGround the property is left alone.
    data->Options.Include(xoParentBackGround);
    SkinControlsOf(form.Handle(), *data);
    EXPECT_TRUE(panel.ParentBackground);
}

TEST_F(ControlSkinsTest, StatusBarIsDrawnFromItsEdgesElement)
{
    auto& status = form.Add<ui::StatusBar>(ui::Bounds{0, 300, 420, 20}, "StatusBar1");
    status.SetPanels({{150, "Ready"}, {100, "106 categories"}});
    form.Show();
    Pump();
    const TDataSkinObject* edges = data->Slot(SkinSlot::StatusBarEdges);
    ASSERT_NE(edges, nullptr);
    const COLORREF text = ResolveColour(edges->NormalColour2);
    EXPECT_EQ(RowsWith(Capture(status.Handle()), text), 0);
    SkinControlsOf(form.Handle(), *data);
    Pump();
    const PixelImage shown = Capture(status.Handle());
    EXPECT_GT(RowsWith(shown, text), 4);
    // Both panels carry text: the second starts where the control puts it, 2 pixels further in.
    RECT second{};
    ::SendMessageA(status.Handle(), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&second));
    int textInSecond = 0;
    for (int y = 0; y < shown.height; ++y)
        for (int x = second.left + 2; x < shown.width; ++x) textInSecond += shown.At(x, y) == (text & 0xFFFFFF);
    EXPECT_GT(textInSecond, 10);
}

}  // namespace
}  // namespace aw::skin

namespace aw::skin {
namespace {

// A bare scroll-bar control on a form whose handler moves it as its parent must.
HWND MakeScrollBar(ui::Form& form)
{
    HWND bar = ::CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 10, 10, 17, 220, form.Handle(),
                                 nullptr, ::GetModuleHandleA(nullptr), nullptr);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 99, 10, 0, 0};
    ::SetScrollInfo(bar, SB_CTL, &info, TRUE);
    form.OnMessage = [](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (msg != WM_VSCROLL || !lParam) return false;
        HWND control = reinterpret_cast<HWND>(lParam);
        SCROLLINFO now{};
        now.cbSize = sizeof now;
        now.fMask = SIF_ALL;
        ::GetScrollInfo(control, SB_CTL, &now);
        int pos = now.nPos;
        switch (LOWORD(wParam)) {
        case SB_LINEUP: pos -= 1; break;
        case SB_LINEDOWN: pos += 1; break;
        case SB_PAGEUP: pos -= static_cast<int>(now.nPage); break;
        case SB_PAGEDOWN: pos += static_cast<int>(now.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = now.nTrackPos; break;
        default: break;
        }
        ::SetScrollPos(control, SB_CTL, pos, TRUE);
        result = 0;
        return true;
    };
    return bar;
}

TEST_F(ControlSkinsTest, ScrollBarControlScrollsAsItsUnskinnedTwin)
{
    data->Skin3rd.push_back("ScrollBar=scrollbar");
    ui::Form twinForm{"Twin", "TControlSkinTwinForm", 200, 260};
    twinForm.CreateForm();
    HWND skinned = MakeScrollBar(form);
    HWND twin = MakeScrollBar(twinForm);
    twinForm.Show();
    ShowAndSkin();
    auto* painter = dynamic_cast<TSkinScrollbar*>(ControlSkinsOf(form.Handle())->Find(skinned));
    ASSERT_NE(painter, nullptr);
    TWScrollbar& bar = *painter->Bar(true);
    ASSERT_TRUE(::IsWindowVisible(bar.Handle()));
    RECT over{};
    ::GetWindowRect(bar.Handle(), &over);
    RECT control{};
    ::GetWindowRect(skinned, &control);
    EXPECT_TRUE(::EqualRect(&over, &control));  // the bar window covers the control exactly

    SCROLLBARINFO native{};
    native.cbSize = sizeof native;
    ASSERT_TRUE(::GetScrollBarInfo(twin, OBJID_CLIENT, &native));
    const int arrow = native.dxyLineButton;
    const struct {
        const char* what;
        POINT at;
        int dragBy;
    } actions[] = {
        {"second arrow", {8, 220 - arrow / 2}, 0},
        {"track after the thumb", {8, native.xyThumbBottom + 20}, 0},
        {"thumb dragged", {8, (native.xyThumbTop + native.xyThumbBottom) / 2}, 60},
    };
    for (const auto& action : actions) {
        ::SetScrollPos(skinned, SB_CTL, 0, TRUE);
        ::SetScrollPos(twin, SB_CTL, 0, TRUE);
        Pump();
        const POINT end{action.at.x, action.at.y + action.dragBy};
        ::PostMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(action.at.x, action.at.y));
        if (action.dragBy) ::PostMessageA(skinned, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
        ::PostMessageA(skinned, WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
        Pump();
        if (action.dragBy) ::PostMessageA(twin, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
        ::PostMessageA(twin, WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
        ::SendMessageA(twin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(action.at.x, action.at.y));
        Pump();
        EXPECT_GT(::GetScrollPos(twin, SB_CTL), 0) << action.what;
        EXPECT_EQ(::GetScrollPos(skinned, SB_CTL), ::GetScrollPos(twin, SB_CTL)) << action.what;
    }
    // Moved by the program, the skinned thumb moves with it.
    const PixelImage before = Capture(bar.Handle());
    ::SetScrollPos(skinned, SB_CTL, 0, TRUE);
    EXPECT_NE(Capture(bar.Handle()).pixels, before.pixels);
}

}  // namespace
}  // namespace aw::skin

namespace aw::skin {
namespace {

// A window the framework did not make, with a standard push button, as a message box has.
LRESULT CALLBACK RecordCommands(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND) {
        auto* seen = reinterpret_cast<std::vector<WPARAM>*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (seen) seen->push_back(wParam);
        return 0;
    }
    return ::DefWindowProcA(window, msg, wParam, lParam);
}

TEST_F(ControlSkinsTest, BareWindowButtonIsSkinnedAndTellsItsParentOnce)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordCommands;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "TBareSkinTestWindow";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    ::RegisterClassA(&wc);
    HWND bare = ::CreateWindowExA(0, wc.lpszClassName, "Info", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    std::vector<WPARAM> seen;
    ::SetWindowLongPtrA(bare, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));
    HWND ok = ::CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 60, 40, 80, 25, bare,
                                reinterpret_cast<HMENU>(IDOK), wc.hInstance, nullptr);
    Pump();
    ControlSkins& skins = SkinControlsOf(bare, *data);
    Pump();
    EXPECT_EQ(skins.Count(), 1u);
    EXPECT_EQ(ShownButtonFrame(ok, *data), 1);
    ::SendMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::SendMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(seen, std::vector<WPARAM>{MAKEWPARAM(IDOK, BN_CLICKED)});
    UnskinControlsOf(bare);
    EXPECT_FALSE(AnswersSkinned(ok));
    ::DestroyWindow(bare);
}

}  // namespace
}  // namespace aw::skin
