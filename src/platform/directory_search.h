#pragma once
// Directory searches (FindFirstFileW / FindNextFileW) whose find handle is always closed.
// Patterns and names are UTF-8; a long pattern is searched in the "\\?\" form.
#include "platform/handle.h"

#include <windows.h>

#include <string>

namespace aw {

// One search over a pattern such as "C:\folder\*.*". Usage:
//   for (DirectorySearch s(pattern); s.found(); s.next()) { use s.name(); }
// The platform returns every kind of entry (hidden, system, read-only, directories); callers
// filter what they need.
class DirectorySearch {
public:
    explicit DirectorySearch(const std::string& pattern);

    bool found() const { return found_; }
    // The entry's name exactly as the system holds it, whatever the code page.
    const std::string& name() const { return name_; }
    DWORD attributes() const { return data_.dwFileAttributes; }
    bool isDirectory() const { return (data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    // Junctions, symbolic links and mount points: a walk must never enter them.
    bool isReparsePoint() const { return (data_.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }
    long long size() const
    {
        return static_cast<long long>((static_cast<unsigned long long>(data_.nFileSizeHigh) << 32) |
                                      data_.nFileSizeLow);
    }

    // Moves to the next entry; false (and found() false) at the end.
    bool next();

private:
    void takeEntry();

    WIN32_FIND_DATAW data_{};
    UniqueFindHandle handle_;
    std::string name_;
    bool found_ = false;
};

} // namespace aw
