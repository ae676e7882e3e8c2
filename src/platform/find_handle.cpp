#include "platform/find_handle.h"

namespace aw {

void FindHandle::reset(HANDLE handle)
{
    if (valid())
        FindClose(handle_);
    handle_ = handle;
}

DirectorySearch::DirectorySearch(const std::string& pattern)
    : handle_(FindFirstFileA(pattern.c_str(), &data_))
{
    found_ = handle_.valid();
}

bool DirectorySearch::next()
{
    found_ = found_ && FindNextFileA(handle_.get(), &data_) != FALSE;
    if (!found_)
        handle_.reset();
    return found_;
}

} // namespace aw
