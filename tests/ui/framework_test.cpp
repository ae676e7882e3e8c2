// The window framework under Wine: real windows, real controls, messages posted as a user's
// input would arrive.
#include "support/ui_seams.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/tree_view.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace aw::ui {
namespace {

void Pump()
{
    Application::Instance().ProcessMessages();
}

class Framework : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application::Instance().Initialize();
        form.CreateForm();
    }
    Form form{"TestForm", "TTestForm", 300, 200};
};

TEST_F(Framework, FormHasItsClassClientSizeAndFixedFrame)
{
    char className[64] = {};
    GetClassNameA(form.Handle(), className, sizeof className);
    EXPECT_STREQ(className, "TTestForm");
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    LONG style = GetWindowLongA(form.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST_F(Framework, CheckBoxRunsItsHandlerOncePerChangeOfState)
{
    auto& box = form.Add<CheckBox>(Bounds{8, 8, 100, 17}, "CheckBox1", "Option", false);
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };

    box.SetChecked(false);
    EXPECT_EQ(clicks, 0);
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageA(box.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

    // A user's click flips the state through the same path.
    SendMessageA(box.Handle(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(SendMessageA(box.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Framework, ShowHandlerRunsOnEveryHiddenToVisibleChangeBeforePainting)
{
    std::vector<std::string> events;
    auto& label = form.Add<Label>(Bounds{8, 8, 100, 13}, "Label1", "text");
    struct PaintProbe : Label {
        using Label::Label;
        std::vector<std::string>* Events = nullptr;
        void PaintOn(HDC dc) override
        {
            Events->push_back("paint");
            Label::PaintOn(dc);
        }
    };
    auto& probe = form.Add<PaintProbe>(Bounds{8, 30, 100, 13}, "Probe", "probe");
    probe.Events = &events;
    (void)label;
    form.OnShow = [&] {
        events.push_back(IsWindowVisible(form.Handle()) ? "show-visible" : "show");
    };

    form.Show();
    Pump();
    UpdateWindow(form.Handle());
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "show");
    EXPECT_NE(std::find(events.begin(), events.end(), "paint"), events.end());

    form.Show(); // already visible: no second show
    Pump();
    EXPECT_EQ(std::count(events.begin(), events.end(), "show"), 1);

    form.Hide();
    form.Show();
    Pump();
    EXPECT_EQ(std::count(events.begin(), events.end(), "show"), 2);
    EXPECT_EQ(std::count(events.begin(), events.end(), "show-visible"), 0);
    form.Hide();
}

TEST_F(Framework, CloseActionCanKeepTheWindow)
{
    CloseAction chosen = CloseAction::Free;
    form.OnClose = [&](CloseAction& action) {
        chosen = action;
        action = CloseAction::None;
    };
    form.Show();
    form.Close();
    EXPECT_EQ(chosen, CloseAction::Hide); // a form that is not the main form hides by default
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    form.OnClose = nullptr;
    form.Close();
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST_F(Framework, ShowModalDisablesTheOtherWindowsUntilItCloses)
{
    Form other{"Other", "TOtherForm", 120, 80};
    other.CreateForm();
    other.Show();
    bool otherDisabled = false;
    bool visibleInside = false;
    form.OnMessage = [&](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_APP + 1)
            return false;
        otherDisabled = !IsWindowEnabled(other.Handle());
        visibleInside = IsWindowVisible(form.Handle()) != FALSE;
        form.Close(); // as the "Close" button does
        result = 0;
        return true;
    };
    PostMessageA(form.Handle(), WM_APP + 1, 0, 0);
    form.ShowModal();
    EXPECT_TRUE(otherDisabled);
    EXPECT_TRUE(visibleInside);
    EXPECT_FALSE(form.Modal());
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
    other.Hide();
}

TEST_F(Framework, ControlsAreFoundFromTheirWindowAndReportTheirClass)
{
    auto& panel = form.Add<Panel>(Bounds{0, 0, 200, 100}, "Panel1", true);
    auto& button = panel.Add<Button>(Bounds{8, 8, 75, 25}, "Button1", "Go");
    button.SetTag(99);
    button.Default = true;
    EXPECT_EQ(WinControl::FromHandle(button.Handle()), &button);
    EXPECT_EQ(WinControl::FromHandle(panel.Handle()), &panel);
    EXPECT_EQ(WinControl::FromHandle(form.Handle()), &form);
    EXPECT_STREQ(button.ClassName(), "TButton");
    EXPECT_STREQ(panel.ClassName(), "TPanel");
    EXPECT_EQ(button.PublishedProperty("Tag"), std::optional<std::string>("99"));
    EXPECT_EQ(button.PublishedProperty("Caption"), std::optional<std::string>("Go"));
    EXPECT_EQ(button.PublishedProperty("Default"), std::optional<std::string>("True"));
    EXPECT_EQ(button.PublishedProperty("NoSuchThing"), std::nullopt);
    EXPECT_EQ(form.FindChild("Button1"), &button);

    // A button inside a panel still reaches its handler: the panel passes the command on.
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);

    // Once the window is gone the control cannot be found from it any more.
    HWND window = button.Handle();
    DestroyWindow(window);
    EXPECT_EQ(WinControl::FromHandle(window), nullptr);
    EXPECT_EQ(button.Handle(), nullptr);
}

TEST_F(Framework, AnErrorInAHandlerReachesTheErrorBoxNotTheCaller)
{
    test::RecordingSeams seams;
    auto& button = form.Add<Button>(Bounds{8, 8, 75, 25}, "Button1", "Go");
    button.OnClick = [] { throw std::runtime_error("Cannot open clipboard"); };
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(seams.Errors.size(), 1u);
    EXPECT_EQ(seams.Errors[0], "Cannot open clipboard");
}

TEST_F(Framework, MemoLinesFollowTheLineRules)
{
    auto& memo = form.Add<Memo>(Bounds{8, 8, 200, 100}, "Memo1");
    EXPECT_TRUE(memo.Lines().empty());
    SetWindowTextA(memo.Handle(), "one\r\ntwo\r\n");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"one", "two"}));
    memo.SetLines({"a", "", "b"});
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"a", "", "b"}));
    memo.AddLine("c");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"a", "", "b", "c"}));
    memo.SetLines({});
    EXPECT_TRUE(memo.Lines().empty());
}

