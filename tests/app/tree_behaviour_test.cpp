// Ticking and the tree's context menu on the real main window, driven by posted input.
#include "app_fixture.h"

#include "catalogue/trace_catalogue.h"
#include "app/trace_tree.h"
#include "app/tree_selection.h"
#include "apprules/fake_rule_machine.h"
#include "apprules/system_rules.h"
#include "cleaner/clean_plan.h"

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
        main->traceTree->FullExpand();
        // Expanding the last groups scrolls them into view; a tree given the focus without a
        // selection selects its first visible item, which must be the first group.
        TreeView_SelectSetFirstVisible(main->traceTree->Handle(), main->traceTree->FirstRoot().Item());
        UncheckAll();
    }
    void UncheckAll() { main->SetSelection(TraceSelection()); }
    // The ticks the tree shows, which must be the selection's.
    int TickedCount()
    {
        int ticked = 0;
        for (ui::TreeNode& node : main->traceTree->AllNodes())
            if (node.StateIndex() == StateSelected)
                ++ticked;
        EXPECT_EQ(static_cast<std::size_t>(ticked), main->Selection().Ticked().size());
        return ticked;
    }
    // A point on the node's check box, or on its text, in the tree's client coordinates.
    POINT PointOn(const ui::TreeNode& node, bool onBox)
    {
        HWND tree = main->traceTree->Handle();
        SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node.Item()));
        RECT label{};
        TreeView_GetItemRect(tree, node.Item(), &label, TRUE);
        int y = (label.top + label.bottom) / 2;
        if (!onBox)
            return POINT{label.left + 4, y};
        for (int x = label.left - 1; x >= 0; --x) {
            if (main->traceTree->HitTest(POINT{x, y}).Flags & TVHT_ONITEMSTATEICON)
                return POINT{x, y};
        }
        ADD_FAILURE() << "no check box left of " << node.Text();
        return POINT{0, y};
    }
    void ClickAt(POINT point)
    {
        HWND tree = main->traceTree->Handle();
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
        HWND tree = main->traceTree->Handle();
        SetFocus(tree);
        SendMessageA(tree, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageA(tree, WM_KEYUP, VK_SPACE, 0);
        Pump();
    }
    void Choose(const char* item) { main->treeMenu.Choose(*main->treeMenu.Find(item)); }
};

TEST_F(TreeBehaviour, ClickingTheBoxFlipsItAndClickingTheTextDoesNot)
{
    ui::TreeNode cache = Node("Opera", "Cache");
    ClickAt(PointOn(cache, false));
    EXPECT_EQ(main->traceTree->Selected(), cache);
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
    EXPECT_EQ(main->Selection(), TraceSelection::Named({{"Flock", "Cookies"}}));
}

TEST_F(TreeBehaviour, SpaceFlipsOnlyASelectedCategory)
{
    PressSpace(); // nothing selected yet
    EXPECT_EQ(TickedCount(), 0);
    ui::TreeNode dns = Node("Windows", "DNS Logs");
    main->traceTree->Select(dns.Parent());
    PressSpace();
    EXPECT_EQ(TickedCount(), 0);
    main->traceTree->Select(dns);
    PressSpace();
    EXPECT_EQ(dns.StateIndex(), StateSelected);
    PressSpace();
    EXPECT_EQ(dns.StateIndex(), StateNotSelected);
}

TEST_F(TreeBehaviour, CheckAllFollowsTheSelectedNodesKind)
{
    // Nothing selected: nothing happens.
    TreeView_SelectItem(main->traceTree->Handle(), nullptr);
    Choose("CheckAll");
    EXPECT_EQ(TickedCount(), 0);

    ui::TreeNode opera = Node("Opera", "Cache").Parent();
    main->traceTree->Select(opera);
    Choose("CheckAll");
    EXPECT_EQ(TickedCount(), 7);
    for (ui::TreeNode child = opera.FirstChild(); child; child = child.NextSibling())
        EXPECT_EQ(child.StateIndex(), StateSelected);

    main->traceTree->Select(Node("QtWeb", "Cache"));
    Choose("CheckAll");
    EXPECT_EQ(TickedCount(), kTraceCategoryCount);
    EXPECT_FALSE(main->Selection().Empty());

    main->traceTree->Select(opera);
    Choose("UncheckAll");
    EXPECT_EQ(TickedCount(), kTraceCategoryCount - 7);
    main->traceTree->Select(Node("Advanced", "Custom Locations"));
    Choose("UncheckAll");
    EXPECT_EQ(TickedCount(), 0);
    EXPECT_TRUE(main->Selection().Empty());
    Tick("Advanced", "Custom Locations");
    EXPECT_EQ(TickedCount(), 1);
}

