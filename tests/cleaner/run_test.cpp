// Cleaning runs on a prefix seeded with every trace the cleaner knows.
#include "catalogue/trace_catalogue.h"
#include "cleaner/browser_families.h"
#include "cleaner/clean_log.h"
#include "cleaner/clean_run.h"
#include "cleaner/trace_world.h"
#include "platform/registry_key.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace aw {
namespace {

using test::CategoryTraces;
using test::Item;
using test::Role;

class CleaningRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }
    void SetUp() override { test::EmptySharedFolders(); }
    void TearDown() override { seeds_.clean(); }

    static CleanRequest Only(const std::string& group, const std::string& category)
    {
        CleanRequest request;
        EXPECT_TRUE(request.Selection.TickNamed(group, category));
        return request;
    }

    test::Seeds seeds_;
    CleanCounters counters_;
};

std::string RowName(const CategoryTraces& row)
{
    std::string name = row.Group + "_" + row.Category;
    for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

// One category at a time, with every other category's traces and all the decoys present.
class EveryCategory : public CleaningRun, public ::testing::WithParamInterface<CategoryTraces> {};

TEST_P(EveryCategory, DeletesExactlyItsOwnTracesAndCountsThem)
{
    const CategoryTraces& row = GetParam();
    test::SeedWorld(seeds_);
    for (const CategoryTraces& other : test::TraceWorld())
        for (const Item& item : other.Items)
            ASSERT_TRUE(test::ItemExists(item)) << "not seeded: " << test::FullPath(item);

    RunCleaning(Only(row.Group, row.Category), counters_);

    CleanCounters expected;
    for (const Item& item : row.Items) {
        if (item.Is == Role::Counted) {
            expected.FilesDeleted += 1;
            expected.BytesCleaned += test::SeedSize(item);
        }
        if (item.Is == Role::Key || item.Is == Role::Value)
            expected.RegistryKeysDeleted += 1;
    }
    for (const CategoryTraces& other : test::TraceWorld()) {
        for (const Item& item : other.Items) {
            bool deleted = test::IsDeletedBy(row, item);
            EXPECT_NE(deleted, test::ItemExists(item))
                << (deleted ? "left: " : "deleted: ") << test::FullPath(item) << ' ' << item.Name;
        }
    }
    EXPECT_EQ(expected.FilesDeleted, counters_.FilesDeleted);
    EXPECT_EQ(expected.BytesCleaned, counters_.BytesCleaned);
    EXPECT_EQ(expected.RegistryKeysDeleted, counters_.RegistryKeysDeleted);
}

INSTANTIATE_TEST_SUITE_P(TraceWorld, EveryCategory, ::testing::ValuesIn(test::TraceWorld()),
                         [](const auto& info) { return RowName(info.param); });

// The browsers of the families are cleaned on profiles real browsers wrote instead
// (browser_fixture_test.cpp).
TEST(TraceWorldCoverage, HasARowForEveryCategoryOfTheTreeButTheFamilies)
{
    std::set<std::pair<std::string, std::string>> rows, tree;
    for (const CategoryTraces& row : test::TraceWorld())
        rows.insert({row.Group, row.Category});
    std::set<std::string_view> families;
    for (const FamilyBrowser& browser : FamilyBrowsers())
        families.insert(browser.Group);
    for (const CatalogueGroup& g : TraceCatalogue())
        for (std::string_view c : g.Categories)
            if (!families.count(g.Text))
                tree.insert({std::string(g.Text), std::string(c)});
    EXPECT_EQ(tree, rows);
}

TEST_F(CleaningRun, CountersStartFromZeroAtEveryRun)
{
    test::SeedWorld(seeds_);
    counters_.FilesDeleted = 40;
    counters_.RegistryKeysDeleted = 3;
    counters_.BytesCleaned = 1 << 20;
    RunCleaning(CleanRequest{}, counters_);
    EXPECT_EQ(0, counters_.FilesDeleted);
    EXPECT_EQ(0, counters_.RegistryKeysDeleted);
    EXPECT_EQ(0, counters_.BytesCleaned);

    RunCleaning(Only("Opera", "Cookies"), counters_);
    EXPECT_EQ(1, counters_.FilesDeleted);
    RunCleaning(Only("Opera", "Cookies"), counters_);
    EXPECT_EQ(0, counters_.FilesDeleted);
}

// The custom location script comes first in the tree; whatever order the selection lists
// the categories in, the run reaches them in tree order.
TEST_F(CleaningRun, CategoriesAreCleanedInTreeOrder)
{
    test::SeedWorld(seeds_);
    CleanRequest request;
    request.Selection = TraceSelection::Named(
        {{"Windows", "Recent Docs List"}, {"Google Chrome", "Cookies"}, {"Advanced", "Custom Locations"}});
    request.ScriptLines = {"FIL:x"};
    request.IndexDatOption = true;
    const std::string chromeCookies = test::RootFolder(test::Root::Local) + "\\Google\\Chrome\\User Data\\Default\\Cookies";
    int calls = 0;
    bool chromeStillThere = false;
    request.RunCustomLocations = [&](const CleanRequest& seen, CleanCounters& counters) {
        ++calls;
        chromeStillThere = test::PathExists(chromeCookies);
        EXPECT_EQ(std::vector<std::string>{"FIL:x"}, seen.ScriptLines);
        EXPECT_TRUE(seen.IndexDatOption);
        EXPECT_EQ(0, counters.FilesDeleted);
        counters.FilesDeleted += 10; // as if the script had deleted ten files
    };

    RunCleaning(request, counters_);

    EXPECT_EQ(1, calls);
    EXPECT_TRUE(chromeStillThere);
    EXPECT_FALSE(test::PathExists(chromeCookies));
    EXPECT_EQ(11, counters_.FilesDeleted);
    EXPECT_EQ(1, counters_.RegistryKeysDeleted);
}

TEST_F(CleaningRun, CustomLocationsWithoutARunnerDoNothing)
{
    RunCleaning(Only("Advanced", "Custom Locations"), counters_);
    EXPECT_EQ(0, counters_.FilesDeleted);
    int calls = 0;
    CleanRequest request = Only("Google Chrome", "Cookies");
    request.RunCustomLocations = [&](const CleanRequest&, CleanCounters&) { ++calls; };
    RunCleaning(request, counters_);
    EXPECT_EQ(0, calls);
}

// A run that cannot be stopped by a runner that throws: the other categories still run, and
// the run names the action it lost and why.
TEST_F(CleaningRun, AFailingActionDoesNotEndTheRunAndIsReported)
{
    test::SeedWorld(seeds_);
    CleanRequest request = Only("Advanced", "Custom Locations");
    EXPECT_TRUE(request.Selection.TickNamed("Opera", "Cookies"));
    request.RunCustomLocations = [](const CleanRequest&, CleanCounters&) { throw std::runtime_error("script failed"); };
    const std::vector<CleanFailure> failures = RunCleaning(request, counters_);
    EXPECT_EQ(1, counters_.FilesDeleted);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].Category, FindCategory("Advanced", "Custom Locations"));
    EXPECT_EQ(failures[0].Reason, "script failed");
    EXPECT_TRUE(RunCleaning(Only("Opera", "Cookies"), counters_).empty());
}

