// A preview lists exactly what the following Clean removes.
#include "cleaner/clean_plan.h"
#include "cleaner/trace_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace aw {
namespace {

using test::CategoryTraces;
using test::Item;
using test::Role;

// What a removal looks like to the tests: kind and path, case and doubled separators aside.
using Thing = std::pair<PlanKind, std::string>;

Thing ThingOf(PlanKind kind, const std::string& path)
{
    std::string text;
    for (char c : path) {
        if (c == '/')
            c = '\\';
        if (c == '\\' && !text.empty() && text.back() == '\\')
            continue;
        text += static_cast<char>(tolower(static_cast<unsigned char>(c)));
    }
    return {kind, text};
}

// The deleting sink, noting what it really removed.
class ObservedClean final : public CleanSink {
public:
    std::set<Thing> Removed;
    void beginCategory(std::string_view, std::string_view) override {}
    Removal removeFile(const FolderAnchor& folder, const std::string& path, std::string_view name,
                       DWORD attributes, std::int64_t size) override
    {
        Removal removal = real_.removeFile(folder, path, name, attributes, size);
        if (removal == Removal::Removed)
            Removed.insert(ThingOf(PlanKind::File, path));
        return removal;
    }
    bool removeFolder(const std::string& path) override
    {
        return note(real_.removeFolder(path), PlanKind::Folder, path);
    }
    bool removeKey(HKEY root, const std::string& path) override
    {
        return note(real_.removeKey(root, path), PlanKind::Key, path);
    }
    bool removeValue(HKEY root, const std::string& path) override
    {
        return note(real_.removeValue(root, path), PlanKind::Value, path);
    }
    void cleanDatabase(DatabaseClean clean, const std::string& path, CleanCounters& counters) override
    {
        Removed.insert(ThingOf(PlanKind::Special, path));
        real_.cleanDatabase(clean, path, counters);
    }
    void runSystemAction(SystemAction action, HWND owner) override
    {
        Removed.insert(ThingOf(PlanKind::Special, action == SystemAction::RecycleBin ? "Recycle Bin" : "Clipboard"));
        real_.runSystemAction(action, owner);
    }
    std::int64_t cleanSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep,
                                   CleanCounters& counters) override
    {
        const std::int64_t removed = real_.cleanSiteDatabase(database, path, keep, counters);
        note(removed > 0, PlanKind::Rows, path);
        return removed;
    }
    std::int64_t cleanLocalStorage(const std::string& folder, const KeepList& keep, CleanCounters& counters) override
    {
        const std::int64_t removed = real_.cleanLocalStorage(folder, keep, counters);
        note(removed > 0, PlanKind::Rows, folder);
        return removed;
    }
    // What stays is noted too: the preview lists it.
    void keepSiteStorage(const std::string& path) override { Removed.insert(ThingOf(PlanKind::Kept, path)); }

private:
    bool note(bool removed, PlanKind kind, const std::string& path)
    {
        if (removed)
            Removed.insert(ThingOf(kind, path));
        return removed;
    }
    DeletingSink real_;
};

// Every category but the recycle bin: emptying it here would settle Wine's view of the trash
// for the whole process before the recycle bin's own test has made its folders.
bool Included(const CategoryTraces& row)
{
    return row.Category != "Empty RecycleBin";
}

CleanRequest EveryCategory()
{
    CleanRequest request;
    for (const CategoryTraces& row : test::TraceWorld())
        if (Included(row)) {
            EXPECT_TRUE(request.Selection.TickNamed(row.Group, row.Category));
        }
    return request;
}

std::string ItemPath(const Item& item)
{
    return item.Is == Role::Value ? item.Path + "\\" + item.Name : test::FullPath(item);
}

PlanKind ItemKind(Role role)
{
    switch (role) {
    case Role::GoneDir: return PlanKind::Folder;
    case Role::Key: return PlanKind::Key;
    case Role::Value: return PlanKind::Value;
    default: return PlanKind::File;
    }
}

class Preview : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RequireSandbox(); }
    void SetUp() override { test::EmptySharedFolders(); }
    void TearDown() override { seeds_.clean(); }
    test::Seeds seeds_;
};

