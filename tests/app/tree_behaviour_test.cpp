// Ticking and the tree's context menu on the real main window, driven by posted input.
#include "app_fixture.h"

#include "catalogue/trace_catalogue.h"
#include "catalogue/trace_tree.h"
#include "catalogue/tree_selection.h"

namespace aw::test {
namespace {

class TreeBehaviour : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        Build();
        main->Show(); // the show handler scans: start every test from a known state
        Pump();
        main->CollapseEnabled = true;
        main->TreeView1->FullExpand();
        // Expanding the last groups scrolls them into view; a tree given the focus without a
        // selection selects its first visible item, which must be the first group.
        TreeView_SelectSetFirstVisible(main->TreeView1->Handle(), main->TreeView1->FirstRoot().Item());
        UncheckAll();
    }
    void UncheckAll()
    {
        for (ui::TreeNode& node : main->TreeView1->AllNodes())
            if (!node.HasChildren())
                node.SetStateIndex(StateNotSelected);
    }
    int TickedCount()
    {
        int ticked = 0;
        for (ui::TreeNode& node : main->TreeView1->AllNodes())
            if (node.StateIndex() == StateSelected)
                ++ticked;
        return ticked;
    }
    // A point on the node's check box, or on its text, in the tree's client coordinates.
    POINT PointOn(const ui::TreeNode& node, bool onBox)
    {
        HWND tree = main->TreeView1->Handle();
        SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node.Item()));
        RECT label{};
        TreeView_GetItemRect(tree, node.Item(), &label, TRUE);
        int y = (label.top + label.bottom) / 2;
        if (!onBox)
            return POINT{label.left + 4, y};
        for (int x = label.left - 1; x >= 0; --x) {
            if (main->TreeView1->HitTest(POINT{x, y}).Flags & TVHT_ONITEMSTATEICON)
                return POINT{x, y};
        }
        ADD_FAILURE() << "no check box left of " << node.Text();
        return POINT{0, y};
    }
    void ClickAt(POINT point)
    {
        HWND tree = main->TreeView1->Handle();
        POINT screen = point;
        ClientToScreen(tree, &screen);
        SetCursorPos(screen.x, screen.y);
        LPARAM at = MAKELPARAM(point.x, point.y);
        PostMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(tree, WM_LBUTTONUP, 0, at);
        Pump();
    }
    void PressSpace()
    {
        HWND tree = main->TreeView1->Handle();
        SetFocus(tree);
        SendMessageA(tree, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageA(tree, WM_KEYUP, VK_SPACE, 0);
        Pump();
    }
    void Choose(const char* item) { main->PopupMenu1.Choose(*main->PopupMenu1.Find(item)); }
};

TEST_F(TreeBehaviour, ClickingTheBoxFlipsItAndClickingTheTextDoesNot)
{
    ui::TreeNode cache = Node("Opera", "Cache");
    ClickAt(PointOn(cache, false));
    EXPECT_EQ(main->TreeView1->Selected(), cache);
    EXPECT_EQ(cache.StateIndex(), StateNotSelected);

    ClickAt(PointOn(cache, true));
    EXPECT_EQ(cache.StateIndex(), StateSelected);
    ClickAt(PointOn(cache, true));
    EXPECT_EQ(cache.StateIndex(), StateNotSelected);

    // A box of another category than the selected one flips that category.
    ui::TreeNode cookies = Node("Flock", "Cookies");
    ClickAt(PointOn(cookies, true));
    EXPECT_EQ(cookies.StateIndex(), StateSelected);
    EXPECT_EQ(cache.StateIndex(), StateNotSelected);
    // The same text in another group is another category.
    EXPECT_EQ(Node("Opera", "Cookies").StateIndex(), StateNotSelected);

    // Groups have no box: clicking them changes nothing.
    ClickAt(PointOn(cookies.Parent(), false));
    EXPECT_EQ(TickedCount(), 1);
}

TEST_F(TreeBehaviour, SpaceFlipsOnlyASelectedCategory)
{
    PressSpace(); // nothing selected yet
    EXPECT_EQ(TickedCount(), 0);
    ui::TreeNode dns = Node("Windows", "DNS Logs");
    main->TreeView1->Select(dns.Parent());
    PressSpace();
    EXPECT_EQ(TickedCount(), 0);
    main->TreeView1->Select(dns);
    PressSpace();
    EXPECT_EQ(dns.StateIndex(), StateSelected);
    PressSpace();
    EXPECT_EQ(dns.StateIndex(), StateNotSelected);
}

TEST_F(TreeBehaviour, CheckAllFollowsTheSelectedNodesKind)
{
    // Nothing selected: nothing happens.
    TreeView_SelectItem(main->TreeView1->Handle(), nullptr);
    Choose("Checall1");
    EXPECT_EQ(TickedCount(), 0);

    ui::TreeNode opera = Node("Opera", "Cache").Parent();
    main->TreeView1->Select(opera);
    Choose("Checall1");
    EXPECT_EQ(TickedCount(), 7);
    for (ui::TreeNode child = opera.FirstChild(); child; child = child.NextSibling())
        EXPECT_EQ(child.StateIndex(), StateSelected);

    main->TreeView1->Select(Node("QtWeb", "Cache"));
    Choose("Checall1");
    EXPECT_EQ(TickedCount(), kTraceCategoryCount);
    EXPECT_TRUE(AnyTraceSelected(*main->TreeView1));

    main->TreeView1->Select(opera);
    Choose("UnCheckAll1");
    EXPECT_EQ(TickedCount(), kTraceCategoryCount - 7);
    main->TreeView1->Select(Node("Advanced", "Custom Locations"));
    Choose("UnCheckAll1");
    EXPECT_EQ(TickedCount(), 0);
    EXPECT_FALSE(AnyTraceSelected(*main->TreeView1));
    Node("Advanced", "Custom Locations").SetStateIndex(StateSelected);
    EXPECT_TRUE(AnyTraceSelected(*main->TreeView1));
}