TEST_F(CleaningRun, CookiesOfInternetExplorerLeaveALockedIndexDatForTheNextStart)
{
    const std::string cookies = test::RootFolder(test::Root::InetCookies);
    seeds_.file(cookies + "\\a@x[1].txt", 10);
    seeds_.file(cookies + "\\index.dat", 20);
    seeds_.file(cookies + "\\Low\\b@x[1].txt", 30);
    test::ClearPendingDeletionsAtReboot();
    {
        test::LockedFile lock(cookies + "\\index.dat");
        ASSERT_TRUE(lock.locked());
        CleanRequest request = Only("Internet Explorer", "Cookies");
        request.IndexDatOption = true;
        RunCleaning(request, counters_);
    }
    EXPECT_FALSE(test::PathExists(cookies + "\\a@x[1].txt"));
    EXPECT_FALSE(test::PathExists(cookies + "\\Low"));
    EXPECT_TRUE(test::PathExists(cookies + "\\index.dat"));
    auto pending = test::PendingDeletionsAtReboot();
    ASSERT_FALSE(pending.empty());
    EXPECT_NE(std::string::npos, pending.front().find("INetCookies\\index.dat")) << pending.front();
    EXPECT_EQ(1, counters_.FilesDeleted);
    EXPECT_EQ(10, counters_.BytesCleaned);
    test::ClearPendingDeletionsAtReboot();
}

