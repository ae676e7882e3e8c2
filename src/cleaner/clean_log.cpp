#include "cleaner/clean_log.h"

#include "cleaner/path_rules.h"
#include "cleaner/registry_primitives.h"

namespace aw {

namespace {

EntryResult ResultOf(Removal removal)
{
    switch (removal) {
    case Removal::Removed: return EntryResult::Removed;
    case Removal::InUse: return EntryResult::InUse;
    case Removal::Denied: return EntryResult::Denied;
    case Removal::Gone: return EntryResult::Gone;
    case Removal::NotOwnEntry: return EntryResult::Refused;
    case Removal::Failed: return EntryResult::Left;
    }
    return EntryResult::Left;
}

} // namespace

const char* EntryResultName(EntryResult result)
{
    switch (result) {
    case EntryResult::Removed: return "removed";
    case EntryResult::InUse: return "in use";
    case EntryResult::Denied: return "denied";
    case EntryResult::Gone: return "gone";
    case EntryResult::Refused: return "refused";
    case EntryResult::Left: return "left";
    }
    return "";
}

std::vector<std::size_t> CleanLog::EntriesLeft() const
{
    std::vector<std::size_t> left;
    for (std::size_t i = 0; i < Results.size(); ++i)
        if (Results[i] != EntryResult::Removed && Results[i] != EntryResult::Gone)
            left.push_back(i);
    return left;
}

void RecordingSink::add(PlanKind kind, const std::string& path, std::int64_t bytes, EntryResult result)
{
    if (recording_ == Recording::EntriesLeft && (result == EntryResult::Removed || result == EntryResult::Gone))
        return;
    // Entries before any category (a primitive run on its own) go to an unnamed one.
    if (log_.Plan.Categories.empty())
        log_.Plan.Categories.push_back({});
    log_.Plan.Entries.push_back({log_.Plan.Categories.size() - 1, kind, CollapseDoubledBackslashes(path), bytes});
    log_.Results.push_back(result);
}

void RecordingSink::beginCategory(std::string_view group, std::string_view category)
{
    log_.Plan.Categories.push_back({std::string(group), std::string(category)});
    removing_.beginCategory(group, category);
}

Removal RecordingSink::removeFile(const FolderAnchor& folder, const std::string& path, std::string_view name,
                                  DWORD attributes, std::int64_t size)
{
    const Removal removal = removing_.removeFile(folder, path, name, attributes, size);
    add(PlanKind::File, path, size, ResultOf(removal));
    return removal;
}

bool RecordingSink::removeFolder(const std::string& path)
{
    const bool removed = removing_.removeFolder(path);
    add(PlanKind::Folder, path, 0, removed ? EntryResult::Removed : EntryResult::Left);
    return removed;
}

bool RecordingSink::removeKey(HKEY root, const std::string& keyPath)
{
    const bool removed = removing_.removeKey(root, keyPath);
    if (removed)
        add(PlanKind::Key, ShownKeyPath(root, keyPath), 0, EntryResult::Removed);
    else if (!stopping() && RegKeyLeft(root, keyPath))
        add(PlanKind::Key, ShownKeyPath(root, keyPath), 0, EntryResult::Denied);
    return removed;
}

bool RecordingSink::removeValue(HKEY root, const std::string& valuePath)
{
    const bool removed = removing_.removeValue(root, valuePath);
    if (removed)
        add(PlanKind::Value, ShownKeyPath(root, valuePath), 0, EntryResult::Removed);
    else if (!stopping() && RegValueLeft(root, valuePath))
        add(PlanKind::Value, ShownKeyPath(root, valuePath), 0, EntryResult::Denied);
    return removed;
}

void RecordingSink::cleanDatabase(DatabaseClean clean, const std::string& path, CleanCounters& counters)
{
    const CleanCounters before = counters;
    removing_.cleanDatabase(clean, path, counters);
    if (counters.ItemsLeftInUse > before.ItemsLeftInUse)
        add(PlanKind::Special, path, 0, EntryResult::InUse);
    else if (counters.ItemsLeft > before.ItemsLeft)
        add(PlanKind::Special, path, 0, EntryResult::Left);
    else if (counters.FilesDeleted > before.FilesDeleted)
        add(PlanKind::Special, path, 0, EntryResult::Removed);
}

void RecordingSink::addStore(const std::string& path, std::int64_t rows)
{
    if (rows < 0)
        add(PlanKind::Special, path, 0, EntryResult::Left);
    else if (rows > 0)
        add(PlanKind::Rows, path, 0, EntryResult::Removed);
    if (rows > 0 && !log_.Plan.Entries.empty() && log_.Plan.Entries.back().Kind == PlanKind::Rows)
        log_.Plan.Entries.back().Rows = rows;
}

std::int64_t RecordingSink::cleanSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep,
                                              CleanCounters& counters)
{
    const std::int64_t rows = removing_.cleanSiteDatabase(database, path, keep, counters);
    addStore(path, rows);
    return rows;
}

std::int64_t RecordingSink::cleanLocalStorage(const std::string& folder, const KeepList& keep, CleanCounters& counters)
{
    const std::int64_t rows = removing_.cleanLocalStorage(folder, keep, counters);
    addStore(folder, rows);
    return rows;
}

void RecordingSink::runSystemAction(SystemAction action, HWND owner)
{
    removing_.runSystemAction(action, owner);
    add(PlanKind::Special, action == SystemAction::RecycleBin ? "Recycle Bin" : "Clipboard", 0, EntryResult::Removed);
}

} // namespace aw