class TreeFixture : public Framework {
protected:
    void SetUp() override
    {
        Framework::SetUp();
        tree = &form.Add<TreeView>(Bounds{0, 0, 200, 180}, "TreeView1");
        group = tree->AddSorted(TreeNode(), "Zeta", -1);
        tree->AddSorted(group, "b", 1);
        tree->AddSorted(group, "A", 2);
        other = tree->AddSorted(TreeNode(), "alpha", -1);
        tree->AddSorted(other, "x", 1);
        tree->FullExpand();
    }
    TreeView* tree = nullptr;
    TreeNode group, other;
};

TEST_F(TreeFixture, SiblingsAreSortedIgnoringCaseAndStatesRead)
{
    auto nodes = tree->AllNodes();
    std::vector<std::string> texts;
    for (auto& node : nodes)
        texts.push_back(node.Text());
    EXPECT_EQ(texts, (std::vector<std::string>{"alpha", "x", "Zeta", "A", "b"}));
    EXPECT_EQ(group.StateIndex(), -1);
    EXPECT_EQ(group.Child(0).StateIndex(), 2);
    EXPECT_EQ(group.Child(1).StateIndex(), 1);
    EXPECT_EQ(group.Count(), 2);
    EXPECT_EQ(group.Child(1).Level(), 1);
    EXPECT_EQ(group.Child(1).Parent(), group);
    group.Child(1).SetStateIndex(2);
    EXPECT_EQ(group.Child(1).StateIndex(), 2);
    group.SetBold(true);
    EXPECT_TRUE(group.Bold());
    EXPECT_FALSE(other.Bold());
}

TEST_F(TreeFixture, CollapseIsRefusedWhileTheHandlerSaysNo)
{
    bool allow = false;
    int asked = 0;
    tree->OnCollapsing = [&](const TreeNode&, bool& answer) {
        ++asked;
        answer = allow;
    };
    ASSERT_TRUE(group.Expanded());
    group.Collapse();
    EXPECT_TRUE(group.Expanded());

    // The user's gesture: Left on an expanded group asks to collapse it.
    tree->Select(group);
    SetFocus(tree->Handle());
    int before = asked;
    SendMessageA(tree->Handle(), WM_KEYDOWN, VK_LEFT, 0);
    Pump();
    EXPECT_EQ(asked, before + 1);
    EXPECT_TRUE(group.Expanded());

    allow = true;
    group.Collapse();
    EXPECT_FALSE(group.Expanded());
    group.Expand();
    EXPECT_TRUE(group.Expanded());
}

TEST_F(Framework, PageControlShowsOnePageAtATime)
{
    auto& pages = form.Add<PageControl>(Bounds{8, 8, 280, 180}, "PageControl1");
    auto& first = pages.AddPage("TabSheet1", "  General  ");
    auto& second = pages.AddPage("TabSheet2", "  Advanced  ");
    auto& box = second.Add<CheckBox>(Bounds{8, 8, 100, 17}, "CheckBox1", "x");
    pages.SetActivePageIndex(0);
    form.Show();
    EXPECT_TRUE(IsWindowVisible(first.Handle()));
    EXPECT_FALSE(IsWindowVisible(second.Handle()));
    pages.SetActivePageIndex(1);
    EXPECT_FALSE(IsWindowVisible(first.Handle()));
    EXPECT_TRUE(IsWindowVisible(box.Handle()));
    char text[32] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(pages.Handle(), TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "  Advanced  ");
    form.Hide();
}

LONG accessViolations = 0;

