// The scan against a real trace tree and real folders, files, keys and clipboard text seeded in
// the test prefix. The prefix's own user folders start without any browser's traces; a fresh
// prefix has an (empty) Internet cookies folder, so "Internet Explorer" is always present.
#include "catalogue/scan_table.h"
#include "catalogue/trace_scan.h"
#include "catalogue/trace_tree_window.h"
#include "cleaner/wine_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cctype>
#include <cstring>
#include <functional>
#include <map>
#include <stdexcept>
#include <thread>

namespace aw {
namespace {

using test::TraceTreeWindow;

constexpr const char* kPaintKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List";
constexpr const char* kWordpadKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List";
constexpr const char* kRunMruKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr const char* kRecentDocsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
constexpr const char* kWordWheelKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\WordWheelQuery";
constexpr const char* kQuickAccessPins = "\\AutomaticDestinations\\f01b4d95cf55d32a.automaticDestinations-ms";

std::string Roaming() { return test::ShellFolder(CSIDL_APPDATA); }
std::string Local() { return test::ShellFolder(CSIDL_LOCAL_APPDATA); }
std::string ProgramFiles() { return test::ShellFolder(CSIDL_PROGRAM_FILES); }
std::string Recent() { return test::ShellFolder(CSIDL_RECENT); }

std::string SystemFolder()
{
    char buffer[MAX_PATH] = {};
    GetSystemDirectoryA(buffer, MAX_PATH);
    return buffer;
}

std::string FirefoxRoot() { return Roaming() + "\\Mozilla\\Firefox"; }

// The folder whose existence makes each browser present ("Internet Explorer" aside).
std::map<std::string, std::string> BrowserFolders()
{
    return {
        {"Lunascape", Roaming() + "\\Lunascape\\Lunascape6\\plugins"},
        {"Apple Safari", Roaming() + "\\Apple Computer\\Safari"},
        {"Avant Browser", Roaming() + "\\Avant Profiles\\.default"},
        {"Opera", Roaming() + "\\Opera\\Opera"},
        {"Google Chrome", Local() + "\\Google\\Chrome\\User Data\\Default"},
        {"K-Meleon", Roaming() + "\\K-Meleon"},
        {"Flock", Local() + "\\Flock\\User Data\\Default"},
        {"Netscape", Roaming() + "\\Netscape\\Navigator"},
        {"SeaMonkey", Roaming() + "\\Mozilla\\SeaMonkey"},
        {"SRWare Iron", Local() + "\\Chromium\\User Data\\Default"},
        {"ChromePlus", ProgramFiles() + "\\ChromePlus\\ChromePlusUserData\\Default"},
        {"Comodo Dragon", Local() + "\\Comodo\\Dragon\\User Data\\Default"},
        {"QtWeb", Local() + "\\" + std::string(QtWebVendorFolder()) + "\\QtWeb Internet Browser"},
        {"Pale Moon", Roaming() + "\\Moonchild Productions\\Pale Moon"},
        {"Mozilla Firefox", FirefoxRoot() + "\\Profiles\\scan.default"},
        // The data roots of the families' browsers.
        {"Brave", Local() + "\\BraveSoftware\\Brave-Browser\\User Data"},
        {"Microsoft Edge", Local() + "\\Microsoft\\Edge\\User Data"},
        {"Vivaldi", Local() + "\\Vivaldi\\User Data"},
        {"Yandex Browser", Local() + "\\Yandex\\YandexBrowser\\User Data"},
        {"Opera GX", Roaming() + "\\Opera Software\\Opera GX Stable"},
        {"Floorp", Roaming() + "\\Floorp"},
        {"LibreWolf", Roaming() + "\\librewolf"},
        {"Thunderbird", Roaming() + "\\Thunderbird"},
        {"Waterfox", Roaming() + "\\Waterfox"},
    };
}

std::string FlashFolder() { return Roaming() + "\\Macromedia\\Flash Player"; }
std::string JavaCache() { return Roaming() + "\\Sun\\Java\\Deployment\\cache"; }
std::string DnsLog() { return SystemFolder() + "\\dns\\dns.log"; }

bool FolderIsEmpty(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return true;
    bool empty = true;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..")
            empty = false;
    } while (empty && FindNextFileA(find, &data));
    FindClose(find);
    return empty;
}

// Removes what other tests of this prefix left in a browser's folders (their seeded traces and
// the empty shells around them), which would read as that browser. Only folders of the test
// prefix's own profile get here; links are removed, never followed.
void RemoveLeftovers(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = folder + "\\" + name;
            bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            bool link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if (directory && !link) {
                RemoveLeftovers(path);
            } else if (directory) {
                RemoveDirectoryA(path.c_str());
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

void SeedBrowser(test::Seeds& seeds, const std::string& group)
{
    if (group == "Internet Explorer")
        return; // its cookies folder is always there
    if (group == "Mozilla Firefox")
        seeds.text(FirefoxRoot() + "\\profiles.ini", "[General]\r\nStartWithLastProfile=1\r\n\r\n"
                                                     "[Profile0]\r\nName=default\r\nIsRelative=1\r\n"
                                                     "Path=Profiles/scan.default\r\n");
    seeds.folder(BrowserFolders().at(group));
}

// Puts text on the clipboard, or empties it for an empty text.
void SetClipboard(HWND owner, const std::string& text)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    if (!text.empty()) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        ASSERT_NE(memory, nullptr);
        std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_TEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

class ScanTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }

    void SetUp() override
    {
        SetClipboard(window.Handle(), "");
        // The prefix must start without traces, or every expectation below is off.
        for (const auto& [group, folder] : BrowserFolders()) {
            RemoveLeftovers(folder);
            ASSERT_FALSE(test::PathExists(folder)) << "leftover " << folder;
        }
        RemoveLeftovers(FlashFolder());
        RemoveLeftovers(JavaCache());
        ASSERT_FALSE(test::PathExists(FirefoxRoot() + "\\profiles.ini"));
        ASSERT_FALSE(test::PathExists(FlashFolder()));
        ASSERT_FALSE(test::PathExists(JavaCache()));
        ASSERT_FALSE(test::PathExists(DnsLog()));
        for (const char* key : {kPaintKey, kWordpadKey, kRunMruKey, kRecentDocsKey})
            ASSERT_FALSE(test::KeyExists(key)) << key;
        ASSERT_TRUE(FolderIsEmpty(Recent()));
        ASSERT_TRUE(test::IsFolder(test::ShellFolder(CSIDL_COOKIES)));
    }

    void TearDown() override
    {
        seeds.clean();
        SetClipboard(window.Handle(), "");
    }

    void Scan(std::size_t scriptLines = 0) { ScanTraces(window.Tree(), scriptLines); }

    TraceTreeWindow window;
    test::Seeds seeds;
};

// What a scan does to a category on a machine without any trace (the cookies folder aside).
struct BareExpectation {
    int FromTicked;   // the state a ticked category ends in
    int FromUnticked; // the state an unticked category ends in
};

BareExpectation OnBareMachine(const std::string& group, const std::string& category)
{
    constexpr BareExpectation kept{StateSelected, StateNotSelected};
    constexpr BareExpectation unticked{StateNotSelected, StateNotSelected};
    constexpr BareExpectation ticked{StateSelected, StateSelected};
    if (group == "Internet Explorer")
        return ticked;
    if (group == "Advanced")
        return unticked; // an empty script
    if (group == "Extra Traces")
        return category.rfind("Java", 0) == 0 ? kept : unticked;
    if (group == "Windows")
        return category == "Empty RecycleBin" ? kept : unticked;
    return kept; // an absent browser
}

TEST_F(ScanTest, OnABareMachineOnlyTheSingleTestsUntickAndAbsentBrowsersCollapse)
{
    for (int start : {StateSelected, StateNotSelected}) {
        window.SetAll(start);
        window.Tree().FullExpand();
        // Repeated scans give the same answer ("Empty RecycleBin" keeps its state through all).
        for (int round = 0; round < 2; ++round) {
            Scan();
            for (ui::TreeNode group = window.Tree().FirstRoot(); group; group = group.NextSibling())
                for (ui::TreeNode child = group.FirstChild(); child; child = child.NextSibling()) {
                    BareExpectation expected = OnBareMachine(group.Text(), child.Text());
                    EXPECT_EQ(child.StateIndex(), start == StateSelected ? expected.FromTicked : expected.FromUnticked)
                        << group.Text() << " > " << child.Text() << " starting at " << start;
                }
        }
        for (const std::string& browser : test::BrowserGroups())
            EXPECT_EQ(window.Expanded(browser), browser == "Internet Explorer") << browser;
        for (const char* other : {"Advanced", "Extra Traces", "Windows"})
            EXPECT_TRUE(window.Expanded(other)) << other;
    }
}

TEST_F(ScanTest, WithCollapsingDisabledAbsentBrowsersStayExpanded)
{
    window.CollapseEnabled = false;
    window.SetGroup("Opera", StateSelected);
    window.SetState("Opera", "Cookies", StateNotSelected);
    std::vector<int> opera = window.GroupStates("Opera");
    Scan();
    for (const std::string& browser : test::BrowserGroups())
        EXPECT_TRUE(window.Expanded(browser)) << browser;
    EXPECT_EQ(window.GroupStates("Opera"), opera);
}

class BrowserScanTest : public ScanTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(BrowserScanTest, APresentBrowserGetsEveryCategoryTickedAndNoOtherGroupChanges)
{
    const std::string browser = GetParam();
    SeedBrowser(seeds, browser);
    window.SetAll(StateNotSelected);
    // A decoy elsewhere, and the same category text in another browser.
    window.SetState("Apple Safari", "History", StateSelected);
    std::map<std::string, std::vector<int>> before;
    for (const std::string& group : test::BrowserGroups())
        before[group] = window.GroupStates(group);

