#include "cleaner/clean_plan.h"

#include "cleaner/file_primitives.h"
#include "cleaner/local_storage_leveldb.h"
#include "cleaner/path_rules.h"
#include "cleaner/registry_paths.h"
#include "platform/registry_key.h"
#include "platform/text.h"

#include <algorithm>

namespace aw {

const char* PlanKindName(PlanKind kind)
{
    switch (kind) {
    case PlanKind::File: return "file";
    case PlanKind::Folder: return "folder";
    case PlanKind::Key: return "key";
    case PlanKind::Value: return "value";
    case PlanKind::Special: return "special";
    case PlanKind::Rows: return "rows";
    case PlanKind::Kept: return "kept";
    }
    return "";
}

std::int64_t CleanPlan::TotalBytes() const
{
    std::int64_t total = 0;
    for (const PlanEntry& entry : Entries)
        total += entry.Bytes;
    return total;
}

void PlanRecorder::beginCategory(std::string_view group, std::string_view category)
{
    plan_.Categories.push_back({std::string(group), std::string(category)});
}

std::string ShownKeyPath(HKEY root, const std::string& path)
{
    static const struct {
        HKEY Root;
        const char* Name;
    } kRoots[] = {
        {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"}, {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
        {HKEY_USERS, "HKEY_USERS"},               {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
    };
    for (const auto& known : kRoots)
        if (known.Root == root)
            return std::string(known.Name) + "\\" + path;
    return path;
}

bool PlanRecorder::add(PlanKind kind, const std::string& path, std::int64_t bytes, std::int64_t rows)
{
    if (cancelled())
        return false;
    // Paths and keys compare case-insensitively, separators collapsed; the kind keeps a key
    // and a value of the same text apart.
    std::string identity = AsciiLower(CollapseDoubledBackslashes(path));
    identity.insert(identity.begin(), static_cast<char>('0' + static_cast<int>(kind)));
    if (!recorded_.insert(std::move(identity)).second)
        return false;
    // Entries before any category (a primitive run on its own) go to an unnamed one.
    if (plan_.Categories.empty())
        plan_.Categories.push_back({});
    // Locations are joined with doubled separators; the plan shows the path as the system names it.
    plan_.Entries.push_back({plan_.Categories.size() - 1, kind, CollapseDoubledBackslashes(path), bytes, rows});
    if (progress_)
        progress_->Found.fetch_add(1, std::memory_order_relaxed);
    return true;
}

Removal PlanRecorder::removeFile(const FolderAnchor& folder, const std::string& path, std::string_view name,
                                 DWORD attributes, std::int64_t size)
{
    if (cancelled())
        return Removal::NotOwnEntry;
    // The same refusals as the removal itself, without opening the file for deletion.
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) || !IsOwnEntry(folder, path, name))
        return Removal::NotOwnEntry;
    return add(PlanKind::File, path, size) ? Removal::Removed : Removal::NotOwnEntry;
}

bool PlanRecorder::removeFolder(const std::string& path)
{
    return add(PlanKind::Folder, path, 0);
}

bool PlanRecorder::removeKey(HKEY root, const std::string& keyPath)
{
    if (cancelled())
        return false;
    if (!IsDeletableKeyPath(keyPath) || !RegKeyExists(root, keyPath))
        return false;
    return add(PlanKind::Key, ShownKeyPath(root, keyPath), 0);
}

bool PlanRecorder::removeValue(HKEY root, const std::string& valuePath)
{
    if (cancelled())
        return false;
    if (!RegValueExists(root, valuePath))
        return false;
    return add(PlanKind::Value, ShownKeyPath(root, valuePath), 0);
}

void PlanRecorder::cleanDatabase(DatabaseClean, const std::string& path, CleanCounters&)
{
    // Cleaned in place: the file stays, its traces go. A database that is a link is left
    // alone by the clean.
    if (!cancelled() && IsOwnFile(path))
        add(PlanKind::Special, path, 0);
}

void PlanRecorder::runSystemAction(SystemAction action, HWND)
{
    add(PlanKind::Special, action == SystemAction::RecycleBin ? "Recycle Bin" : "Clipboard", 0);
}

std::int64_t PlanRecorder::cleanSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep,
                                             CleanCounters&)
{
    if (cancelled())
        return -1;
    // Worked out on a copy; a database with nothing to remove is not listed.
    const SiteDatabaseForecast forecast = ForecastSiteDatabase(database, path, keep);
    if (!forecast.Read)
        return -1;
    if (forecast.Removed > 0)
        add(PlanKind::Rows, path, forecast.ShrinkBytes, forecast.Removed);
    return forecast.Removed;
}

std::int64_t PlanRecorder::cleanLocalStorage(const std::string& folder, const KeepList& keep, CleanCounters&)
{
    if (cancelled())
        return -1;
    const LocalStorageSurvey survey = SurveyLocalStorage(folder, keep);
    if (survey.Outcome == LocalStorageOutcome::NoDatabase)
        return 0;
    if (survey.Outcome != LocalStorageOutcome::Read) {
        // Not read: the clean leaves it whole too.
        add(PlanKind::Kept, folder, 0);
        return -1;
    }
    std::int64_t entries = 0;
    std::int64_t bytes = 0;
    for (const LocalStorageSite& site : survey.Sites)
        if (!site.Kept) {
            entries += static_cast<std::int64_t>(site.Entries);
            bytes += static_cast<std::int64_t>(site.Bytes);
        }
    if (entries > 0)
        add(PlanKind::Rows, folder, bytes, entries);
    return entries;
}

void PlanRecorder::keepSiteStorage(const std::string& path)
{
    add(PlanKind::Kept, path, 0);
}

CleanPlan PlanCleaning(CleanRequest request, PlanProgress* progress)
{
    CleanPlan plan;
    PlanRecorder recorder(plan, progress);
    request.Sink = &recorder;
    request.Progress = nullptr;
    CleanCounters counters;
    plan.Failures = RunCleaning(request, counters);
    return plan;
}

} // namespace aw
