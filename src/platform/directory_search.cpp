#include "platform/directory_search.h"

namespace aw {

DirectorySearch::DirectorySearch(const std::string& pattern)
    : handle_(FindFirstFileA(pattern.c_str(), &data_))
{
    found_ = static_cast<bool>(handle_);
}

bool DirectorySearch::next()
{
    found_ = found_ && FindNextFileA(handle_.Get(), &data_) != FALSE;
    if (!found_)
        handle_.Reset();
    return found_;
}

} // namespace aw
