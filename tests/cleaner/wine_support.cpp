#include "cleaner/wine_support.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>

namespace aw::test {

namespace {

constexpr const char* kPendingKey = "System\\CurrentControlSet\\Control\\Session Manager";
constexpr const char* kPendingValue = "PendingFileRenameOperations";

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

} // namespace

void RequireSandbox()
{
    if (GetFileAttributesA("Z:\\") != INVALID_FILE_ATTRIBUTES || !std::getenv("AW_SOURCE_DIR")) {
        std::fprintf(stderr, "refusing to run: not inside the test sandbox (drive Z: present or AW_SOURCE_DIR unset)\n");
        std::fflush(stderr);
        std::exit(2);
    }
}

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path)))
        return std::string();
    return path;
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path)
{
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::int64_t SizeOnDisk(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void Seeds::folder(const std::string& path)
{
    std::string folder = TrimSlash(path);
    if (folder.empty() || IsFolder(folder))
        return;
    this->folder(ParentOf(folder));
    if (CreateDirectoryA(folder.c_str(), nullptr))
        folders_.push_back(folder);
}

void Seeds::file(const std::string& path, std::int64_t size, DWORD attributes)
{
    folder(ParentOf(path));
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER end;
    end.QuadPart = size;
    // Sparse enough for big sizes: only the length matters to the cleaner.
    SetFilePointerEx(h, end, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
    CloseHandle(h);
    if (attributes != FILE_ATTRIBUTE_NORMAL)
        SetFileAttributesA(path.c_str(), attributes);
    files_.push_back(path);
}

void Seeds::text(const std::string& path, const std::string& content)
{
    folder(ParentOf(path));
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
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
    std::string missing = FirstMissingKey(path);
    if (!missing.empty())
        keys_.push_back(missing);
    HKEY k;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(k, "seed", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
        RegCloseKey(k);
    }
}

void Seeds::value(const std::string& keyPath, const std::string& name, const std::string& data)
{
    std::string missing = FirstMissingKey(keyPath);
    if (!missing.empty())
        keys_.push_back(missing);
    HKEY k;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(k, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>(data.size() + 1));
        RegCloseKey(k);
    }
}

void Seeds::clean()
{
    for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
        SetFileAttributesA(it->c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(it->c_str());
    }
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it)
        RemoveTree(*it);
    for (auto it = keys_.rbegin(); it != keys_.rend(); ++it)
        SHDeleteKeyA(HKEY_CURRENT_USER, it->c_str());
    files_.clear();
    folders_.clear();
    keys_.clear();
}

bool KeyExists(const std::string& path)
{
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
        return false;
    RegCloseKey(k);
    return true;
}

bool ValueExists(const std::string& keyPath, const std::string& name)
{
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
        return false;
    bool found = RegQueryValueExA(k, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(k);
    return found;
}

void EmptyFolder(const std::string& folder)
{
    std::string base = TrimSlash(folder) + "\\";
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((base + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = base + name;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            RemoveTree(path);
        } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveDirectoryA(path.c_str());
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

void RemoveTree(const std::string& folder)
{
    DWORD a = GetFileAttributesA(folder.c_str());
    if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY))
        return;
    if (!(a & FILE_ATTRIBUTE_REPARSE_POINT))
        EmptyFolder(folder);
    RemoveDirectoryA(folder.c_str());
}

LockedFile::LockedFile(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr))
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
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPendingKey, 0, KEY_READ, &k) != ERROR_SUCCESS)
        return entries;
    DWORD size = 0, type = 0;
    if (RegQueryValueExW(k, L"PendingFileRenameOperations", nullptr, &type, nullptr, &size) == ERROR_SUCCESS && size) {
        std::vector<wchar_t> data(size / sizeof(wchar_t) + 2, L'\0');
        if (RegQueryValueExW(k, L"PendingFileRenameOperations", nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                             &size) == ERROR_SUCCESS) {
            for (const wchar_t* p = data.data(); *p || p[1]; p += wcslen(p) + 1) {
                if (!*p)
                    continue;
                char narrow[1024] = {};
                WideCharToMultiByte(CP_ACP, 0, p, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
                entries.emplace_back(narrow);
            }
        }
    }
    RegCloseKey(k);
    return entries;
}

void ClearPendingDeletionsAtReboot()
{
    HKEY k;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPendingKey, 0, KEY_WRITE, &k) == ERROR_SUCCESS) {
        RegDeleteValueA(k, kPendingValue);
        RegCloseKey(k);
    }
}

} // namespace aw::test
