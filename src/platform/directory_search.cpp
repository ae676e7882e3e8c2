#include "platform/directory_search.h"

#include "platform/wide_text.h"

namespace aw {

DirectorySearch::DirectorySearch(const std::string& pattern)
{
    if (std::optional<std::wstring> wide = WidePath(pattern))
        handle_.Reset(FindFirstFileW(wide->c_str(), &data_));
    found_ = static_cast<bool>(handle_);
    takeEntry();
}

bool DirectorySearch::next()
{
    found_ = found_ && FindNextFileW(handle_.Get(), &data_) != FALSE;
    if (!found_)
        handle_.Reset();
    takeEntry();
    return found_;
}

void DirectorySearch::takeEntry()
{
    if (found_)
        name_ = Utf8FromWide(data_.cFileName);
    else
        name_.clear();
}

} // namespace aw
