#pragma once
// The record of a Clean: every entry the run decided on, in the preview's terms, with what
// became of it.
#include "cleaner/clean_plan.h"
#include "cleaner/clean_sink.h"

#include <vector>

namespace aw {

enum class EntryResult { Removed, InUse, Denied, Gone, Refused, Left };

// The word a log file uses for a result: "removed", "in use", "denied", "gone", "refused", "left".
const char* EntryResultName(EntryResult result);

struct CleanLog {
    CleanPlan Plan;                   // the entries, as a preview lists them
    std::vector<EntryResult> Results; // one per entry of the plan

    // The entries that are still there, with why.
    std::vector<std::size_t> EntriesLeft() const;
};

// Removes through another sink and writes down each entry it was handed and its result, or
// only those that are still there. Links and other entries the safety rules refuse are
// recorded as refused; a database cleaned in place only when it was changed or had to be left.
enum class Recording { EveryEntry, EntriesLeft };

class RecordingSink final : public CleanSink {
public:
    RecordingSink(CleanSink& removing, CleanLog& log, Recording recording)
        : removing_(removing), log_(log), recording_(recording)
    {
    }

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
    void keepSiteStorage(const std::string& path) override { removing_.keepSiteStorage(path); }
    bool stopping() const override { return removing_.stopping(); }

private:
    void add(PlanKind kind, const std::string& path, std::int64_t bytes, EntryResult result);
    // A store cleaned around the kept sites: its rows removed, or -1 when it was left whole.
    void addStore(const std::string& path, std::int64_t rows);

    CleanSink& removing_;
    CleanLog& log_;
    Recording recording_;
};

} // namespace aw
