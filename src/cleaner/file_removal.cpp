#include "cleaner/file_removal.h"

namespace aw {

bool RemoveFoundFile(const std::string& path, DWORD attributes)
{
    // Most files delete at the first attempt; trying first saves a SetFileAttributesA per file
    // on caches of many thousand entries.
    if (DeleteFileA(path.c_str()))
        return true;
    constexpr DWORD kBlocking = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if ((attributes & kBlocking) == 0)
        return false;
    if (!SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL))
        return false;
    if (DeleteFileA(path.c_str()))
        return true;
    constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    SetFileAttributesA(path.c_str(), attributes & kSettable);
    return false;
}

} // namespace aw
