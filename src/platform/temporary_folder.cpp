#include "platform/temporary_folder.h"

#include "platform/directory_search.h"
#include "platform/folder_services.h"
#include "platform/handle.h"
#include "platform/open_file.h"
#include "platform/wide_text.h"

#include <windows.h>

#include <atomic>
#include <vector>

namespace aw {

namespace {

std::atomic<unsigned> g_folderNumber{0};

} // namespace

TemporaryFolder::TemporaryFolder()
{
    std::string base = GetTempFolder();
    if (base.empty())
        return;
    if (base.back() != '\\')
        base += '\\';
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string candidate = base + "Ashwarden-" + std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(g_folderNumber.fetch_add(1)) + "-" +
                                      std::to_string(GetTickCount());
        std::optional<std::wstring> wide = WidePath(candidate);
        if (!wide)
            return;
        if (CreateDirectoryW(wide->c_str(), nullptr)) {
            path_ = candidate + "\\";
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return;
    }
}

TemporaryFolder::~TemporaryFolder()
{
    if (path_.empty())
        return;
    std::vector<std::string> files;
    for (DirectorySearch search(path_ + "*"); search.found(); search.next())
        if (!search.isDirectory())
            files.push_back(path_ + search.name());
    for (const std::string& file : files)
        if (std::optional<std::wstring> wide = WidePath(file)) {
            SetFileAttributesW(wide->c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(wide->c_str());
        }
    if (std::optional<std::wstring> wide = WidePath(path_))
        RemoveDirectoryW(wide->c_str());
}

bool CopyFileTo(const std::string& from, const std::string& to)
{
    UniqueHandle source = OpenFile(from, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   OPEN_EXISTING);
    if (!source)
        return false;
    UniqueHandle target = OpenFile(to, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!target)
        return false;
    std::vector<char> buffer(256 * 1024);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(source.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr))
            return false;
        if (read == 0)
            return true;
        DWORD written = 0;
        if (!WriteFile(target.Get(), buffer.data(), read, &written, nullptr) || written != read)
            return false;
    }
}

} // namespace aw
