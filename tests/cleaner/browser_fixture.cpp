#include "cleaner/browser_fixture.h"

#include "cleaner/sqlite_db.h"
#include "cleaner/wine_support.h"

#include <shlobj.h>
#include <sqlite3.h>
#include <windows.h>

#include <cstdlib>

namespace aw::test {

namespace {

// Creates the folder and its missing parents, whatever the length of its path.
void MakeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('\\', 3); ; slash = folder.find('\\', slash + 1)) {
        CreateDirectoryW(Wide(folder.substr(0, slash)).c_str(), nullptr);
        if (slash == std::string::npos)
            return;
    }
}

} // namespace

bool CopyTree(const std::string& from, const std::string& to)
{
    MakeFolders(to);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(from + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    do {
        std::string name = Utf8(data.cFileName);
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = CopyTree(from + "\\" + name, to + "\\" + name) && ok;
        else
            ok = CopyFileW(Wide(from + "\\" + name).c_str(), Wide(to + "\\" + name).c_str(), FALSE) && ok;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return ok;
}

namespace {

void Collect(const std::string& folder, const std::string& relative, std::map<std::string, std::int64_t>& files)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = Utf8(data.cFileName);
        if (name == "." || name == "..")
            continue;
        std::string rel = relative.empty() ? name : relative + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Collect(folder + "\\" + name, rel, files);
        else
            files[rel] = (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

} // namespace

std::map<std::string, std::int64_t> FilesBelow(const std::string& folder)
{
    std::map<std::string, std::int64_t> files;
    Collect(folder, "", files);
    return files;
}

std::string ReadWholeFile(const std::string& path)
{
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string text;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    CloseHandle(file);
    return text;
}

bool FileHolds(const std::string& path, const std::string& text)
{
    return ReadWholeFile(path).find(text) != std::string::npos;
}

int QueryInt(const std::string& db, const char* sql)
{
    int value = -1;
    // As an unchanging file: reading never creates or removes a "-wal" or "-shm" beside it. A
    // long path is opened in the "\\?\" form, through SQLite's long-path file system.
    const std::string name = db.size() >= 240 ? "\\\\?\\" + db : db;
    std::string uri = "file:";
    const char* hex = "0123456789ABCDEF";
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        uri += u <= ' ' || u >= 0x80 || c == '%' || c == '?' || c == '#' ? std::string{'%', hex[u >> 4], hex[u & 15]}
                                                                        : std::string(1, c);
    }
    uri += "?immutable=1";
    sqlite3* opened = nullptr;
    const int status =
        sqlite3_open_v2(uri.c_str(), &opened, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, "win32-longpath");
    SqliteConnection handle = OwnConnection(opened);
    if (status == SQLITE_OK) {
        SqliteStatement query(handle.get(), sql);
        if (query.step() == SQLITE_ROW)
            value = std::atoi(query.text(0).c_str());
    }
    return value;
}

InstalledBrowsers::InstalledBrowsers()
    : roaming_(ShellFolder(CSIDL_APPDATA)), local_(ShellFolder(CSIDL_LOCAL_APPDATA))
{
    remove();
    const std::string stage = kFixtureStage;
    ok_ = !roaming_.empty() && !local_.empty() && CopyTree(stage + "\\Roaming", roaming_) &&
          CopyTree(stage + "\\Local", local_);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(FirefoxRoot() + "\\Profiles\\*.fixture").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        firefoxName_ = Utf8(data.cFileName);
        FindClose(find);
    }
    ok_ = ok_ && !firefoxName_.empty();
}

InstalledBrowsers::~InstalledBrowsers()
{
    remove();
}

void InstalledBrowsers::remove()
{
    for (const std::string& folder : {roaming_ + "\\Mozilla", local_ + "\\Mozilla", local_ + "\\Google"})
        if (folder.size() > 10)
            RemoveTree(folder);
}

std::vector<std::string> InstalledBrowsers::Roots(const std::string& group) const
{
    if (group == "Mozilla Firefox")
        return {roaming_ + "\\Mozilla\\Firefox", local_ + "\\Mozilla\\Firefox"};
    return {local_ + "\\Google\\Chrome"};
}

} // namespace aw::test
