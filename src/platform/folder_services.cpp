#include "platform/folder_services.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

namespace aw {

namespace {

// Calls that fill a MAX_PATH buffer and return the length, 0 on failure, or the size they
// need when the buffer is too small. A result that did not fit is no folder at all.
template <typename Call>
std::string FromPathCall(Call call)
{
    char buffer[MAX_PATH + 1] = {};
    UINT length = call(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(buffer, length);
}

thread_local SpecialFolderScope* t_scope = nullptr;

// The folder's path as the shell knows it now. Asking for the path directly gives the same
// answer as asking for the folder's item list and then for the list's path (a folder that does
// not exist, or has no path, is no folder either way), without the item list, whose handling
// loads the COM libraries at the first call: a start-up cost of several milliseconds.
std::string AskShell(int csidl)
{
    char buffer[MAX_PATH + 1] = {};
    if (SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK)
        return std::string();
    return std::string(buffer, strnlen(buffer, MAX_PATH));
}

} // namespace

SpecialFolderScope::SpecialFolderScope() : outermost_(t_scope == nullptr)
{
    if (outermost_)
        t_scope = this;
}

SpecialFolderScope::~SpecialFolderScope()
{
    if (outermost_ && t_scope == this)
        t_scope = nullptr;
}

std::string GetSpecialFolder(int csidl)
{
    if (!t_scope)
        return AskShell(csidl);
    auto known = t_scope->answers_.find(csidl);
    if (known == t_scope->answers_.end())
        known = t_scope->answers_.emplace(csidl, AskShell(csidl)).first;
    return known->second;
}

std::string GetWindowsFolder()
{
    return FromPathCall([](char* b, UINT n) { return GetWindowsDirectoryA(b, n); });
}

std::string GetSystemFolder()
{
    return FromPathCall([](char* b, UINT n) { return GetSystemDirectoryA(b, n); });
}

std::string GetTempFolder()
{
    return FromPathCall([](char* b, UINT n) { return static_cast<UINT>(GetTempPathA(n, b)); });
}

std::string GetExePath()
{
    std::vector<char> buffer(MAX_PATH + 1, '\0');
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0)
            return std::string();
        if (length < size)
            return std::string(buffer.data(), length);
        if (buffer.size() >= 32768)
            return std::string();
        buffer.assign(buffer.size() * 2, '\0');
    }
}

std::string GetExeFolder()
{
    // A folder that does not fit the ANSI calls' limit is no folder to keep files in.
    std::string path = GetExePath();
    if (path.empty() || path.size() >= MAX_PATH)
        return std::string();
    auto slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace aw
