#include "cleaner/file_primitives.h"

#include "cleaner/file_removal.h"
#include "cleaner/path_rules.h"
#include "platform/directory_search.h"
#include "platform/file_system.h"

#include <windows.h>

namespace aw {

bool IsOwnFile(const std::string& path)
{
    std::string folder, name;
    return FileExists(path) && SplitFilePath(path, folder, name) && IsOwnEntry(FolderAnchor(folder), path, name);
}

std::int64_t FileSizeOf(const std::string& path)
{
    if (path.empty() || !FitsPathLimit(path))
        return 0;
    DirectorySearch search(path);
    return search.found() ? search.size() : 0;
}

namespace {

Removal RemoveFileAt(const std::string& path, std::int64_t size, CleanSink& sink)
{
    DWORD attributes = FileAttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Removal::Gone;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return Removal::NotOwnEntry;
    std::string folder, name;
    if (!SplitFilePath(path, folder, name))
        return Removal::NotOwnEntry;
    return sink.removeFile(FolderAnchor(folder), path, name, attributes, size);
}

} // namespace

void CountRemoval(Removal removal, std::int64_t size, CleanCounters& counters)
{
    if (removal == Removal::Removed) {
        counters.FilesDeleted += 1;
        counters.BytesCleaned += size;
    } else if (LeavesFile(removal)) {
        counters.countLeft(removal == Removal::InUse);
    }
}

bool DeleteFileNow(const std::string& path, CleanSink& sink)
{
    return RemoveFileAt(path, FileSizeOf(path), sink) == Removal::Removed;
}

bool DeleteFileAtReboot(const std::string& path)
{
    if (!FileExists(path))
        return false;
    // Whatever sits at the path at the next start is deleted then; a link is never registered.
    std::string folder, name;
    if (!SplitFilePath(path, folder, name) || !IsOwnEntry(FolderAnchor(folder), path, name))
        return false;
    return DeleteAtNextStart(path);
}

bool DeleteTraceFile(const std::string& path, CleanCounters& counters, CleanSink& sink)
{
    if (!FileExists(path))
        return false;
    const std::int64_t size = FileSizeOf(path);
    const Removal removal = RemoveFileAt(path, size, sink);
    CountRemoval(removal, size, counters);
    return removal == Removal::Removed;
}

void DeleteDatabaseFiles(const std::string& path, CleanCounters& counters, CleanSink& sink)
{
    // The companions go only when the database goes, or when there was none.
    if (!DeleteTraceFile(path, counters, sink) && FileExists(path))
        return;
    for (const char* companion : {"-wal", "-shm", "-journal"})
        DeleteTraceFile(path + companion, counters, sink);
}

void DeleteFilesInFolder(const std::string& folder, const std::string& mask, CleanCounters& counters,
                         CleanSink& sink)
{
    DeleteFilesInFolderKeeping(folder, mask, std::string(), counters, sink);
}

void DeleteFilesInFolderKeeping(const std::string& folder, const std::string& mask, const std::string& keep,
                                CleanCounters& counters, CleanSink& sink)
{
    if (!IsSafeFolderTarget(folder) || !IsPlainMask(mask) || (!keep.empty() && !IsPlainMask(keep)))
        return;
    const std::string base = WithTrailingBackslash(folder);
    if (!FitsPathLimit(base + mask))
        return;
    const FolderAnchor anchor(base);
    if (!anchor.valid())
        return;
    for (DirectorySearch search(base + mask); search.found() && !sink.stopping(); search.next()) {
        // Sub-folders are not files: they stay, uncounted.
        if (search.isDirectory())
            continue;
        const std::string name = search.name();
        if (!MatchesMask(name, mask) || (!keep.empty() && MatchesMask(name, keep)))
            continue;
        const std::string path = base + name;
        if (!FitsPathLimit(path))
            continue;
        CountRemoval(sink.removeFile(anchor, path, name, search.attributes(), search.size()), search.size(),
                     counters);
    }
}

} // namespace aw
