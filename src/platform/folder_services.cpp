#include "platform/folder_services.h"

#include "platform/wide_text.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace aw {

namespace {

// Calls that fill a buffer and return the length, 0 on failure, or the size they need (their
// terminator included) when the buffer is too small: the buffer grows until the answer fits.
template <typename Call>
std::string FromGrowingCall(Call call)
{
    std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const UINT size = static_cast<UINT>(buffer.size());
        const UINT length = call(buffer.data(), size);
        if (length == 0)
            return std::string();
        if (length < size)
            return Utf8FromWide(std::wstring_view(buffer.data(), length));
        buffer.assign(length + 1, L'\0');
    }
    return std::string();
}

thread_local SpecialFolderScope* t_scope = nullptr;

// The folder's path as the shell knows it now. Asking for the path directly gives the same
// answer as asking for the folder's item list and then for the list's path (a folder that does
// not exist, or has no path, is no folder either way), without the item list, whose handling
// loads the COM libraries at the first call: a start-up cost of several milliseconds. The
// shell's answer is at most MAX_PATH characters: it makes no longer special folders.
std::string AskShell(int csidl)
{
    wchar_t buffer[MAX_PATH + 1] = {};
    if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK)
        return std::string();
    return Utf8FromWide(std::wstring_view(buffer, wcsnlen(buffer, MAX_PATH)));
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
    return FromGrowingCall([](wchar_t* b, UINT n) { return GetWindowsDirectoryW(b, n); });
}

std::string GetSystemFolder()
{
    return FromGrowingCall([](wchar_t* b, UINT n) { return GetSystemDirectoryW(b, n); });
}

std::string GetTempFolder()
{
    return FromGrowingCall([](wchar_t* b, UINT n) { return static_cast<UINT>(GetTempPathW(n, b)); });
}

std::string EnvironmentValue(const std::string& name)
{
    const std::optional<std::wstring> wide = WideFromUtf8(name);
    if (!wide)
        return std::string();
    return FromGrowingCall(
        [&wide](wchar_t* b, UINT n) { return static_cast<UINT>(GetEnvironmentVariableW(wide->c_str(), b, n)); });
}

std::string GetExePath()
{
    // GetModuleFileNameW says nothing of the size it needs: it fills the buffer and cuts.
    std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0)
            return std::string();
        if (length < size)
            return Utf8FromWide(std::wstring_view(buffer.data(), length));
        if (buffer.size() >= 32768)
            return std::string();
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

std::string GetExeFolder()
{
    std::string path = GetExePath();
    auto slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::optional<std::string> LoggedOnUserName()
{
    constexpr DWORD kNameChars = 255;
    wchar_t name[kNameChars] = {};
    DWORD size = kNameChars;
    if (!GetUserNameW(name, &size))
        return std::nullopt;
    return Utf8FromWide(std::wstring_view(name, wcsnlen(name, kNameChars)));
}

} // namespace aw
