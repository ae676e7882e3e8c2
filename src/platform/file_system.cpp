#include "platform/file_system.h"

#include "platform/directory_search.h"
#include "platform/wide_text.h"

#include <vector>

namespace aw {

DWORD FileAttributesOf(const std::string& path)
{
    std::optional<std::wstring> wide = path.empty() ? std::nullopt : WidePath(path);
    if (!wide)
        return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesW(wide->c_str());
}

bool PathExists(const std::string& path)
{
    return FileAttributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

bool FileExists(const std::string& path)
{
    DWORD attributes = FileAttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string& path)
{
    DWORD attributes = FileAttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool PlainFolderExists(const std::string& path)
{
    std::string itself = path;
    while (!itself.empty() && (itself.back() == '\\' || itself.back() == '/'))
        itself.pop_back();
    DWORD attributes = FileAttributesOf(itself);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

bool IsFolderEmpty(const std::string& folder)
{
    if (!FolderExists(folder))
        return true;
    const std::string pattern = folder + (folder.back() == '\\' || folder.back() == '/' ? "*.*" : "\\*.*");
    DirectorySearch search(pattern);
    if (!search.found())
        return false;
    for (; search.found(); search.next())
        if (search.name() != "." && search.name() != "..")
            return false;
    return true;
}

bool RemoveFolder(const std::string& path)
{
    std::optional<std::wstring> wide = path.empty() ? std::nullopt : WidePath(path);
    return wide && RemoveDirectoryW(wide->c_str()) != FALSE;
}

bool DeleteAtNextStart(const std::string& path)
{
    std::optional<std::wstring> wide = path.empty() ? std::nullopt : WidePath(path);
    return wide && MoveFileExW(wide->c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

std::string FullPathOf(const std::string& path)
{
    std::optional<std::wstring> wide = path.empty() ? std::nullopt : WideFromUtf8(path);
    if (!wide)
        return std::string();
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    // A second answer that does not fit either means the current folder changed meanwhile.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetFullPathNameW(wide->c_str(), size, buffer.data(), nullptr);
        if (length == 0)
            return std::string();
        if (length < size)
            return Utf8FromWide(std::wstring_view(buffer.data(), length));
        buffer.resize(length + 1); // the size it needs, its terminator included
    }
    return std::string();
}

std::string LongPathOf(const std::string& path)
{
    std::optional<std::wstring> wide = path.empty() ? std::nullopt : WideFromUtf8(path);
    if (!wide)
        return std::string();
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetLongPathNameW(wide->c_str(), buffer.data(), size);
        if (length == 0)
            return std::string();
        if (length < size)
            return Utf8FromWide(std::wstring_view(buffer.data(), length));
        buffer.resize(length + 1);
    }
    return std::string();
}

} // namespace aw
