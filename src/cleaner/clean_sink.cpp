#include "cleaner/clean_sink.h"

#include "cleaner/database_clean.h"
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

CleanSink& DefaultSink()
{
    static DeletingSink sink;
    return sink;
}

} // namespace aw
