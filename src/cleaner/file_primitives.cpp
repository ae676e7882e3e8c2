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

bool RemoveFileAt(const std::string& path, std::int64_t size, CleanSink& sink)
{
    DWORD attributes = FileAttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    std::string folder, name;
    if (!SplitFilePath(path, folder, name))
        return false;
    return sink.removeFile(FolderAnchor(folder), path, name, attributes, size) == Removal::Removed;
}

} // namespace

bool DeleteFileNow(const std::string& path, CleanSink& sink)
{
    return RemoveFileAt(path, FileSizeOf(path), sink);
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
    std::int64_t size = FileSizeOf(path);
    if (!RemoveFileAt(path, size, sink))
        return false;
    counters.FilesDeleted += 1;
    counters.BytesCleaned += size;
    return true;
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
    for (DirectorySearch search(base + mask); search.found(); search.next()) {
        // Sub-folders are not files: they stay, uncounted.
        if (search.isDirectory())
            continue;
        const std::string name = search.name();
        if (!MatchesMask(name, mask) || (!keep.empty() && MatchesMask(name, keep)))
            continue;
        const std::string path = base + name;
        if (!FitsPathLimit(path))
            continue;
        if (sink.removeFile(anchor, path, name, search.attributes(), search.size()) == Removal::Removed) {
            counters.FilesDeleted += 1;
            counters.BytesCleaned += search.size();
        }
    }
}

} // namespace aw
