#pragma once
// A preview: the sink that writes down what a run would remove instead of removing it, and
// the plan it builds.
#include "cleaner/clean_run.h"
#include "cleaner/clean_sink.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace aw {

// Rows: a database (or Chromium's Local Storage) cleaned in place of the sites not kept.
// Kept: a kept site's storage, or a store left whole because a kept site's data may be in it.
enum class PlanKind { File, Folder, Key, Value, Special, Rows, Kept };

// The word a plan file uses for a kind.
const char* PlanKindName(PlanKind kind);

struct PlanEntry {
    std::size_t Category; // index into CleanPlan::Categories
    PlanKind Kind;
    std::string Path;     // for Special, what is done ("Recycle Bin") or the database cleaned in place
    std::int64_t Bytes;   // a file's own size; for Rows, what the database will shrink by
                          // (estimated); 0 for everything else
    std::int64_t Rows = 0; // for Rows, the rows or entries that go
};

// Everything one run would remove, category by category in tree order, each entry in the
// order the run reaches it. Files are listed at every depth of a tree, each with its size.
struct CleanPlan {
    std::vector<TraceCategoryRef> Categories;
    std::vector<PlanEntry> Entries;
    std::vector<CleanFailure> Failures; // the actions the run could not look at, and why

    std::int64_t TotalBytes() const;
};

// Records into a plan. An entry is recorded when the deleting sink would act on it: a file
// only when it is its folder's own entry and not a link, a key or value only when it exists
// and may be removed. What is recorded counts as gone for the rest of the run, as it would be
// after a Clean: a location two categories share is listed once, under the first. Nothing is
// changed.
// Shared with a run on another thread: the number of entries recorded so far, and a request
// to stop looking (the rest of the run then records nothing and touches no file).
struct PlanProgress {
    std::atomic<bool> Cancel{false};
    std::atomic<std::size_t> Found{0};
};

// The path a plan or log shows for a registry key or value: as it stands below
// HKEY_CURRENT_USER, where the program's own locations lie, and after its root's name below any
// other root ("HKEY_LOCAL_MACHINE\\Software\\..."), so that the two are never taken for one.
std::string ShownKeyPath(HKEY root, const std::string& path);

class PlanRecorder final : public CleanSink {
public:
    explicit PlanRecorder(CleanPlan& plan, PlanProgress* progress = nullptr) : plan_(plan), progress_(progress) {}

    void beginCategory(std::string_view group, std::string_view category) override;
    Removal removeFile(const FolderAnchor& folder, const std::string& path, std::string_view name,
                       DWORD attributes, std::int64_t size) override;
    bool removeFolder(const std::string& path) override;
    bool removeKey(HKEY root, const std::string& keyPath) override;
    bool removeValue(HKEY root, const std::string& valuePath) override;
    void cleanDatabase(DatabaseClean clean, const std::string& path, CleanCounters& counters) override;
    void runSystemAction(SystemAction action, HWND owner) override;
    std::int64_t cleanSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep,
                                   CleanCounters& counters) override;
    std::int64_t cleanLocalStorage(const std::string& folder, const KeepList& keep, CleanCounters& counters) override;
    void keepSiteStorage(const std::string& path) override;

private:
    // False, recording nothing, when the entry is already in the plan.
    bool add(PlanKind kind, const std::string& path, std::int64_t bytes, std::int64_t rows = 0);
    bool cancelled() const { return progress_ && progress_->Cancel.load(std::memory_order_relaxed); }

    CleanPlan& plan_;
    PlanProgress* progress_;
    std::unordered_set<std::string> recorded_;
};

// Decides the request's run and returns its plan; nothing is removed. The request's own sink
// is ignored.
CleanPlan PlanCleaning(CleanRequest request, PlanProgress* progress = nullptr);

} // namespace aw
