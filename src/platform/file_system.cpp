#include "platform/file_system.h"

#include "platform/directory_search.h"

namespace aw {

DWORD FileAttributesOf(const std::string& path)
{
    if (path.empty() || path.size() >= MAX_PATH)
        return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesA(path.c_str());
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
    if (pattern.size() >= MAX_PATH)
        return false;
    DirectorySearch search(pattern);
    if (!search.found())
        return false;
    for (; search.found(); search.next())
        if (search.name() != "." && search.name() != "..")
            return false;
    return true;
}

} // namespace aw
