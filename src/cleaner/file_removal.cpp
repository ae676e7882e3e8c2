#include "cleaner/file_removal.h"

#include "cleaner/path_rules.h"
#include "platform/handle.h"

namespace aw {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The system's own name of an open file or folder, every link on the way resolved, in the
// kernel's form ("\\??\\C:\\..." under Wine, "\\Device\\HarddiskVolume2\\..." on Windows): the
// volume is part of it. ntdll's object-name query answers at the cost of one request;
// GetFinalPathNameByHandleA asks the same and then searches every drive letter for the volume,
// which would make it the dearest step of deleting a file. It is the fallback.
using QueryObjectFn = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
constexpr int kObjectNameInformation = 1;
// Room for the longest name the query buffer can hold, in the widest multibyte form.
constexpr std::size_t kResolvedNameChars = 2 * (MAX_PATH + 64);

struct CountedName {  // the kernel's UNICODE_STRING, followed by its characters
    USHORT Length;
    USHORT MaximumLength;
    wchar_t* Buffer;
};

QueryObjectFn ObjectNameQuery()
{
    static const QueryObjectFn query = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return ntdll ? reinterpret_cast<QueryObjectFn>(GetProcAddress(ntdll, "NtQueryObject")) : nullptr;
    }();
    return query;
}

// The kernel's name of an open file or folder, converted into `out`; the view is empty when
// the system does not answer or the name does not fit. No allocation: the walk asks once per
// file.
std::string_view ResolvedName(HANDLE handle, char (&out)[kResolvedNameChars])
{
    if (QueryObjectFn query = ObjectNameQuery()) {
        alignas(CountedName) char buffer[sizeof(CountedName) + (MAX_PATH + 64) * sizeof(wchar_t)];
        ULONG returned = 0;
        if (query(handle, kObjectNameInformation, buffer, sizeof buffer, &returned) < 0)
            return {};
        const auto* name = reinterpret_cast<const CountedName*>(buffer);
        const int length = name->Length / static_cast<int>(sizeof(wchar_t));
        if (length <= 0)
            return {};
        const int size = WideCharToMultiByte(CP_ACP, 0, name->Buffer, length, out, sizeof out, nullptr, nullptr);
        return size > 0 ? std::string_view(out, static_cast<std::size_t>(size)) : std::string_view();
    }
    DWORD length = GetFinalPathNameByHandleA(handle, out, sizeof out, FILE_NAME_NORMALIZED | VOLUME_NAME_NT);
    if (length == 0 || length >= sizeof out)
        return {};
    return std::string_view(out, length);
}

// Opens the entry itself: with the reparse flag, a Windows link is opened rather than its
// target (Wine ignores the flag for file links, which the name check then catches).
UniqueHandle OpenEntry(const std::string& path, DWORD access)
{
    return UniqueHandle(
        CreateFileA(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
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
    UniqueHandle handle(CreateFileA(folder.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    char name[kResolvedNameChars];
    if (handle)
        resolved_ = std::string(ResolvedName(handle.Get(), name));
}

bool FolderAnchor::Holds(HANDLE entry, std::string_view name) const
{
    char resolved[kResolvedNameChars];
    return valid() && IsEntryOfFolder(resolved_, name, ResolvedName(entry, resolved));
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
