#pragma once
// Where a cleaning run sends what it has decided to remove. The run finds and tests every
// entry itself; the sink either removes it (a Clean) or writes it down (a preview), so that
// both follow exactly the same decisions.
#include "cleaner/clean_counters.h"
#include "cleaner/database_clean.h"
#include "cleaner/file_removal.h"
#include "cleaner/keep_list.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace aw {

// The in-place cleans of a browser database.
enum class DatabaseClean { PlacesHistory, PlacesDownloads, AutofillHistory };

// The two actions without a location.
enum class SystemAction { RecycleBin, Clipboard };

class CleanSink {
public:
    virtual ~CleanSink() = default;

    // The category whose entries follow, in tree order.
    virtual void beginCategory(std::string_view group, std::string_view category) = 0;
    // The entry `name` of the anchored folder, found at path with these attributes and size.
    virtual Removal removeFile(const FolderAnchor& folder, const std::string& path, std::string_view name,
                               DWORD attributes, std::int64_t size) = 0;
    // A sub-folder of a tree once its content is gone, or a link to a folder (only the link).
    virtual bool removeFolder(const std::string& path) = 0;
    virtual bool removeKey(HKEY root, const std::string& keyPath) = 0;
    virtual bool removeValue(HKEY root, const std::string& valuePath) = 0;
    virtual void cleanDatabase(DatabaseClean clean, const std::string& path, CleanCounters& counters) = 0;
    virtual void runSystemAction(SystemAction action, HWND owner) = 0;
    // True once the run has been asked to stop: the entry in hand is finished, no other is begun.
    virtual bool stopping() const { return false; }

    // With sites to keep: a database of every site's cookies or storage, cleaned of the rows of
    // the sites not kept. The rows removed; -1 when it was left whole.
    virtual std::int64_t cleanSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep,
                                           CleanCounters& counters) = 0;
    // Chromium's Local Storage database (the "leveldb" folder), cleaned of the entries of the
    // sites not kept. The entries removed; -1 when it was left whole.
    virtual std::int64_t cleanLocalStorage(const std::string& folder, const KeepList& keep,
                                           CleanCounters& counters) = 0;
    // A kept site's storage, or a store left whole because a kept site's data may be in it.
    virtual void keepSiteStorage(const std::string& path) = 0;
};

// What a run has got through so far, written by the worker and read by the window while it
// runs. Every file removed counts, at any depth.
struct CleanProgress {
    std::atomic<int> Category{-1}; // the identity of the category under way (IndexOf), or -1
    std::atomic<std::int32_t> Files{0};
    std::atomic<std::int64_t> Bytes{0};
    // Set by the window to stop the run after the entry in hand (the program is closing).
    std::atomic<bool> Stop{false};
};

// The sink of a Clean: removes everything it is handed.
class DeletingSink final : public CleanSink {
public:
    explicit DeletingSink(CleanProgress* progress = nullptr) : progress_(progress) {}

    void beginCategory(std::string_view, std::string_view) override {}
    Removal removeFile(const FolderAnchor& folder, const std::string& path, std::string_view name,
                       DWORD attributes, std::int64_t size) override;
    bool removeFolder(const std::string& path) override;
    bool removeKey(HKEY root, const std::string& keyPath) override;
    bool removeValue(HKEY root, const std::string& valuePath) override;
    void cleanDatabase(DatabaseClean clean, const std::string& path, CleanCounters& counters) override;
    void runSystemAction(SystemAction action, HWND owner) override;
    bool stopping() const override { return progress_ && progress_->Stop.load(std::memory_order_relaxed); }
    std::int64_t cleanSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep,
                                   CleanCounters& counters) override;
    std::int64_t cleanLocalStorage(const std::string& folder, const KeepList& keep, CleanCounters& counters) override;
    void keepSiteStorage(const std::string&) override {}

private:
    CleanProgress* progress_;
};

// The sink every primitive removes through unless it is given another: deletes, reports nothing.
CleanSink& DefaultSink();

// A registry key tree or value removed through the sink and counted: removed, or left when it
// is still there afterwards (the user may not change it). One that is absent, or that the
// safety rules refuse, counts nothing.
void RemoveKeyCounted(CleanSink& sink, HKEY root, const std::string& keyPath, CleanCounters& counters);
void RemoveValueCounted(CleanSink& sink, HKEY root, const std::string& valuePath, CleanCounters& counters);

} // namespace aw