LONG CALLBACK CountAccessViolation(EXCEPTION_POINTERS* exception)
{
    if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION)
        ++accessViolations;
    return EXCEPTION_CONTINUE_SEARCH;
}

// Freeing a form destroys windows that still send their parents messages. Wine swallows a fault
// in a window procedure called from the system, so the faults are counted rather than awaited.
TEST(FormLifetime, FreeingFormsTouchesNoFreedControl)
{
    Application::Instance().Initialize();
    accessViolations = 0;
    PVOID handler = AddVectoredExceptionHandler(1, CountAccessViolation);
    for (int round = 0; round < 3; ++round) {
        Form form{"TestForm", "TTestForm", 300, 200};
        form.CreateForm();
        form.Add<Button>(Bounds{8, 170, 75, 25}, "Button1", "Close");
        auto& panel = form.Add<Panel>(Bounds{0, 0, 300, 40}, "Panel1", false);
        panel.Add<Label>(Bounds{8, 8, 100, 13}, "Label1", "title");
        panel.Add<Button>(Bounds{120, 8, 75, 25}, "Button2", "Go");
        auto& pages = form.Add<PageControl>(Bounds{8, 48, 280, 120}, "PageControl1");
        for (const char* name : {"TabSheet1", "TabSheet2"}) {
            auto& page = pages.AddPage(name, name);
            page.Add<CheckBox>(Bounds{8, 8, 100, 17}, "CheckBox1", "one");
            page.Add<CheckBox>(Bounds{8, 30, 100, 17}, "CheckBox2", "two");
        }
        form.Show();
        Pump();
    }
    RemoveVectoredExceptionHandler(handler);
    EXPECT_EQ(accessViolations, 0);
}

constexpr UINT kFreeYourself = WM_APP + 21;
int messagesOfTheOwnProcedure = 0;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kFreeYourself)
        ++messagesOfTheOwnProcedure;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A control whose handler frees the control itself, as a handler that closes its window may.
class SelfFreeing final : public WinControl {
public:
    explicit SelfFreeing(std::unique_ptr<SelfFreeing>& owner) : WinControl("SelfFreeing", "TSelfFreeing"), owner_(owner) {}
    void Create() { CreateHandleTree(nullptr); }

protected:
    HWND CreateWindowHandle(HWND) override
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = CountingProcedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "AwCountingWindow";
        RegisterClassA(&wc);
        return CreateWindowExA(0, "AwCountingWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == kFreeYourself) {
            owner_.reset();
            return false;
        }
        return WinControl::HandleMessage(message, wParam, lParam, result);
    }

private:
    std::unique_ptr<SelfFreeing>& owner_;
};

// The message a handler did not take goes on to the window's own procedure even when the
// handler freed its control; nothing of the freed control is read to pass it on.
TEST(FormLifetime, AHandlerMayFreeItsOwnControl)
{
    Application::Instance().Initialize();
    std::unique_ptr<SelfFreeing> control;
    control = std::make_unique<SelfFreeing>(control);
    control->Create();
    HWND window = control->Handle();
    ASSERT_TRUE(window);
    messagesOfTheOwnProcedure = 0;
    SendMessageA(window, kFreeYourself, 0, 0);
    EXPECT_FALSE(control);
    EXPECT_EQ(messagesOfTheOwnProcedure, 1);
}

TEST_F(Framework, BackgroundFollowsTheColourBackToTheDefault)
{
    auto& panel = form.Add<Panel>(Bounds{0, 0, 40, 40}, "Panel1", false);
    HDC screen = GetDC(nullptr);
    MemoryDC dc(screen);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen, 40, 40));
    ReleaseDC(nullptr, screen);
    SelectedObject selected(dc.Get(), bitmap.Get());
    auto erasedColour = [&] {
        SendMessageA(panel.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
        return GetPixel(dc.Get(), 20, 20);
    };
    EXPECT_EQ(erasedColour(), RGB(255, 255, 255));
    panel.SetColor(RGB(200, 0, 0));
    EXPECT_EQ(erasedColour(), RGB(200, 0, 0));
    panel.SetColor(GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(erasedColour(), GetSysColor(COLOR_BTNFACE));
}

TEST(PopupMenu, AutoCheckFlipsBeforeTheHandlerRuns)
{
    PopupMenu menu("PopupMenu1");
    bool seen = false;
    MenuItem& item = menu.AddItem("ShowLines1", "Show Lines", {}, true, false);
    item.OnClick = [&] { seen = item.Checked; };
    menu.Choose(item);
    EXPECT_TRUE(seen);
    menu.Choose(item);
    EXPECT_FALSE(seen);
    int plain = 0;
    MenuItem& other = menu.AddItem("Checall1", "Check All", [&] { ++plain; });
    menu.Choose(other);
    EXPECT_FALSE(other.Checked);
    EXPECT_EQ(plain, 1);
    EXPECT_EQ(menu.Find("Checall1"), &other);
}

} // namespace
} // namespace aw::ui