// Names the ANSI code page cannot spell, in the recent folder, in a cache a files row empties
// and in a cache tree a tree row removes, the tree reaching more than 300 characters down:
// removed and counted; the same names in a folder no ticked row names stay.
TEST_F(CleaningRun, NamesOfAnyScriptAndLengthAreCleanedAndCounted)
{
    const std::string local = test::RootFolder(test::Root::Local);
    const std::string recent = test::RootFolder(test::Root::Recent);
    // "Flock" > "Cache": every file of one folder, and the shader cache's whole tree.
    const std::string files = local + "\\Flock\\User Data\\Default\\Cache";
    const std::string tree = local + "\\Flock\\User Data\\ShaderCache";
    const std::string unticked = local + "\\Comodo\\Dragon\\User Data\\ShaderCache";
    std::string deep = tree;
    while (deep.size() < 300)
        deep += "\\" + test::kCyrillicName + " GPU";
    for (const std::string& name : test::kUnspellableNames) {
        seeds_.file(recent + "\\" + name, 5);
        seeds_.file(files + "\\" + name, 7);
        seeds_.file(files + "\\sub\\" + name, 1);
        seeds_.file(tree + "\\" + name, 11);
        seeds_.file(deep + "\\" + name, 1000);
        seeds_.file(unticked + "\\" + name, 13);
    }
    ASSERT_GT((deep + "\\" + test::kEmojiName).size(), 300u);
    ASSERT_TRUE(test::PathExists(deep + "\\" + test::kEmojiName));

    CleanRequest request = Only("Flock", "Cache");
    EXPECT_TRUE(request.Selection.TickNamed("Windows", "Recent Folder"));
    RunCleaning(request, counters_);

    for (const std::string& name : test::kUnspellableNames) {
        EXPECT_FALSE(test::PathExists(recent + "\\" + name)) << name;
        EXPECT_FALSE(test::PathExists(files + "\\" + name)) << name;
        EXPECT_FALSE(test::PathExists(tree + "\\" + name)) << name;
        EXPECT_TRUE(test::PathExists(files + "\\sub\\" + name)) << name;
        EXPECT_TRUE(test::PathExists(unticked + "\\" + name)) << name;
    }
    EXPECT_FALSE(test::PathExists(tree + "\\" + test::kCyrillicName + " GPU"));
    EXPECT_TRUE(test::IsFolder(tree));
    EXPECT_EQ(9, counters_.FilesDeleted);
    EXPECT_EQ(3 * (5 + 7 + 11), counters_.BytesCleaned);
}

// Firefox writes profiles.ini in UTF-8: a profile whose folder the code page cannot spell is
// cleaned, and a profile it does not list is not.
TEST_F(CleaningRun, AFirefoxProfileNamedInUtf8IsCleaned)
{
    const std::string firefox = test::RootFolder(test::Root::Roaming) + "\\Mozilla\\Firefox";
    const std::string profile = "\xD0\xBF\xD1\x80\xD0\xBE\xD1\x84\xD0\xB8\xD0\xBB\xD1\x8C.default"; // профиль
    seeds_.text(firefox + "\\profiles.ini", "[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/" +
                                                profile + "\r\n");
    seeds_.file(firefox + "\\Profiles\\" + profile + "\\cookies.sqlite", 512);
    seeds_.file(firefox + "\\Profiles\\other.default\\cookies.sqlite", 512);

    RunCleaning(Only("Mozilla Firefox", "Cookies"), counters_);

    EXPECT_FALSE(test::PathExists(firefox + "\\Profiles\\" + profile + "\\cookies.sqlite"));
    EXPECT_TRUE(test::PathExists(firefox + "\\Profiles\\other.default\\cookies.sqlite"));
    EXPECT_EQ(1, counters_.FilesDeleted);
    EXPECT_EQ(512, counters_.BytesCleaned);
}

