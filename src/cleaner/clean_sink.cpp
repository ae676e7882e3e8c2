#include "cleaner/clean_sink.h"

#include "cleaner/database_clean.h"
#include "cleaner/file_primitives.h"
#include "cleaner/local_storage_leveldb.h"
#include "cleaner/registry_primitives.h"
#include "cleaner/system_actions.h"
#include "platform/file_system.h"

namespace aw {

Removal DeletingSink::removeFile(const FolderAnchor& folder, const std::string& path, std::string_view name,
                                 DWORD attributes, std::int64_t size)
{
    const Removal removal = RemoveFoundFile(folder, path, name, attributes);
    if (progress_ && removal == Removal::Removed) {
        progress_->Files.fetch_add(1, std::memory_order_relaxed);
        progress_->Bytes.fetch_add(size, std::memory_order_relaxed);
    }
    return removal;
}

bool DeletingSink::removeFolder(const std::string& path)
{
    return RemoveFolder(path);
}

bool DeletingSink::removeKey(HKEY root, const std::string& keyPath)
{
    return RegRemoveKeyTree(root, keyPath);
}

bool DeletingSink::removeValue(HKEY root, const std::string& valuePath)
{
    return RegRemoveValue(root, valuePath);
}

void DeletingSink::cleanDatabase(DatabaseClean clean, const std::string& path, CleanCounters& counters)
{
    switch (clean) {
    case DatabaseClean::PlacesHistory: CleanPlacesHistory(path, counters); break;
    case DatabaseClean::PlacesDownloads: CleanPlacesDownloads(path, counters); break;
    case DatabaseClean::AutofillHistory: CleanAutofillHistory(path, counters); break;
    }
}

void DeletingSink::runSystemAction(SystemAction action, HWND owner)
{
    if (action == SystemAction::RecycleBin)
        EmptyRecycleBins(owner);
    else
        ClearClipboard(owner);
}

std::int64_t DeletingSink::cleanSiteDatabase(SiteDatabase database, const std::string& path, const KeepList& keep,
                                             CleanCounters& counters)
{
    return CleanSiteDatabase(database, path, keep, counters);
}

std::int64_t DeletingSink::cleanLocalStorage(const std::string& folder, const KeepList& keep, CleanCounters& counters)
{
    const LocalStorageClean clean = CleanLocalStorage(folder, keep);
    switch (clean.Outcome) {
    case LocalStorageOutcome::Cleaned:
        counters.FilesDeleted += 1;
        if (clean.FileBytesBefore > clean.FileBytesAfter)
            counters.BytesCleaned += static_cast<std::int64_t>(clean.FileBytesBefore - clean.FileBytesAfter);
        return static_cast<std::int64_t>(clean.EntriesRemoved);
    case LocalStorageOutcome::NoDatabase:
    case LocalStorageOutcome::NothingToRemove:
        return 0;
    default:
        return -1;
    }
}

CleanSink& DefaultSink()
{
    static DeletingSink sink;
    return sink;
}

void RemoveKeyCounted(CleanSink& sink, HKEY root, const std::string& keyPath, CleanCounters& counters)
{
    if (sink.removeKey(root, keyPath))
        counters.RegistryKeysDeleted += 1;
    else if (!sink.stopping() && RegKeyLeft(root, keyPath))
        counters.countLeft(false);
}

void RemoveValueCounted(CleanSink& sink, HKEY root, const std::string& valuePath, CleanCounters& counters)
{
    if (sink.removeValue(root, valuePath))
        counters.RegistryKeysDeleted += 1;
    else if (!sink.stopping() && RegValueLeft(root, valuePath))
        counters.countLeft(false);
}

} // namespace aw