TEST_F(TreeBehaviour, EnableCollapseGovernsEveryCollapse)
{
    ui::TreeNode windows = Node("Windows", "DNS Logs").Parent();
    ASSERT_TRUE(main->treeMenu.Find("EnableCollapse")->Checked);
    Choose("EnableCollapse");
    EXPECT_FALSE(main->CollapseEnabled);

    main->traceTree->Select(Node("Windows", "DNS Logs"));
    Choose("Collapse");
    CollapseUnselectedGroups(*main->traceTree);
    for (ui::TreeNode& node : main->traceTree->AllNodes()) {
        if (node.HasChildren()) {
            EXPECT_TRUE(node.Expanded()) << node.Text();
        }
    }

    Choose("FullCollapse");
    EXPECT_TRUE(main->treeMenu.Find("EnableCollapse")->Checked);
    EXPECT_TRUE(main->CollapseEnabled);
    for (ui::TreeNode& node : main->traceTree->AllNodes()) {
        if (node.HasChildren()) {
            EXPECT_FALSE(node.Expanded()) << node.Text();
        }
    }

    main->traceTree->Select(windows);
    Choose("Expand");
    EXPECT_TRUE(windows.Expanded());
    main->traceTree->Select(Node("Windows", "Run MRU List"));
    Choose("Collapse");
    EXPECT_FALSE(windows.Expanded());
    Choose("FullExpand");
    for (ui::TreeNode& node : main->traceTree->AllNodes()) {
        if (node.HasChildren()) {
            EXPECT_TRUE(node.Expanded()) << node.Text();
        }
    }
}

TEST_F(TreeBehaviour, CollapseUnselectedGroupsLeavesOnlyGroupsWithATick)
{
    Tick("Windows", "DNS Logs");
    CollapseUnselectedGroups(*main->traceTree);
    int collapsed = 0;
    for (ui::TreeNode& node : main->traceTree->AllNodes()) {
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
    HWND tree = main->traceTree->Handle();
    auto firstVisible = [tree] { return SendMessageA(tree, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0); };
    const LPARAM root = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    // Every group expanded is far taller than the tree: its last line is many lines down.
    std::vector<ui::TreeNode> nodes = main->traceTree->AllNodes();
    SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(nodes.back().Item()));
    ASSERT_NE(firstVisible(), root);
    ScrollTreeToTop(*main->traceTree);
    EXPECT_EQ(firstVisible(), root);
}

TEST_F(TreeBehaviour, ShowRootPathAndShowLinesFollowTheirMarks)
{
    EXPECT_TRUE(main->traceTree->StyleBit(TVS_HASLINES));
    EXPECT_FALSE(main->traceTree->StyleBit(TVS_LINESATROOT));
    Choose("ShowRootPath");
    EXPECT_TRUE(main->traceTree->StyleBit(TVS_LINESATROOT));
    EXPECT_TRUE(main->traceTree->StyleBit(TVS_HASBUTTONS));
    Choose("ShowLines"); // first choice checks it: lines stay shown
    EXPECT_TRUE(main->treeMenu.Find("ShowLines")->Checked);
    EXPECT_TRUE(main->traceTree->StyleBit(TVS_HASLINES));
    Choose("ShowLines");
    EXPECT_FALSE(main->traceTree->StyleBit(TVS_HASLINES));
}