TEST_F(TreeBehaviour, EnableCollapseGovernsEveryCollapse)
{
    ui::TreeNode windows = Node("Windows", "DNS Logs").Parent();
    ASSERT_TRUE(main->PopupMenu1.Find("EnableCollapse1")->Checked);
    Choose("EnableCollapse1");
    EXPECT_FALSE(main->CollapseEnabled);

    main->TreeView1->Select(Node("Windows", "DNS Logs"));
    Choose("Collapse1");
    CollapseUnselectedGroups(*main->TreeView1);
    for (ui::TreeNode& node : main->TreeView1->AllNodes()) {
        if (node.HasChildren()) {
            EXPECT_TRUE(node.Expanded()) << node.Text();
        }
    }

    Choose("FullCollapse1");
    EXPECT_TRUE(main->PopupMenu1.Find("EnableCollapse1")->Checked);
    EXPECT_TRUE(main->CollapseEnabled);
    for (ui::TreeNode& node : main->TreeView1->AllNodes()) {
        if (node.HasChildren()) {
            EXPECT_FALSE(node.Expanded()) << node.Text();
        }
    }

    main->TreeView1->Select(windows);
    Choose("Expand1");
    EXPECT_TRUE(windows.Expanded());
    main->TreeView1->Select(Node("Windows", "Run MRU List"));
    Choose("Collapse1");
    EXPECT_FALSE(windows.Expanded());
    Choose("FullCollapse2");
    for (ui::TreeNode& node : main->TreeView1->AllNodes()) {
        if (node.HasChildren()) {
            EXPECT_TRUE(node.Expanded()) << node.Text();
        }
    }
}

TEST_F(TreeBehaviour, CollapseUnselectedGroupsLeavesOnlyGroupsWithATick)
{
    Node("Windows", "DNS Logs").SetStateIndex(StateSelected);
    CollapseUnselectedGroups(*main->TreeView1);
    int collapsed = 0;
    for (ui::TreeNode& node : main->TreeView1->AllNodes()) {
        if (!node.HasChildren())
            continue;
        if (node.Text() == "Windows") {
            EXPECT_TRUE(node.Expanded());
        }
        else if (!node.Expanded())
            ++collapsed;
    }
    EXPECT_EQ(collapsed, kTraceGroupCount - 1);
}

TEST_F(TreeBehaviour, ScrollTreeToTopShowsTheFirstGroupFromAnyDepth)
{
    HWND tree = main->TreeView1->Handle();
    auto firstVisible = [tree] { return SendMessageA(tree, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0); };
    const LPARAM root = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    // Every group expanded is far taller than the tree: its last line is many lines down.
    std::vector<ui::TreeNode> nodes = main->TreeView1->AllNodes();
    SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(nodes.back().Item()));
    ASSERT_NE(firstVisible(), root);
    ScrollTreeToTop(*main->TreeView1);
    EXPECT_EQ(firstVisible(), root);
}

TEST_F(TreeBehaviour, ShowRootPathAndShowLinesFollowTheirMarks)
{
    EXPECT_TRUE(main->TreeView1->StyleBit(TVS_HASLINES));
    EXPECT_FALSE(main->TreeView1->StyleBit(TVS_LINESATROOT));
    Choose("ShowRootPath1");
    EXPECT_TRUE(main->TreeView1->StyleBit(TVS_LINESATROOT));
    EXPECT_TRUE(main->TreeView1->StyleBit(TVS_HASBUTTONS));
    Choose("ShowLines1"); // first choice checks it: lines stay shown
    EXPECT_TRUE(main->PopupMenu1.Find("ShowLines1")->Checked);
    EXPECT_TRUE(main->TreeView1->StyleBit(TVS_HASLINES));
    Choose("ShowLines1");
    EXPECT_FALSE(main->TreeView1->StyleBit(TVS_HASLINES));
}

TEST_F(TreeBehaviour, ContextMenuItemsInOrder)
{
    std::vector<std::string> captions;
    for (const auto& item : main->PopupMenu1.Items())
        captions.push_back(item->Name + ":" + item->Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Checall1:Check All", "UnCheckAll1:UnCheck All", "N1:-",
                                                  "FullCollapse2:Full Expand", "FullCollapse1:Full Collapse", "N2:-",
                                                  "Expand1:Expand", "Collapse1:Collapse", "N4:-",
                                                  "EnableCollapse1:Enable Collapse",
                                                  "ShowRootPath1:Show Root Path", "ShowLines1:Show Lines", "N5:-",
                                                  "Preview1:Preview..."}));
}

} // namespace
} // namespace aw::test