// Explorer holds its thumbnail caches open: what it holds stays and is counted as left in use,
// not as removed; so is a file held deep inside a tree a row removes, whose folders then stay.
TEST_F(CleaningRun, AFileHeldOpenIsLeftAndCountedAsInUse)
{
    const std::string explorer = test::RootFolder(test::Root::Local) + "\\Microsoft\\Windows\\Explorer";
    const std::string reports = test::RootFolder(test::Root::Local) + "\\Microsoft\\Windows\\WER\\ReportArchive";
    seeds_.file(explorer + "\\thumbcache_256.db", 3000);
    seeds_.file(explorer + "\\iconcache_16.db", 500);
    seeds_.file(reports + "\\AppCrash_1\\Report.wer", 70);
    seeds_.file(reports + "\\AppCrash_1\\memory.hdmp", 900);
    seeds_.file(reports + "\\AppCrash_2\\Report.wer", 80);
    {
        test::LockedFile held(explorer + "\\thumbcache_256.db");
        test::LockedFile report(reports + "\\AppCrash_1\\memory.hdmp");
        ASSERT_TRUE(held.locked() && report.locked());
        CleanRequest request = Only("Windows", "Thumbnail Cache");
        EXPECT_TRUE(request.Selection.TickNamed("Windows", "Error Reports"));
        RunCleaning(request, counters_);
    }
    EXPECT_TRUE(test::PathExists(explorer + "\\thumbcache_256.db"));
    EXPECT_FALSE(test::PathExists(explorer + "\\iconcache_16.db"));
    EXPECT_TRUE(test::PathExists(reports + "\\AppCrash_1\\memory.hdmp"));
    EXPECT_FALSE(test::PathExists(reports + "\\AppCrash_1\\Report.wer"));
    EXPECT_FALSE(test::PathExists(reports + "\\AppCrash_2"));
    EXPECT_EQ(1, counters_.FilesDeleted);
    EXPECT_EQ(500, counters_.BytesCleaned);
    EXPECT_EQ(2, counters_.ItemsLeft);
    EXPECT_EQ(2, counters_.ItemsLeftInUse);
}

// A key the user may not change (here a sub-key nobody may open) stays with the key above it:
// counted as left, named as denied in the run's record, never as removed.
TEST_F(CleaningRun, ARegistryKeyTheUserMayNotChangeIsLeftAndCounted)
{
    const std::string runList = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
    const std::string lockedPath = runList + "\\Locked";
    HKEY locked = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, lockedPath.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &locked, nullptr));
    ACL empty{};
    ASSERT_TRUE(InitializeAcl(&empty, sizeof empty, ACL_REVISION));
    SECURITY_DESCRIPTOR noAccess{};
    InitializeSecurityDescriptor(&noAccess, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&noAccess, TRUE, &empty, FALSE);
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeySecurity(locked, DACL_SECURITY_INFORMATION, &noAccess));
    RegCloseKey(locked);

    CleanLog log;
    DeletingSink deleting;
    RecordingSink recording(deleting, log, Recording::EveryEntry);
    CleanRequest request = Only("Windows", "Run MRU List");
    request.Sink = &recording;
    RunCleaning(request, counters_);

    EXPECT_TRUE(RegKeyPresent(HKEY_CURRENT_USER, runList));
    EXPECT_EQ(0, counters_.RegistryKeysDeleted);
    EXPECT_EQ(1, counters_.ItemsLeft);
    EXPECT_EQ(0, counters_.ItemsLeftInUse);
    ASSERT_EQ(1u, log.Results.size());
    EXPECT_EQ(EntryResult::Denied, log.Results[0]);
    EXPECT_EQ(PlanKind::Key, log.Plan.Entries[0].Kind);

    // Open to everyone again, then gone.
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, lockedPath.c_str(), 0, WRITE_DAC, &locked));
    SECURITY_DESCRIPTOR open{};
    InitializeSecurityDescriptor(&open, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&open, TRUE, nullptr, FALSE);
    EXPECT_EQ(ERROR_SUCCESS, RegSetKeySecurity(locked, DACL_SECURITY_INFORMATION, &open));
    RegCloseKey(locked);
    RunCleaning(Only("Windows", "Run MRU List"), counters_);
    EXPECT_FALSE(RegKeyPresent(HKEY_CURRENT_USER, runList));
    EXPECT_EQ(1, counters_.RegistryKeysDeleted);
    EXPECT_EQ(0, counters_.ItemsLeft);
}