TEST_F(TreeBehaviour, ContextMenuItemsInOrder)
{
    std::vector<std::string> captions;
    for (const auto& item : main->treeMenu.Items())
        captions.push_back(item->Name + ":" + item->Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"CheckAll:Check All", "UncheckAll:UnCheck All", "TreeSeparator1:-",
                                                  "FullExpand:Full Expand", "FullCollapse:Full Collapse",
                                                  "TreeSeparator2:-", "Expand:Expand", "Collapse:Collapse",
                                                  "TreeSeparator3:-", "EnableCollapse:Enable Collapse",
                                                  "ShowRootPath:Show Root Path", "ShowLines:Show Lines",
                                                  "TreeSeparator4:-", "Preview:Preview..."}));
}


// The rule file written for the apprules tests, beside the program: its detected entries in
// the tree after the program's own groups, the warning, and their pairs in Traces.ini.
class ApplicationEntries : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        programFiles = SystemRuleFolders().Of(FolderVariable::ProgramFiles).front();
        CreateDirectoryW(Wide(programFiles + "\\Tinsel").c_str(), nullptr);
        WriteTextFile(programFiles + "\\Tinsel\\tinsel.exe", "x");
        WriteTextFile(ExeFolderFile("winapp2.ini"), ReadTestRules());
    }
    void TearDown() override
    {
        AppFixture::TearDown();
        RemoveFile(programFiles + "\\Tinsel\\tinsel.exe");
        RemoveDirectoryW(Wide(programFiles + "\\Tinsel").c_str());
    }
    void Start()
    {
        Build();
        main->Show();
        Pump();
        main->FinishReadingAppRules();
    }
    std::size_t EntryIndex(const std::string& name)
    {
        const AppCatalogue& apps = main->Applications();
        for (std::size_t index = 0; index < apps.size(); ++index)
            if (apps.Entry(index).Name == name)
                return index;
        return apps.size();
    }
    ui::TreeNode EntryNode(const std::string& name)
    {
        for (ui::TreeNode& node : main->traceTree->AllNodes())
            if (AppEntryOfNode(node) && node.Text() == name)
                return node;
        return ui::TreeNode();
    }
    std::string TracesValue(const std::string& section, const std::string& key)
    {
        char value[64] = {};
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof value,
                                 ExeFolderFile("Traces.ini").c_str());
        return value;
    }

    std::string programFiles;
};

TEST_F(ApplicationEntries, DetectedEntriesJoinTheTreeAfterItsGroupsUntickedAndTheScanLeavesThem)
{
    Start();
    ASSERT_TRUE(main->AppRulesShown());
    EXPECT_TRUE(main->AppRulesRead().Found);
    EXPECT_GT(main->AppRulesRead().Problems.Total(), 0u);
    const std::string status = main->statusBar->PanelText(0);
    EXPECT_NE(std::string::npos, status.find(std::to_string(main->Applications().size()) + " of " +
                                             std::to_string(main->AppRulesRead().EntriesRead) + " entries shown, " +
                                             std::to_string(main->AppRulesRead().Problems.Total()) +
                                             " lines skipped"))
        << status;
    EXPECT_GE(main->Applications().size(), 2u);
    for (const char* shown : {"Pebble Game", "Tinsel Player"}) {
        EXPECT_TRUE(EntryNode(shown)) << shown;
        EXPECT_EQ(StateNotSelected, EntryNode(shown).StateIndex()) << shown;
    }
    EXPECT_FALSE(EntryNode("Missing App"));
    // The program's own groups first, then only the entries' groups.
    int root = 0;
    for (ui::TreeNode group = main->traceTree->FirstRoot(); group; group = group.NextSibling(), ++root)
        EXPECT_EQ(root >= kTraceGroupCount, IsAppGroupNode(group)) << group.Text();
    EXPECT_GT(root, kTraceGroupCount);

    main->OnScanClicked();
    EXPECT_FALSE(main->Applications().AnyTicked());
}

