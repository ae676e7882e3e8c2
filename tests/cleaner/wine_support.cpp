#include "cleaner/wine_support.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>

namespace aw::test {

namespace {

constexpr const wchar_t* kPendingKey = L"System\\CurrentControlSet\\Control\\Session Manager";
constexpr const wchar_t* kPendingValue = L"PendingFileRenameOperations";

std::string ParentOf(const std::string& path)
{
    auto slash = path.find_last_of("\\/", path.size() >= 2 ? path.size() - 2 : std::string::npos);
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string TrimSlash(std::string path)
{
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

std::wstring Convert(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), wide.data(),
                            length);
    return wide;
}

} // namespace

std::wstring Wide(const std::string& path)
{
    std::wstring wide = Convert(path);
    const bool drivePath = wide.size() >= 3 && wide[1] == L':' && wide[2] == L'\\';
    if (wide.size() >= 240 && drivePath)
        return L"\\\\?\\" + wide;
    return wide;
}

std::wstring ExactPath(const std::string& path)
{
    return L"\\\\?\\" + Convert(path);
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length, nullptr,
                            nullptr);
    return utf8;
}

void RequireSandbox()
{
    if (GetFileAttributesW(L"Z:\\") != INVALID_FILE_ATTRIBUTES || !std::getenv("AW_SOURCE_DIR")) {
        std::fprintf(stderr, "refusing to run: not inside the test sandbox (drive Z: present or AW_SOURCE_DIR unset)\n");
        std::fflush(stderr);
        std::exit(2);
    }
}

std::string ShellFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path)))
        return std::string();
    return Utf8(path);
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path)
{
    DWORD a = GetFileAttributesW(Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::int64_t SizeOnDisk(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void Seeds::folder(const std::string& path)
{
    std::string folder = TrimSlash(path);
    if (folder.empty() || IsFolder(folder))
        return;
    this->folder(ParentOf(folder));
    if (CreateDirectoryW(Wide(folder).c_str(), nullptr))
        folders_.push_back(folder);
}

void Seeds::file(const std::string& path, std::int64_t size, DWORD attributes)
{
    folder(ParentOf(path));
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER end;
    end.QuadPart = size;
    // Sparse enough for big sizes: only the length matters to the cleaner.
    SetFilePointerEx(h, end, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
    CloseHandle(h);
    if (attributes != FILE_ATTRIBUTE_NORMAL)
        SetFileAttributesW(Wide(path).c_str(), attributes);
    files_.push_back(path);
}

void Seeds::text(const std::string& path, const std::string& content)
{
    folder(ParentOf(path));
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(h);
    files_.push_back(path);
}

// The outermost key of the path that does not exist yet: deleting it removes all a seed made.
static std::string FirstMissingKey(const std::string& path)
{
    for (std::size_t slash = path.find('\\'); ; slash = path.find('\\', slash + 1)) {
        std::string prefix = path.substr(0, slash);
        if (!KeyExists(prefix))
            return prefix;
        if (slash == std::string::npos)
            return std::string();
    }
}

void Seeds::key(const std::string& path)
{
    value(path, "seed", "x");
}

void Seeds::value(const std::string& keyPath, const std::string& name, const std::string& data)
{
    std::string missing = FirstMissingKey(keyPath);
    if (!missing.empty())
        keys_.push_back(missing);
    HKEY k;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Convert(keyPath).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) ==
        ERROR_SUCCESS) {
        const std::wstring text = Convert(data);
        RegSetValueExW(k, Convert(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(k);
    }
}

void Seeds::clean()
{
    for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
        SetFileAttributesW(Wide(*it).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(Wide(*it).c_str());
    }
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it)
        RemoveTree(*it);
    for (auto it = keys_.rbegin(); it != keys_.rend(); ++it)
        SHDeleteKeyW(HKEY_CURRENT_USER, Convert(*it).c_str());
    files_.clear();
    folders_.clear();
    keys_.clear();
}

bool KeyExists(const std::string& path)
{
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Convert(path).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
        return false;
    RegCloseKey(k);
    return true;
}

bool ValueExists(const std::string& keyPath, const std::string& name)
{
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Convert(keyPath).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
        return false;
    bool found = RegQueryValueExW(k, Convert(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(k);
    return found;
}

void EmptyFolder(const std::string& folder)
{
    std::string base = TrimSlash(folder) + "\\";
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(base + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = Utf8(data.cFileName);
        if (name == "." || name == "..")
            continue;
        std::string path = base + name;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            RemoveTree(path);
        } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveDirectoryW(Wide(path).c_str());
        } else {
            SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(Wide(path).c_str());
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

void RemoveTree(const std::string& folder)
{
    DWORD a = GetFileAttributesW(Wide(folder).c_str());
    if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY))
        return;
    if (!(a & FILE_ATTRIBUTE_REPARSE_POINT))
        EmptyFolder(folder);
    RemoveDirectoryW(Wide(folder).c_str());
}

LockedFile::LockedFile(const std::string& path)
    : handle_(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr))
{
}

LockedFile::~LockedFile()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

std::vector<std::string> PendingDeletionsAtReboot()
{
    std::vector<std::string> entries;
    HKEY k;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPendingKey, 0, KEY_READ, &k) != ERROR_SUCCESS)
        return entries;
    DWORD size = 0, type = 0;
    if (RegQueryValueExW(k, kPendingValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && size) {
        std::vector<wchar_t> data(size / sizeof(wchar_t) + 2, L'\0');
        if (RegQueryValueExW(k, kPendingValue, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
            ERROR_SUCCESS) {
            for (const wchar_t* p = data.data(); *p || p[1]; p += wcslen(p) + 1) {
                if (*p)
                    entries.push_back(Utf8(p));
            }
        }
    }
    RegCloseKey(k);
    return entries;
}

void ClearPendingDeletionsAtReboot()
{
    HKEY k;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPendingKey, 0, KEY_WRITE, &k) == ERROR_SUCCESS) {
        RegDeleteValueW(k, kPendingValue);
        RegCloseKey(k);
    }
}

} // namespace aw::test
