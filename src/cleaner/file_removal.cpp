#include "cleaner/file_removal.h"

#include "cleaner/path_rules.h"
#include "platform/handle.h"
#include "platform/open_file.h"

namespace aw {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens the entry itself: with the reparse flag, a Windows link is opened rather than its
// target (Wine ignores the flag for file links, which the name check then catches).
UniqueHandle OpenEntry(const std::string& path, DWORD access)
{
    return OpenFile(path, access, kShareAll, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT);
}

bool MarkForDeletion(HANDLE file)
{
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != FALSE;
}

bool SetAttributes(HANDLE file, DWORD attributes)
{
    FILE_BASIC_INFO basic{};  // zero times leave the file's times as they are
    basic.FileAttributes = attributes;
    return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

} // namespace

FolderAnchor::FolderAnchor(const std::string& folder)
{
    if (folder.empty() || !FitsPathLimit(folder))
        return;
    UniqueHandle handle = OpenFile(folder, FILE_READ_ATTRIBUTES, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (handle)
        ResolvedNameOf(handle.Get(), resolved_);
}

bool FolderAnchor::Holds(HANDLE entry, std::string_view name) const
{
    // The walk asks once per file: one buffer per thread keeps its room from file to file.
    thread_local std::string resolved;
    return valid() && ResolvedNameOf(entry, resolved) && IsEntryOfFolder(resolved_, name, resolved);
}

bool IsOwnEntry(const FolderAnchor& folder, const std::string& path, std::string_view name)
{
    UniqueHandle file = OpenEntry(path, FILE_READ_ATTRIBUTES);
    return file && folder.Holds(file.Get(), name);
}

Removal RemoveFoundFile(const FolderAnchor& folder, const std::string& path, std::string_view name, DWORD attributes)
{
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return Removal::NotOwnEntry;
    UniqueHandle file = OpenEntry(path, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES);
    if (!file)
        file = OpenEntry(path, DELETE | FILE_READ_ATTRIBUTES);
    if (!file)
        return Removal::Failed;
    if (!folder.Holds(file.Get(), name))
        return Removal::NotOwnEntry;
    // Most files delete at the first attempt; trying first saves an attribute change per file
    // on caches of many thousand entries. The file goes when the handle closes.
    if (MarkForDeletion(file.Get()))
        return Removal::Removed;
    constexpr DWORD kBlocking = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if ((attributes & kBlocking) == 0 || !SetAttributes(file.Get(), FILE_ATTRIBUTE_NORMAL))
        return Removal::Failed;
    if (MarkForDeletion(file.Get()))
        return Removal::Removed;
    constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    SetAttributes(file.Get(), (attributes & kSettable) ? (attributes & kSettable) : FILE_ATTRIBUTE_NORMAL);
    return Removal::Failed;
}

bool SplitFilePath(const std::string& path, std::string& folder, std::string& name)
{
    const std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos || cut + 1 >= path.size())
        return false;
    folder = path.substr(0, cut + 1);
    name = path.substr(cut + 1);
    return true;
}

} // namespace aw