TEST_F(ApplicationEntries, AWarningIsShownUntilConfirmedOnceAndNoLeavesTheEntryUnticked)
{
    Start();
    const std::size_t tinsel = EntryIndex("Tinsel Player");
    ASSERT_LT(tinsel, main->Applications().size());
    seams->Answers = {IDNO};
    EXPECT_FALSE(main->TickAppEntry(tinsel, true));
    EXPECT_FALSE(main->Applications().Ticked(tinsel));
    EXPECT_EQ(StateNotSelected, EntryNode("Tinsel Player").StateIndex());
    ASSERT_EQ(1u, seams->Messages.size());
    EXPECT_EQ(0u, seams->Messages[0].Text.find("This also removes the podcasts Tinsel has downloaded."));

    seams->Answers = {IDYES};
    EXPECT_TRUE(main->TickAppEntry(tinsel, true));
    EXPECT_EQ(2u, seams->Messages.size());
    EXPECT_EQ(StateSelected, EntryNode("Tinsel Player").StateIndex());
    main->TickAppEntry(tinsel, false);
    main->TickAppEntry(tinsel, true);
    EXPECT_EQ(2u, seams->Messages.size());
    EXPECT_TRUE(main->Applications().Ticked(tinsel));

    // An entry without a warning asks nothing.
    main->TickAppEntry(EntryIndex("Pebble Game"), true);
    EXPECT_EQ(2u, seams->Messages.size());
}

TEST_F(ApplicationEntries, TracesIniKeepsTheirTicksAndThePairsOfEntriesAbsentThisTime)
{
    WriteTextFile(ExeFolderFile("Traces.ini"), "[Applications: Games]\r\nGone App=True\r\n");
    Start();
    const std::size_t pebble = EntryIndex("Pebble Game");
    ASSERT_LT(pebble, main->Applications().size());
    const std::string group = main->Applications().GroupOf(pebble);
    main->TickAppEntry(pebble, true);
    main->saveSelectionButton->OnClick();
    EXPECT_EQ("True", TracesValue(group, "Pebble Game"));
    EXPECT_EQ("True", TracesValue("Applications: Games", "Gone App"));

    main->TickAppEntry(pebble, false);
    main->loadSelectionButton->OnClick();
    EXPECT_TRUE(main->Applications().Ticked(pebble));
    EXPECT_EQ(StateSelected, EntryNode("Pebble Game").StateIndex());
    main->TickAppEntry(pebble, false);
    main->saveSelectionButton->OnClick();
    EXPECT_EQ("False", TracesValue(group, "Pebble Game"));
}

TEST_F(ApplicationEntries, ATickedEntryIsPartOfTheCleanRequestAndItsPreview)
{
    const std::string replays = SystemRuleFolders().Of(FolderVariable::LocalAppData).front() + "\\Pebble\\Replays";
    CreateDirectoryW(Wide(replays.substr(0, replays.rfind('\\'))).c_str(), nullptr);
    CreateDirectoryW(Wide(replays).c_str(), nullptr);
    WriteTextFile(replays + "\\one.rep", "replay");
    Start();
    const std::size_t pebble = EntryIndex("Pebble Game");
    ASSERT_LT(pebble, main->Applications().size());
    main->TickAppEntry(pebble, true);
    const CleanRequest request = main->BuildCleanRequest();
    ASSERT_TRUE(static_cast<bool>(request.RunExtraCategories));
    CleanPlan plan;
    PlanRecorder recorder(plan);
    CleanRequest previewed = request;
    previewed.Selection = TraceSelection();
    previewed.Sink = &recorder;
    CleanCounters counters;
    RunCleaning(previewed, counters);
    ASSERT_EQ(1u, plan.Categories.size());
    EXPECT_EQ(main->Applications().GroupOf(pebble), plan.Categories[0].Group);
    EXPECT_EQ("Pebble Game", plan.Categories[0].Category);
    ASSERT_EQ(1u, plan.Entries.size());
    EXPECT_EQ(replays + "\\one.rep", plan.Entries[0].Path);
    EXPECT_TRUE(FileThere(replays + "\\one.rep")); // a preview removes nothing
    RemoveFile(replays + "\\one.rep");
    RemoveDirectoryW(Wide(replays).c_str());
    RemoveDirectoryW(Wide(replays.substr(0, replays.rfind('\\'))).c_str());
}

} // namespace
} // namespace aw::test