    Scan();

    for (int state : window.GroupStates(browser))
        EXPECT_EQ(state, StateSelected) << browser;
    EXPECT_TRUE(window.Expanded(browser));
    for (const std::string& group : test::BrowserGroups()) {
        if (group == browser || group == "Internet Explorer")
            continue;
        EXPECT_EQ(window.GroupStates(group), before[group]) << group;
        EXPECT_FALSE(window.Expanded(group)) << group;
    }
}

TEST_P(BrowserScanTest, APresentBrowserReticksWhatTheUserUnticked)
{
    const std::string browser = GetParam();
    SeedBrowser(seeds, browser);
    window.SetGroup(browser, StateSelected);
    window.Group(browser).FirstChild().SetStateIndex(StateNotSelected);
    Scan();
    for (int state : window.GroupStates(browser))
        EXPECT_EQ(state, StateSelected);
}

INSTANTIATE_TEST_SUITE_P(EveryBrowser, BrowserScanTest, ::testing::ValuesIn(test::BrowserGroups()),
                         [](const auto& info) {
                             std::string name;
                             for (char c : info.param)
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             return name;
                         });

TEST_F(ScanTest, AnAbsentBrowserKeepsItsStatesAndCollapses)
{
    window.SetGroup("Opera", StateNotSelected);
    window.SetState("Opera", "Cache", StateSelected);
    window.SetGroup("Google Chrome", StateSelected);
    std::vector<int> opera = window.GroupStates("Opera");
    std::vector<int> chrome = window.GroupStates("Google Chrome");
    Scan();
    EXPECT_EQ(window.GroupStates("Opera"), opera);
    EXPECT_EQ(window.GroupStates("Google Chrome"), chrome);
    EXPECT_FALSE(window.Expanded("Opera"));
    EXPECT_FALSE(window.Expanded("Google Chrome"));
}

TEST_F(ScanTest, AFirefoxProfileListedButMissingIsNoFirefox)
{
    seeds.text(FirefoxRoot() + "\\profiles.ini", "[Profile0]\r\nPath=Profiles/scan.default\r\n");
    window.SetGroup("Mozilla Firefox", StateNotSelected);
    Scan();
    for (int state : window.GroupStates("Mozilla Firefox"))
        EXPECT_EQ(state, StateNotSelected);
    EXPECT_FALSE(window.Expanded("Mozilla Firefox"));
}

// Today's layouts: a Firefox whose only profile is its second, kept outside its folder; a
// Chrome with no "Default" but a second profile; Opera's current user-data folder. Each is
// found by a location the cleaner deletes.
TEST_F(ScanTest, BrowsersArePresentByAnyOfTheirLocationsInAnyProfile)
{
    seeds.text(FirefoxRoot() + "\\profiles.ini", "[Profile0]\r\nPath=Profiles/missing.default\r\n\r\n"
                                                  "[Profile1]\r\nIsRelative=0\r\nPath=C:\\aw-scan-profile\r\n");
    seeds.file("C:\\aw-scan-profile\\cookies.sqlite", 600);
    seeds.file(Local() + "\\Google\\Chrome\\User Data\\Profile 2\\Preferences", 10);
    seeds.file(Local() + "\\Google\\Chrome\\User Data\\Profile 2\\History", 10);
    seeds.file(Roaming() + "\\Opera Software\\Opera Stable\\Network\\Cookies", 10);
    // Opera GX's caches below the local folder, without its roaming data root.
    seeds.file(Local() + "\\Opera Software\\Opera GX Stable\\Cache\\Cache_Data\\data_0", 10);
    // A profile folder without a Preferences file is no Chromium profile.
    seeds.file(Local() + "\\Comodo\\Dragon\\User Data\\Stray\\History", 10);
    for (const char* group : {"Mozilla Firefox", "Google Chrome", "Opera", "Opera GX", "Comodo Dragon", "Waterfox"})
        window.SetGroup(group, StateNotSelected);
    Scan();
    for (const char* group : {"Mozilla Firefox", "Google Chrome", "Opera", "Opera GX"})
        for (int state : window.GroupStates(group))
            EXPECT_EQ(state, StateSelected) << group;
    for (const char* group : {"Comodo Dragon", "Waterfox"})
        for (int state : window.GroupStates(group))
            EXPECT_EQ(state, StateNotSelected) << group;
}

// One test of a single category (or of the three Java categories), with how to seed its trace.
struct CategoryRow {
    std::string Name;
    std::string Group;
    std::vector<std::string> Categories;
    bool UntickedWhenAbsent;
    std::function<void(test::Seeds&)> Seed;
};

void PrintTo(const CategoryRow& row, std::ostream* os)
{
    *os << row.Name;
}

std::vector<CategoryRow> CategoryRows()
{
    return {
        {"FlashSharedObjects", "Extra Traces", {"Flash Player Shared Objects"}, true,
         [](test::Seeds& s) { s.file(FlashFolder() + "\\#SharedObjects\\K7Q2\\site.sol", 10); }},
        {"FlashSysHistory", "Extra Traces", {"Flash Player Sys History"}, true,
         [](test::Seeds& s) {
             s.file(FlashFolder() + "\\" + std::string(FlashSettingsSiteFolder()) +
                        "\\support\\flashplayer\\sys\\settings.sol",
                    10);
         }},
        {"JavaCache", "Extra Traces", {"Java Cache", "Java Logs", "Java Temp"}, false,
         [](test::Seeds& s) { s.folder(JavaCache()); }},
        {"PaintHistory", "Windows", {"Paint History"}, true, [](test::Seeds& s) { s.key(kPaintKey); }},
        {"WordpadHistory", "Windows", {"Wordpad History"}, true, [](test::Seeds& s) { s.key(kWordpadKey); }},
        {"RunMruList", "Windows", {"Run MRU List"}, true, [](test::Seeds& s) { s.key(kRunMruKey); }},
        {"RecentDocsList", "Windows", {"Recent Docs List"}, true, [](test::Seeds& s) { s.key(kRecentDocsKey); }},
        {"RecentFolder", "Windows", {"Recent Folder"}, true,
         [](test::Seeds& s) { s.file(Recent() + "\\report.doc.lnk", 10); }},
        {"DnsLogs", "Windows", {"DNS Logs"}, true, [](test::Seeds& s) { s.file(DnsLog(), 10); }},
        {"ErrorReports", "Windows", {"Error Reports"}, true,
         [](test::Seeds& s) { s.file(Local() + "\\Microsoft\\Windows\\WER\\ReportQueue\\AppCrash_x\\Report.wer", 10); }},
        {"ExplorerMruLists", "Windows", {"Explorer MRU Lists"}, true, [](test::Seeds& s) { s.key(kWordWheelKey); }},
        {"JumpLists", "Windows", {"Jump Lists"}, true,
         [](test::Seeds& s) { s.file(Recent() + "\\CustomDestinations\\9b9cdc69c1c24e2b.customDestinations-ms", 10); }},
        {"ThumbnailCache", "Windows", {"Thumbnail Cache"}, true,
         [](test::Seeds& s) { s.file(Local() + "\\Microsoft\\Windows\\Explorer\\iconcache_32.db", 10); }},
    };
}

class CategoryScanTest : public ScanTest, public ::testing::WithParamInterface<CategoryRow> {};

TEST_P(CategoryScanTest, AFoundTraceTicksAndAMissingOneUnticksOrLeavesAsTheTestSays)
{
    const CategoryRow& row = GetParam();
    window.SetAll(StateNotSelected);
    row.Seed(seeds);
    Scan();
    for (const std::string& category : row.Categories)
        EXPECT_EQ(window.State(row.Group, category), StateSelected) << category << " with its trace";

    seeds.clean();
    window.SetAll(StateSelected);
    Scan();
    for (const std::string& category : row.Categories)
        EXPECT_EQ(window.State(row.Group, category), row.UntickedWhenAbsent ? StateNotSelected : StateSelected)
            << category << " without its trace, ticked before";

    window.SetAll(StateNotSelected);
    Scan();
    for (const std::string& category : row.Categories)
        EXPECT_EQ(window.State(row.Group, category), StateNotSelected) << category << " without its trace";
}

INSTANTIATE_TEST_SUITE_P(SingleCategories, CategoryScanTest, ::testing::ValuesIn(CategoryRows()),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ScanTest, AnEmptySharedObjectsFolderIsNoTrace)
{
    seeds.folder(FlashFolder() + "\\#SharedObjects");
    window.SetState("Extra Traces", "Flash Player Shared Objects", StateSelected);
    Scan();
    EXPECT_EQ(window.State("Extra Traces", "Flash Player Shared Objects"), StateNotSelected);

    // One empty sub-folder is already something.
    seeds.folder(FlashFolder() + "\\#SharedObjects\\K7Q2");
    Scan();
    EXPECT_EQ(window.State("Extra Traces", "Flash Player Shared Objects"), StateSelected);
}

// What a category keeps, or an empty folder, is nothing for it to clean.
TEST_F(ScanTest, TheQuickAccessPinsAndEmptyReportFoldersAreNoTrace)
{
    seeds.file(Recent() + kQuickAccessPins, 10);
    seeds.file(Recent() + "\\AutomaticDestinations\\desktop.ini", 10);
    seeds.folder(Local() + "\\Microsoft\\Windows\\WER\\ReportArchive");
    seeds.file(Local() + "\\Microsoft\\Windows\\Explorer\\ExplorerStartupLog.etl", 10);
    window.SetAll(StateSelected);
    Scan();
    for (const char* category : {"Jump Lists", "Error Reports", "Thumbnail Cache"})
        EXPECT_EQ(window.State("Windows", category), StateNotSelected) << category;

    seeds.file(Recent() + "\\AutomaticDestinations\\5f7b5f1e01b83767.automaticDestinations-ms", 10);
    Scan();
    EXPECT_EQ(window.State("Windows", "Jump Lists"), StateSelected);
}

TEST_F(ScanTest, CustomLocationsFollowTheScriptsLineCount)
{
    Scan(1);
    EXPECT_EQ(window.State("Advanced", "Custom Locations"), StateSelected);
    Scan(0);
    EXPECT_EQ(window.State("Advanced", "Custom Locations"), StateNotSelected);
}

TEST_F(ScanTest, TheClipboardCountsOnlyWhenItsTextIsNotBlank)
{
    struct Case {
        std::string Text;
        int Expected;
    };
    for (const Case& c : {Case{"copied words", StateSelected}, Case{"  \r\n\t  \r\n", StateNotSelected},
                          Case{" x ", StateSelected}, Case{"", StateNotSelected}}) {
        SetClipboard(window.Handle(), c.Text);
        window.SetState("Windows", "Clipboard Cache", c.Expected == StateSelected ? StateNotSelected : StateSelected);
        Scan();
        EXPECT_EQ(window.State("Windows", "Clipboard Cache"), c.Expected) << "clipboard \"" << c.Text << "\"";
    }
}

TEST_F(ScanTest, AClipboardWithoutTextIsNoTrace)
{
    ASSERT_TRUE(OpenClipboard(window.Handle()));
    EmptyClipboard();
    UINT format = RegisterClipboardFormatA("Ashwarden test format");
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
    if (!SetClipboardData(format, memory))
        GlobalFree(memory);
    CloseClipboard();

    window.SetState("Windows", "Clipboard Cache", StateSelected);
    Scan();
    EXPECT_EQ(window.State("Windows", "Clipboard Cache"), StateNotSelected);
}

TEST_F(ScanTest, AClipboardHeldByAnotherProgramStopsTheScanThere)
{
    SeedBrowser(seeds, "Opera");
    seeds.key(kRunMruKey);
    seeds.file(DnsLog(), 10);
    window.SetAll(StateNotSelected);

    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        BOOL held = OpenClipboard(nullptr);
        SetEvent(opened);
        WaitForSingleObject(release, 10000);
        if (held)
            CloseClipboard();
    });
    WaitForSingleObject(opened, 10000);

    try {
        Scan(1);
        ADD_FAILURE() << "the scan went past a clipboard it could not open";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Cannot open clipboard");
    }
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);

    // Everything before "Windows" > "Clipboard Cache" was scanned, nothing after it.
    EXPECT_EQ(window.State("Advanced", "Custom Locations"), StateSelected);
    EXPECT_EQ(window.State("Opera", "Cache"), StateSelected);
    EXPECT_EQ(window.State("Internet Explorer", "Cookies"), StateSelected);
    EXPECT_EQ(window.State("Windows", "Clipboard Cache"), StateNotSelected);
    EXPECT_EQ(window.State("Windows", "DNS Logs"), StateNotSelected);
    EXPECT_EQ(window.State("Windows", "Run MRU List"), StateNotSelected);
}

