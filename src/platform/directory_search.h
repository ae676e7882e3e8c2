#pragma once
// Directory searches (FindFirstFileA / FindNextFileA) whose find handle is always closed.
#include "platform/handle.h"

#include <windows.h>

#include <string>

namespace aw {

// One search over a pattern such as "C:\folder\*.*". Usage:
//   for (DirectorySearch s(pattern); s.found(); s.next()) { use s.entry(); }
// The platform returns every kind of entry (hidden, system, read-only, directories); callers
// filter what they need.
class DirectorySearch {
public:
    explicit DirectorySearch(const std::string& pattern);

    bool found() const { return found_; }
    const WIN32_FIND_DATAA& entry() const { return data_; }
    std::string name() const { return data_.cFileName; }
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
    // Declared first: the search fills it while handle_ is being initialised.
    WIN32_FIND_DATAA data_{};
    UniqueFindHandle handle_;
    bool found_ = false;
};

} // namespace aw
