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

namespace {

// A path the system answers about another: `ask(path, buffer, size)` writes it and gives its
// length, or the size it needs (terminator included) when the buffer is too small, or 0 on
// failure. The answer in UTF-8; empty when the system does not give one.
template <typename Ask>
std::string PathAnswer(const std::string& path, Ask ask)
{
    std::optional<std::wstring> wide = path.empty() ? std::nullopt : WideFromUtf8(path);
    if (!wide)
        return std::string();
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    // A second answer that does not fit either means the path changed meanwhile.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = ask(wide->c_str(), buffer.data(), size);
        if (length == 0)
            return std::string();
        if (length < size)
            return Utf8FromWide(std::wstring_view(buffer.data(), length));
        buffer.resize(length + 1);
    }
    return std::string();
}

} // namespace

std::string FullPathOf(const std::string& path)
{
    return PathAnswer(path, [](const wchar_t* wide, wchar_t* buffer, DWORD size) {
        return GetFullPathNameW(wide, size, buffer, nullptr);
    });
}

std::string LongPathOf(const std::string& path)
{
    return PathAnswer(path, [](const wchar_t* wide, wchar_t* buffer, DWORD size) {
        return GetLongPathNameW(wide, buffer, size);
    });
}

} // namespace aw