// Asked to stop (the program is closing), a run finishes the file in hand and begins nothing
// more: no further file of the folder under way, no further category.
TEST_F(CleaningRun, AStoppedRunEndsAfterTheEntryInHand)
{
    const std::string cache = test::RootFolder(test::Root::Local) + "\\Flock\\User Data\\Default\\Cache";
    const std::string recent = test::RootFolder(test::Root::Recent);
    for (int i = 0; i < 20; ++i)
        seeds_.file(cache + "\\entry" + std::to_string(i), 10);
    seeds_.file(recent + "\\later.lnk", 5);

    // Stops after the third file, as the window would while the third is being removed.
    class StoppingSink final : public CleanSink {
    public:
        explicit StoppingSink(CleanProgress& progress) : progress_(progress), deleting_(&progress) {}
        void beginCategory(std::string_view g, std::string_view c) override { deleting_.beginCategory(g, c); }
        Removal removeFile(const FolderAnchor& folder, const std::string& path, std::string_view name,
                           DWORD attributes, std::int64_t size) override
        {
            if (++files_ == 3)
                progress_.Stop = true;
            return deleting_.removeFile(folder, path, name, attributes, size);
        }
        bool removeFolder(const std::string& path) override { return deleting_.removeFolder(path); }
        bool removeKey(HKEY root, const std::string& key) override { return deleting_.removeKey(root, key); }
        bool removeValue(HKEY root, const std::string& value) override { return deleting_.removeValue(root, value); }
        void cleanDatabase(DatabaseClean clean, const std::string& path, CleanCounters& counters) override
        {
            deleting_.cleanDatabase(clean, path, counters);
        }
        void runSystemAction(SystemAction action, HWND owner) override { deleting_.runSystemAction(action, owner); }
        std::int64_t cleanSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep,
                                       CleanCounters& counters) override
        {
            return deleting_.cleanSiteDatabase(database, path, keep, counters);
        }
        std::int64_t cleanLocalStorage(const std::string& folder, const KeepList& keep, CleanCounters& counters) override
        {
            return deleting_.cleanLocalStorage(folder, keep, counters);
        }
        void keepSiteStorage(const std::string& path) override { deleting_.keepSiteStorage(path); }
        bool stopping() const override { return deleting_.stopping(); }

    private:
        CleanProgress& progress_;
        DeletingSink deleting_;
        int files_ = 0;
    };
    CleanProgress progress;
    StoppingSink stopping(progress);
    CleanLog log;
    RecordingSink recording(stopping, log, Recording::EveryEntry);
    CleanRequest request = Only("Flock", "Cache");
    EXPECT_TRUE(request.Selection.TickNamed("Windows", "Recent Folder"));
    request.Sink = &recording;
    RunCleaning(request, counters_);

    EXPECT_EQ(3, counters_.FilesDeleted);
    EXPECT_EQ(3u, log.Plan.Entries.size());
    int left = 0;
    for (int i = 0; i < 20; ++i)
        left += test::PathExists(cache + "\\entry" + std::to_string(i)) ? 1 : 0;
    EXPECT_EQ(17, left);
    EXPECT_TRUE(test::PathExists(recent + "\\later.lnk"));
}

} // namespace
} // namespace aw