TEST_F(Preview, ListsExactlyWhatTheCleanRemovesAndNothingGoesMeanwhile)
{
    test::SeedWorld(seeds_);
    PlanProgress progress;
    const CleanPlan plan = PlanCleaning(EveryCategory(), &progress);
    EXPECT_EQ(progress.Found.load(), plan.Entries.size());
    // A preview told to stop records nothing more.
    progress.Cancel = true;
    EXPECT_TRUE(PlanCleaning(EveryCategory(), &progress).Entries.empty());

    // Nothing was removed by the preview.
    for (const CategoryTraces& row : test::TraceWorld())
        for (const Item& item : row.Items)
            ASSERT_TRUE(test::ItemExists(item)) << "removed by the preview: " << test::FullPath(item);

    std::set<Thing> planned;
    std::map<Thing, std::int64_t> bytes;
    for (const PlanEntry& entry : plan.Entries) {
        Thing thing = ThingOf(entry.Kind, entry.Path);
        EXPECT_TRUE(planned.insert(thing).second) << "listed twice: " << entry.Path;
        bytes[thing] = entry.Bytes;
    }
    // Every trace the world seeds for removal is there, files with their own sizes; no decoy is.
    std::set<Thing> seededGone;
    for (const CategoryTraces& row : test::TraceWorld()) {
        for (const Item& item : row.Items) {
            const bool gone = item.Is == Role::Counted || item.Is == Role::Uncounted || item.Is == Role::GoneDir ||
                              item.Is == Role::Key || item.Is == Role::Value;
            const Thing thing = ThingOf(ItemKind(item.Is), ItemPath(item));
            if (!gone) {
                EXPECT_EQ(planned.count(ThingOf(PlanKind::File, ItemPath(item))), 0u) << "decoy listed: " << ItemPath(item);
                continue;
            }
            seededGone.insert(thing);
            EXPECT_EQ(planned.count(thing), 1u) << "not listed: " << ItemPath(item);
            if (thing.first == PlanKind::File && planned.count(thing)) {
                EXPECT_EQ(bytes[thing], test::SeedSize(item)) << ItemPath(item);
            }
        }
    }
    // The categories come in tree order, each once.
    std::vector<std::pair<std::string, std::string>> order;
    for (const TraceCategoryRef& c : plan.Categories)
        order.push_back({c.Group, c.Category});
    std::vector<std::pair<std::string, std::string>> tree;
    for (const CategoryTraces& row : test::TraceWorld())
        if (Included(row))
            tree.push_back({row.Group, row.Category});
    EXPECT_EQ(order, tree);

    ObservedClean clean;
    CleanRequest request = EveryCategory();
    request.Sink = &clean;
    CleanCounters counters;
    RunCleaning(request, counters);
    EXPECT_EQ(planned, clean.Removed);
    for (const Thing& thing : seededGone)
        EXPECT_EQ(clean.Removed.count(thing), 1u) << "not removed: " << thing.second;

    // Afterwards only what has no location is left to list.
    for (const PlanEntry& entry : PlanCleaning(EveryCategory()).Entries)
        EXPECT_EQ(entry.Kind, PlanKind::Special) << "still listed: " << entry.Path;
}

TEST_F(Preview, CountsAsTheCleanCountsWhileListingNestedFilesToo)
{
    test::SeedWorld(seeds_);
    CleanPlan plan;
    PlanRecorder recorder(plan);
    CleanRequest request = EveryCategory();
    request.Sink = &recorder;
    CleanCounters previewed;
    RunCleaning(request, previewed);

    CleanCounters cleaned;
    RunCleaning(EveryCategory(), cleaned);
    EXPECT_EQ(previewed.FilesDeleted, cleaned.FilesDeleted);
    EXPECT_EQ(previewed.BytesCleaned, cleaned.BytesCleaned);
    EXPECT_EQ(previewed.RegistryKeysDeleted, cleaned.RegistryKeysDeleted);
    // Files inside a tree's sub-folders are listed, though the summary leaves them out.
    EXPECT_GT(plan.TotalBytes(), cleaned.BytesCleaned);
}

} // namespace
} // namespace aw