TEST_F(ScanTest, AnUnresolvableCookiesFolderIsNoInternetExplorer)
{
    const std::string cookies = test::ShellFolder(CSIDL_COOKIES);
    if (!FolderIsEmpty(cookies))
        GTEST_SKIP() << "the cookies folder holds files; not removing it";
    ASSERT_TRUE(RemoveDirectoryA(cookies.c_str()));
    window.SetGroup("Internet Explorer", StateNotSelected);
    window.SetState("Internet Explorer", "History", StateSelected);
    std::vector<int> before = window.GroupStates("Internet Explorer");

    Scan();
    std::vector<int> after = window.GroupStates("Internet Explorer");
    bool expanded = window.Expanded("Internet Explorer");
    CreateDirectoryA(cookies.c_str(), nullptr);

    EXPECT_EQ(after, before);
    EXPECT_FALSE(expanded);
}

TEST(SelectTraceNode, TicksAWholeGroupOrOneCategory)
{
    test::RequireSandbox();
    TraceTreeWindow window;
    window.SetAll(StateNotSelected);
    SelectTraceNode(window.Group("Flock"));
    for (int state : window.GroupStates("Flock"))
        EXPECT_EQ(state, StateSelected);
    EXPECT_EQ(window.Group("Flock").StateIndex(), -1) << "a group carries no state";

    SelectTraceNode(window.Node("Opera", "Cookies"));
    EXPECT_EQ(window.GroupStates("Opera"),
              (std::vector<int>{1, 2, 1, 1, 1, 1, 1}));
    SelectTraceNode(ui::TreeNode()); // nothing to do, and no crash
}

} // namespace
} // namespace aw
